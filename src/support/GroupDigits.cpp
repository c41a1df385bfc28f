#include "support/GroupDigits.h"

std::wstring GroupDigits(const std::wstring &strNumber)
{
    std::wstring strSign, strFraction, strInteger = strNumber;
    if (!strInteger.empty() && (strInteger[0] == L'+' || strInteger[0] == L'-')) {
        strSign = strInteger.substr(0, 1);
        strInteger.erase(0, 1);
    }
    const size_t dot = strInteger.rfind(L'.');
    if (dot != std::wstring::npos) {
        strFraction = strInteger.substr(dot);
        strInteger.erase(dot);
    }
    std::wstring out;
    out.reserve(strNumber.size() + strInteger.size() / 3);
    out += strSign;
    for (size_t i = 0; i < strInteger.size(); ++i) {
        if (i > 0 && (strInteger.size() - i) % 3 == 0)
            out += L',';
        out += strInteger[i];
    }
    out += strFraction;
    return out;
}

std::wstring GroupDigits(uint64_t nNumber)
{
    return GroupDigits(std::to_wstring(nNumber));
}
