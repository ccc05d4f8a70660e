#include "platform/TempFiles.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vistagon {

namespace {

// mkstemp on a template; returns the created path.
std::string CreateUnique(std::string pattern)
{
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = mkstemp(buffer.data());
    if (fd < 0) throw FileError(FileError::Cause::Open, pattern, errno);
    // mkstemp creates 0600; give the file the permissions an ordinary create would.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    return std::string(buffer.data());
}

std::string TempFolder()
{
    std::error_code error;
    auto folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

}  // namespace

std::string MakeTempFileName(const std::string& prefix)
{
    return CreateUnique((std::filesystem::path(TempFolder()) / (prefix + "XXXXXX")).string());
}

FileRemover::~FileRemover()
{
    if (!path_.empty()) RemoveFileQuietly(path_);
}

ReplacingFileWriter::ReplacingFileWriter(std::string target) : target_(std::move(target)) {}

ReplacingFileWriter::~ReplacingFileWriter()
{
    Abandon();
}

BinaryFile& ReplacingFileWriter::Begin()
{
    Abandon();
    const std::filesystem::path target(target_);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw FileError(FileError::Cause::Open, target_, ENOENT);
    try {
        temp_ = CreateUnique((folder / ("." + target.filename().string() + ".VISTXXXXXX")).string());
    } catch (const FileError& e) {
        throw FileError(FileError::Cause::Open, target_, e.systemError());
    }
    file_.Open(temp_, BinaryFile::Mode::Create);
    return file_;
}

void ReplacingFileWriter::Commit()
{
    file_.Close();
    if (std::rename(temp_.c_str(), target_.c_str()) != 0)
        throw FileError(FileError::Cause::Write, target_, errno);
    temp_.clear();
}

void ReplacingFileWriter::Abandon() noexcept
{
    file_.Abort();
    if (!temp_.empty()) RemoveFileQuietly(temp_);
    temp_.clear();
}

bool RemoveFileQuietly(const std::string& path) noexcept
{
    if (path.empty()) return true;
    std::error_code error;
    std::filesystem::remove(path, error);
    return !std::filesystem::exists(path, error);
}

}  // namespace vistagon
