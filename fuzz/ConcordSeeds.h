#pragma once

// Adds the real ISO 8211 files beside the checkout (../shared/data, when
// present) to a fuzz target's seeds, without copying them anywhere.
#include <filesystem>
#include <string>
#include <vector>

namespace vistagon::fuzz {

inline void AddConcordSeeds(int* argc, char*** argv, const char* sourceFile)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(sourceFile).parent_path().parent_path().parent_path() / "shared" / "data" /
                         "iso8211" / "concord";
    std::error_code error;
    if (!fs::is_directory(dir, error)) return;
    static std::string flag = "-seed_inputs=";
    const size_t empty = flag.size();
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        if (flag.size() > empty) flag += ',';
        flag += entry.path().string();
    }
    if (flag.size() == empty) return;
    static std::vector<char*> arguments(*argv, *argv + *argc);
    arguments.insert(arguments.begin() + 1, flag.data());
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size() - 1);
    *argv = arguments.data();
}

}  // namespace vistagon::fuzz
