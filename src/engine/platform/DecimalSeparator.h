#pragma once

namespace vistagon {

// The user's decimal separator, from the LC_NUMERIC (or LC_ALL/LANG) locale of
// the environment; '.' when the locale is unknown. Does not change the
// process-wide locale, so "%f" output elsewhere keeps its point.
char UserDecimalSeparator();

}  // namespace vistagon
