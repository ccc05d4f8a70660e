#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vistagon::cli {

// A usage error: printed with the usage text, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The words of one command: positional arguments, options that take a value
// (the next word, which may be a negative number) and plain flags, in any order.
class ArgumentList {
public:
    ArgumentList(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                 const std::set<std::string>& flags);

    const std::vector<std::string>& positional() const { return positional_; }
    bool Has(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;

    // Typed values; a malformed number is a usage error naming the option.
    std::optional<double> Double(const std::string& option) const;
    std::optional<int> Int(const std::string& option) const;
    // A comma-separated list of exactly count numbers.
    std::optional<std::vector<double>> Doubles(const std::string& option, size_t count) const;

    // Requires between min and max positional arguments.
    void ExpectPositional(size_t min, size_t max) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
};

// Parses a whole number or a real number of a command-line word strictly.
std::optional<double> ParseDoubleWord(const std::string& word);
std::optional<int> ParseIntWord(const std::string& word);

}  // namespace vistagon::cli
