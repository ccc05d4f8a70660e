#pragma once

#include <stdexcept>
#include <string>

namespace vistagon {

// The one exception of the file layer. Raised on open, read, write and seek
// failures; callers catch it where the file is used and turn it into the
// "...Retry?" questions.
class FileError : public std::runtime_error {
public:
    enum class Cause { Open, Read, Write, Seek, Remove };

    FileError(Cause cause, std::string path, int systemError);

    Cause cause() const { return cause_; }
    const std::string& path() const { return path_; }
    int systemError() const { return systemError_; }

private:
    Cause cause_;
    std::string path_;
    int systemError_;
};

}  // namespace vistagon
