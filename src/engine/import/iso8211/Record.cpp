#include "import/iso8211/Record.h"

namespace vistagon::iso8211 {

const Field* Record::Find(std::string_view tag) const
{
    for (const Field& field : fields)
        if (field.tag() == tag) return &field;
    return nullptr;
}

}  // namespace vistagon::iso8211
