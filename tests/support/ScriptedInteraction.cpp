#include "support/ScriptedInteraction.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace vistagon::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vistagon-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string SharedDataDir()
{
    std::error_code ignored;
    const std::filesystem::path dir(VISTAGON_SHARED_DATA);
    return std::filesystem::is_directory(dir, ignored) ? std::filesystem::weakly_canonical(dir).string() : std::string();
}

}  // namespace vistagon::test
