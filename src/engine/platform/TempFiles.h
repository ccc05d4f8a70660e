#pragma once

#include "platform/BinaryFile.h"

#include <string>

namespace vistagon {

// Creates an empty file with a unique name beginning with prefix in the system's
// temporary folder and returns its path. Raises FileError when that fails.
std::string MakeTempFileName(const std::string& prefix = "VIST");

// Removes a file (if present) when it goes out of scope, unless released.
class FileRemover {
public:
    explicit FileRemover(std::string path = {}) : path_(std::move(path)) {}
    ~FileRemover();
    FileRemover(const FileRemover&) = delete;
    FileRemover& operator=(const FileRemover&) = delete;

    void Reset(std::string path) { path_ = std::move(path); }
    void Release() { path_.clear(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Writes a file beside its target and moves it over the target only when Commit
// is reached, so an interrupted or failed save never damages what was there.
class ReplacingFileWriter {
public:
    explicit ReplacingFileWriter(std::string target);
    ~ReplacingFileWriter();
    ReplacingFileWriter(const ReplacingFileWriter&) = delete;
    ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

    // Creates (or re-creates, for a retry) the temporary file.
    BinaryFile& Begin();
    BinaryFile& file() { return file_; }
    // Closes the temporary file and renames it over the target.
    void Commit();
    // Drops the temporary file; the target stays as it was.
    void Abandon() noexcept;

    const std::string& target() const { return target_; }

private:
    std::string target_;
    std::string temp_;
    BinaryFile file_;
};

// Removes a file, ignoring a missing one; true when it is gone afterwards.
bool RemoveFileQuietly(const std::string& path) noexcept;

}  // namespace vistagon
