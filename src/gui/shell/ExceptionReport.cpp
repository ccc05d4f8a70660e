#include "ExceptionReport.h"

#include "platform/FileError.h"

#include <cerrno>
#include <new>

namespace vistagon::gui {

namespace {

constexpr const char* kNoInformation = "No further information available.";

}  // namespace

const char* ExceptionReport::FileCauseText(int cause)
{
    static const char* const texts[] = {
        "No error occurred.",
        "An unspecified error occurred.",
        "The file could not be located.",
        "All or part of the path is invalid.",
        "The permitted number of open files was exceeded.",
        "The file could not be accessed.",
        "There was an attempt to use an invalid file handle.",
        "The current working directory cannot be removed.",
        "There are no more directory entries.",
        "There was an error trying to set the file pointer.",
        "There was a hardware error.",
        "SHARE.EXE was not loaded, or a shared region was locked.",
        "There was an attempt to lock a region that was already locked.",
        "The disk is full.",
        "The end of file was reached.",
    };
    return cause >= 0 && cause <= 14 ? texts[cause] : texts[1];
}

int ExceptionReport::FileCauseOf(int systemError)
{
    switch (systemError) {
    case 0: return 0;
    case ENOENT: return 2;
    case ENOTDIR:
    case ENAMETOOLONG: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return 5;
    case EBADF: return 6;
    case EBUSY: return 7;
    case ESPIPE: return 9;
    case EIO: return 10;
    case EDEADLK: return 12;
    case ENOSPC:
    case EDQUOT: return 13;
    default: return 1;
    }
}

std::string ExceptionReport::TextOf(std::exception_ptr error)
{
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const FileError& e) {
        const int cause = e.cause() == FileError::Cause::Seek ? 9 : FileCauseOf(e.systemError());
        text = "CFileException number " + std::to_string(static_cast<long>(e.systemError())) + ":\n" +
               FileCauseText(cause);
    } catch (const std::bad_alloc&) {
        text = std::string("CMemoryException.\n") + kNoInformation;
    } catch (const std::exception& e) {
        // Every other failure of ours is a program fault; its own words are the most useful cause.
        text = std::string("CNotSupportedException.\n") + (e.what()[0] != '\0' ? e.what() : kNoInformation);
    } catch (...) {
        text = std::string("CResourceException.\n") + kNoInformation;
    }
    // The box's buffer held 512 characters; a longer cause is cut there.
    if (text.size() > 511) text.resize(511);
    return text;
}

}  // namespace vistagon::gui
