#include "platform/BinaryFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <sys/stat.h>

namespace vistagon {

BinaryFile::~BinaryFile()
{
    Abort();
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : file_(other.file_), path_(std::move(other.path_))
{
    other.file_ = nullptr;
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        Abort();
        file_ = other.file_;
        path_ = std::move(other.path_);
        other.file_ = nullptr;
    }
    return *this;
}

void BinaryFile::Open(const std::string& path, Mode mode)
{
    Abort();
    const char* flags = mode == Mode::Read ? "rb" : mode == Mode::Create ? "w+b" : "r+b";
    path_ = path;
    file_ = std::fopen(path.c_str(), flags);
    if (file_ == nullptr) throw FileError(FileError::Cause::Open, path, errno);
    // A folder opens for reading on Linux; it is not a file.
    struct stat info {};
    if (fstat(fileno(file_), &info) == 0 && S_ISDIR(info.st_mode)) {
        Abort();
        throw FileError(FileError::Cause::Open, path, EISDIR);
    }
}

size_t BinaryFile::Read(void* buffer, size_t count)
{
    if (file_ == nullptr) throw FileError(FileError::Cause::Read, path_, EBADF);
    const size_t got = std::fread(buffer, 1, count, file_);
    if (got < count && std::ferror(file_)) {
        std::clearerr(file_);
        throw FileError(FileError::Cause::Read, path_, errno);
    }
    return got;
}

void BinaryFile::Write(const void* buffer, size_t count)
{
    if (file_ == nullptr) throw FileError(FileError::Cause::Write, path_, EBADF);
    if (count != 0 && std::fwrite(buffer, 1, count, file_) != count) {
        const int error = errno;
        std::clearerr(file_);
        throw FileError(FileError::Cause::Write, path_, error);
    }
}

void BinaryFile::Seek(uint64_t offset)
{
    if (file_ == nullptr || fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0)
        throw FileError(FileError::Cause::Seek, path_, errno);
}

uint64_t BinaryFile::Tell() const
{
    if (file_ == nullptr) throw FileError(FileError::Cause::Seek, path_, EBADF);
    const off_t position = ftello(file_);
    if (position < 0) throw FileError(FileError::Cause::Seek, path_, errno);
    return static_cast<uint64_t>(position);
}

uint64_t BinaryFile::Size() const
{
    struct stat info {};
    if (file_ == nullptr || fstat(fileno(file_), &info) != 0)
        throw FileError(FileError::Cause::Read, path_, errno);
    return static_cast<uint64_t>(info.st_size);
}

void BinaryFile::Close()
{
    if (file_ == nullptr) return;
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) throw FileError(FileError::Cause::Write, path_, errno);
}

void BinaryFile::Abort() noexcept
{
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

bool CanOpenForReading(const std::string& path)
{
    try {
        BinaryFile file(path, BinaryFile::Mode::Read);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace vistagon
