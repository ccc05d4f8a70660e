#include "platform/DecimalSeparator.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace vistagon {

char UserDecimalSeparator()
{
    locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, locale);
    const char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
    freelocale(locale);
    return separator;
}

}  // namespace vistagon
