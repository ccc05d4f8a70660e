#include "import/iso8211/FormatControls.h"

#include "import/iso8211/ParseError.h"

#include <cctype>
#include <string>

namespace vistagon::iso8211 {

namespace {

// No field can hold more bytes than a record, so no width or count needs more.
constexpr size_t kLargestNumber = 99999;
// Deep nesting only appears in hostile files; it would only cost stack.
constexpr int kDeepestNesting = 16;

class FormatParser {
public:
    FormatParser(std::string_view text, size_t limit) : text_(text), limit_(limit) {}

    std::vector<SubfieldFormat> Parse()
    {
        SkipBlanks();
        Expect('(');
        std::vector<SubfieldFormat> formats = ParseList(1);
        Expect(')');
        SkipBlanks();
        if (at_ != text_.size()) Fail("text after the closing parenthesis");
        return formats;
    }

private:
    [[noreturn]] void Fail(const char* what) const
    {
        throw ParseError("format controls \"" + std::string(text_) + "\": " + what);
    }

    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    void SkipBlanks()
    {
        while (!AtEnd() && text_[at_] == ' ') ++at_;
    }
    void Expect(char c)
    {
        SkipBlanks();
        if (Peek() != c) Fail(c == '(' ? "'(' expected" : "')' expected");
        ++at_;
    }

    // Digits at the cursor, or 0 when there are none.
    size_t Number()
    {
        size_t value = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            value = value * 10 + static_cast<size_t>(text_[at_++] - '0');
            if (value > kLargestNumber) Fail("number too large");
        }
        return value;
    }

    std::vector<SubfieldFormat> ParseList(int depth)
    {
        if (depth > kDeepestNesting) Fail("groups nested too deeply");
        std::vector<SubfieldFormat> formats;
        SkipBlanks();
        if (Peek() == ')') return formats;
        for (;;) {
            Append(formats, ParseItem(depth));
            SkipBlanks();
            if (Peek() != ',') return formats;
            ++at_;
        }
    }

    std::vector<SubfieldFormat> ParseItem(int depth)
    {
        SkipBlanks();
        const bool counted = std::isdigit(static_cast<unsigned char>(Peek()));
        const size_t count = counted ? Number() : 1;
        if (count == 0) Fail("repeat count 0");
        SkipBlanks();
        std::vector<SubfieldFormat> one;
        if (Peek() == '(') {
            ++at_;
            one = ParseList(depth + 1);
            Expect(')');
        } else {
            one.push_back(ParseCode());
        }
        std::vector<SubfieldFormat> repeated;
        if (one.empty()) return repeated;
        for (size_t i = 0; i < count; ++i) Append(repeated, one);
        return repeated;
    }

    void Append(std::vector<SubfieldFormat>& to, const std::vector<SubfieldFormat>& from) const
    {
        if (from.size() > limit_ - to.size()) Fail("more subfields than the field can hold");
        to.insert(to.end(), from.begin(), from.end());
    }

    // A width in parentheses after the code, or 0 (variable) without one.
    size_t ParenthesisedWidth()
    {
        if (Peek() != '(') return 0;
        ++at_;
        if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("width expected");
        const size_t width = Number();
        if (width == 0) Fail("width 0");
        Expect(')');
        return width;
    }

    SubfieldFormat ParseCode()
    {
        SubfieldFormat format;
        format.code = Peek();
        ++at_;
        switch (format.code) {
        case 'A': case 'I': case 'R': case 'S': case 'C': case 'X':
            format.width = ParenthesisedWidth();
            return format;
        case 'B':
            return BitString(format);
        case 'b':
            return BinaryForm(format);
        default:
            Fail("unknown format code");
        }
    }

    // B(n): n bits, most significant octet first; only whole octets are read.
    SubfieldFormat BitString(SubfieldFormat format)
    {
        const size_t bits = ParenthesisedWidth();
        if (bits % 8 != 0) Fail("bit string not a whole number of octets");
        format.width = bits / 8;
        format.binary = BinaryKind::Raw;
        return format;
    }

    // bTW: type digit T and width digit W in octets. Writers of this form store
    // the least significant octet first.
    SubfieldFormat BinaryForm(SubfieldFormat format)
    {
        const char type = Peek();
        if (type < '1' || type > '5') Fail("binary form type expected");
        ++at_;
        const char width = Peek();
        if (width < '1' || width > '9') Fail("binary form width expected");
        ++at_;
        format.width = static_cast<size_t>(width - '0');
        format.order = ByteOrder::LeastSignificantFirst;
        const bool integerWidth = format.width <= 8;
        const bool floatWidth = format.width == 4 || format.width == 8;
        if (type == '1' && integerWidth) format.binary = BinaryKind::Unsigned;
        else if (type == '2' && integerWidth) format.binary = BinaryKind::Signed;
        else if (type == '4' && floatWidth) format.binary = BinaryKind::Float;
        else format.binary = BinaryKind::Raw;
        return format;
    }

    std::string_view text_;
    size_t limit_;
    size_t at_ = 0;
};

}  // namespace

std::vector<SubfieldFormat> ParseFormatControls(std::string_view text, size_t limit)
{
    return FormatParser(text, limit).Parse();
}

}  // namespace vistagon::iso8211
