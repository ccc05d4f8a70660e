#include "platform/FileError.h"

#include <cstring>

namespace vistagon {

namespace {

const char* CauseWord(FileError::Cause cause)
{
    switch (cause) {
    case FileError::Cause::Open: return "cannot open";
    case FileError::Cause::Read: return "cannot read";
    case FileError::Cause::Write: return "cannot write";
    case FileError::Cause::Seek: return "cannot seek in";
    case FileError::Cause::Remove: return "cannot remove";
    }
    return "error with";
}

std::string Describe(FileError::Cause cause, const std::string& path, int systemError)
{
    std::string text = std::string(CauseWord(cause)) + " '" + path + "'";
    if (systemError != 0) text += std::string(": ") + std::strerror(systemError);
    return text;
}

}  // namespace

FileError::FileError(Cause cause, std::string path, int systemError)
    : std::runtime_error(Describe(cause, path, systemError)),
      cause_(cause), path_(std::move(path)), systemError_(systemError)
{
}

}  // namespace vistagon
