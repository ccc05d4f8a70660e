#pragma once

namespace vistagon {

// One user-visible text of the string table: its number and its text, which may
// be a printf format with the arguments its users pass.
struct MessageText {
    int id;  // 0 where the table's number is not known
    const char* text;
};

}  // namespace vistagon
