#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistagon {

// A scene script on disk: the keys of its one section [Param]. Values are read
// whole. Writes raise FileError.
class ScriptFile {
public:
    static constexpr const char* kSection = "Param";

    explicit ScriptFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // Empty when absent.
    std::string GetString(std::string_view key) const;
    // Leading digits; 0 when absent.
    int GetInt(std::string_view key) const;
    // "%lf": 0.0 when absent or empty; none when the text does not parse (the
    // caller keeps its previous value).
    std::optional<double> GetDouble(std::string_view key) const;
    // Reads "Punkt%02d" with "%lf,%lf"; false at the end of the list (fewer than
    // two numbers, or x exactly -1.0).
    bool GetPathPoint(int index, double& x, double& y) const;

    void SetString(std::string_view key, std::string_view value) const;
    void SetInt(std::string_view key, int value) const;
    void SetDouble(std::string_view key, double value) const;

    static std::string PathPointKey(int index);

private:
    std::string path_;
};

// "%lf" reading of a script value: 0.0 for an empty text, none when it does not parse.
std::optional<double> ReadScriptDouble(std::string_view text);

}  // namespace vistagon
