// Byte counts shown to people: a comma between every three digits.
#pragma once
#include <cstdint>
#include <string>

// "1234567" -> "1,234,567", "-1234.5" -> "-1,234.5"; a leading sign and the part from the last
// period on are kept aside while the integer part is grouped.
std::wstring GroupDigits(const std::wstring &strNumber);

// The count in decimal, then grouped.
std::wstring GroupDigits(uint64_t nNumber);
