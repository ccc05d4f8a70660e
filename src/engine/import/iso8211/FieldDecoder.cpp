#include "import/iso8211/FieldDecoder.h"

#include "import/iso8211/ParseError.h"
#include "import/iso8211/Terminators.h"

#include <string>

namespace vistagon::iso8211 {

namespace {

// Walks the subfields of one field over `data`. With a known length the field
// ends where data ends; otherwise it ends at the first field terminator found
// where a subfield would begin.
class FieldWalker {
public:
    FieldWalker(const FieldDefinition& field, std::string_view data, bool lengthKnown,
                std::vector<SubfieldValue>& values)
        : field_(field), data_(data), lengthKnown_(lengthKnown), values_(values)
    {
    }

    size_t Walk()
    {
        if (field_.elementary) {
            WholeField();
        } else if (field_.repeating) {
            // Whole repetitions only; an empty repeating field holds none.
            while (!AtFieldEnd())
                for (const SubfieldDefinition& subfield : field_.subfields) Subfield(subfield);
        } else {
            for (const SubfieldDefinition& subfield : field_.subfields) Subfield(subfield);
        }
        if (!lengthKnown_ && (at_ >= data_.size() || data_[at_] != kFieldTerminator))
            Fail("is not ended by a field terminator");
        return at_;
    }

private:
    [[noreturn]] void Fail(const char* what) const
    {
        throw ParseError("field '" + field_.tag + "' " + what);
    }

    bool AtFieldEnd() const { return at_ >= data_.size() || (!lengthKnown_ && data_[at_] == kFieldTerminator); }

    void Emit(const SubfieldDefinition& subfield, std::string_view bytes)
    {
        values_.push_back(DecodeSubfield(subfield, bytes));
    }

    void WholeField()
    {
        size_t end = data_.size();
        if (!lengthKnown_) {
            end = data_.find(kFieldTerminator);
            if (end == std::string_view::npos) Fail("is not ended by a field terminator");
        }
        Emit(field_.subfields.front(), data_.substr(0, end));
        at_ = end;
    }

    void Subfield(const SubfieldDefinition& subfield)
    {
        const size_t width = subfield.format.width;
        if (AtFieldEnd()) {
            // Trailing variable subfields may be left out; fixed ones may not.
            if (width != 0) Fail("ends inside a fixed-width subfield");
            Emit(subfield, std::string_view());
            return;
        }
        if (width != 0) {
            if (width > data_.size() - at_) Fail("ends inside a fixed-width subfield");
            Emit(subfield, data_.substr(at_, width));
            at_ += width;
            return;
        }
        size_t end = data_.find_first_of(kTerminators, at_);
        if (end == std::string_view::npos) end = data_.size();
        Emit(subfield, data_.substr(at_, end - at_));
        at_ = end;
        // A unit terminator belongs to its subfield; the field terminator ends the field.
        if (at_ < data_.size() && (data_[at_] == kUnitTerminator || lengthKnown_)) ++at_;
    }

    static constexpr char kTerminators[] = {kUnitTerminator, kFieldTerminator, '\0'};

    const FieldDefinition& field_;
    std::string_view data_;
    bool lengthKnown_;
    std::vector<SubfieldValue>& values_;
    size_t at_ = 0;
};

}  // namespace

void DecodeField(const FieldDefinition& field, std::string_view bytes, std::vector<SubfieldValue>& values)
{
    FieldWalker(field, bytes, true, values).Walk();
}

size_t DecodeFieldOfUnknownLength(const FieldDefinition& field, std::string_view rest,
                                  std::vector<SubfieldValue>& values)
{
    return FieldWalker(field, rest, false, values).Walk();
}

}  // namespace vistagon::iso8211
