#pragma once
// Numbers in the text SQLite hands a row callback, read the same way by every record.
#include <cstdlib>

namespace stored_number {

// The value's leading decimal number: leading blanks and one sign allowed; no digits, or
// NULL, give 0.
inline int LeadingNumber(const char* value)
{
    return value ? static_cast<int>(std::strtol(value, nullptr, 10)) : 0;
}

} // namespace stored_number
