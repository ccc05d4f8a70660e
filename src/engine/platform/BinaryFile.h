#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vistagon {

// A buffered file that raises FileError on every failure. Closing is automatic.
class BinaryFile {
public:
    enum class Mode { Read, Create, ReadWrite };

    BinaryFile() = default;
    BinaryFile(const std::string& path, Mode mode) { Open(path, mode); }
    ~BinaryFile();

    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;

    void Open(const std::string& path, Mode mode);
    bool IsOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

    // Reads up to count bytes; returns how many arrived (fewer only at the end of the file).
    size_t Read(void* buffer, size_t count);
    void Write(const void* buffer, size_t count);
    void Seek(uint64_t offset);
    uint64_t Tell() const;
    uint64_t Size() const;
    // Flushes and closes; raises FileError when buffered data could not be written.
    void Close();
    // Closes without raising (for clean-up paths).
    void Abort() noexcept;

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

// True when the path names a file that can be opened for reading.
bool CanOpenForReading(const std::string& path);

}  // namespace vistagon
