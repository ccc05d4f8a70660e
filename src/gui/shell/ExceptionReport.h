#pragma once

#include <exception>
#include <string>

namespace vistagon::gui {

// The text of the one box that reports an exception escaping a command or
// window handler: a line naming the exception, then a line naming its cause.
class ExceptionReport {
public:
    static std::string TextOf(std::exception_ptr error);

    // CFileException's cause texts, 0 to 14.
    static const char* FileCauseText(int cause);
    // The cause number a file error of the system's errno comes closest to.
    static int FileCauseOf(int systemError);
};

}  // namespace vistagon::gui
