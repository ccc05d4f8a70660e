#include "ArgumentList.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace vistagon::cli {

std::optional<double> ParseDoubleWord(const std::string& word)
{
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(word.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || std::isnan(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseIntWord(const std::string& word)
{
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

ArgumentList::ArgumentList(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flags)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            std::string name = word;
            std::optional<std::string> inlineValue;
            if (const size_t equals = word.find('='); equals != std::string::npos) {
                name = word.substr(0, equals);
                inlineValue = word.substr(equals + 1);
            }
            if (valueOptions.count(name) != 0) {
                if (inlineValue) values_[name] = *inlineValue;
                else if (i + 1 < words.size()) values_[name] = words[++i];
                else throw UsageError("option " + name + " needs a value");
            } else if (flags.count(name) != 0 && !inlineValue) {
                flags_.insert(name);
            } else {
                throw UsageError("unknown option " + word);
            }
        } else {
            positional_.push_back(word);
        }
    }
}

bool ArgumentList::Has(const std::string& option) const
{
    return flags_.count(option) != 0 || values_.count(option) != 0;
}

std::optional<std::string> ArgumentList::Value(const std::string& option) const
{
    auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::optional<double> ArgumentList::Double(const std::string& option) const
{
    auto text = Value(option);
    if (!text) return std::nullopt;
    auto value = ParseDoubleWord(*text);
    if (!value) throw UsageError(option + " takes a number, not '" + *text + "'");
    return value;
}

std::optional<int> ArgumentList::Int(const std::string& option) const
{
    auto text = Value(option);
    if (!text) return std::nullopt;
    auto value = ParseIntWord(*text);
    if (!value) throw UsageError(option + " takes a whole number, not '" + *text + "'");
    return value;
}

std::optional<std::vector<double>> ArgumentList::Doubles(const std::string& option, size_t count) const
{
    auto text = Value(option);
    if (!text) return std::nullopt;
    std::vector<double> numbers;
    std::stringstream parts(*text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        auto value = ParseDoubleWord(part);
        if (!value) throw UsageError(option + " takes " + std::to_string(count) + " comma-separated numbers");
        numbers.push_back(*value);
    }
    if (numbers.size() != count)
        throw UsageError(option + " takes " + std::to_string(count) + " comma-separated numbers");
    return numbers;
}

void ArgumentList::ExpectPositional(size_t min, size_t max) const
{
    if (positional_.size() < min) throw UsageError("missing arguments");
    if (positional_.size() > max) throw UsageError("too many arguments: '" + positional_[max] + "'");
}

}  // namespace vistagon::cli
