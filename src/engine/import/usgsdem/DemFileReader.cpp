#include "import/usgsdem/DemFileReader.h"

#include "import/binarydem/DecimalText.h"

#include <cctype>
#include <climits>

namespace vistagon {

namespace {

constexpr size_t kLineFeedSearch = 2048;
constexpr int kEnd = TextModeReader::kEnd;
// Longer runs of digits are consumed but not kept: no height or coordinate needs them.
constexpr size_t kLongestNumber = 512;

void Append(std::string& number, int c)
{
    if (number.size() < kLongestNumber) number += static_cast<char>(c);
}

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(int c)
{
    return c != kEnd && std::isspace(c) != 0;
}

// Characters that may continue a real number: digits, the point, exponent
// letters, and a sign only directly after an exponent letter.
bool ContinuesReal(int c, int previous)
{
    if (IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D') return true;
    return (c == '+' || c == '-') && (previous == 'e' || previous == 'E' || previous == 'd' || previous == 'D');
}

}  // namespace

DemFileReader::DemFileReader(const std::string& path) : text_(path) {}

DemHeader DemFileReader::ReadHeader()
{
    text_.Rewind();
    lookahead_ = kNone;
    std::string record;
    while (record.size() < kDemRecordLength) {
        const int c = text_.Get();
        if (c == kEnd || c == '\n') break;
        record += static_cast<char>(c);
    }
    record.resize(kDemRecordLength, ' ');
    return ParseDemHeader(record);
}

void DemFileReader::SkipToProfiles()
{
    text_.Rewind();
    lookahead_ = kNone;
    for (size_t n = 0; n < kLineFeedSearch; ++n) {
        const int c = text_.Get();
        if (c == '\n') return;
        if (c == kEnd) break;
    }
    text_.Rewind();
    for (size_t n = 0; n < kDemRecordLength && text_.Get() != kEnd; ++n) {
    }
}

void DemFileReader::SkipBlanks()
{
    while (IsBlank(text_.Peek())) text_.Get();
}

bool DemFileReader::ReadInt(int& value)
{
    SkipBlanks();
    std::string digits;
    if (text_.Peek() == '+' || text_.Peek() == '-') Append(digits, text_.Get());
    while (IsDigit(text_.Peek())) Append(digits, text_.Get());
    if (digits.empty() || !IsDigit(digits.back())) return false;
    long long parsed = 0;
    for (char c : digits)
        if (IsDigit(c) && parsed < INT_MAX) parsed = parsed * 10 + (c - '0');
    if (parsed > INT_MAX) parsed = INT_MAX;
    value = static_cast<int>(digits[0] == '-' ? -parsed : parsed);
    return true;
}

bool DemFileReader::ReadReal(double& value)
{
    SkipBlanks();
    std::string number;
    int previous = kEnd;
    if (text_.Peek() == '+' || text_.Peek() == '-') Append(number, previous = text_.Get());
    while (ContinuesReal(text_.Peek(), previous)) Append(number, previous = text_.Get());
    return ScanLeadingDecimal(number, value, true) != 0;
}

bool DemFileReader::ReadProfileHeader(DemProfileHeader& p)
{
    lookahead_ = kNone;
    return ReadInt(p.row) && ReadInt(p.column) && ReadInt(p.count) && ReadInt(p.columns) && ReadReal(p.x) &&
           ReadReal(p.y) && ReadReal(p.localDatum) && ReadReal(p.minimumElevation) && ReadReal(p.maximumElevation);
}

// One character, the look-ahead first.
int DemFileReader::Next()
{
    if (lookahead_ != kNone) {
        const int c = lookahead_;
        lookahead_ = kNone;
        return c;
    }
    return text_.Get();
}

// Fixed-width fields may touch ("  1234-5678"): a minus sign always starts a
// new number, and the character that ended one is kept for the next.
bool DemFileReader::NextElevation(double& elevation)
{
    int c = Next();
    while (c != kEnd && !IsDigit(c) && c != '-' && c != '.') c = Next();
    if (c == kEnd) return false;
    std::string number;
    if (c == '-') {
        number += '-';
        c = Next();
    }
    while (IsDigit(c) || c == '.') {
        Append(number, c);
        c = Next();
    }
    lookahead_ = c;
    elevation = 0.0;
    ScanLeadingDecimal(number, elevation);
    return true;
}

}  // namespace vistagon
