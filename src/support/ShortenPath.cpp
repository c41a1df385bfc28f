#include "support/ShortenPath.h"

namespace {

bool IsLowSurrogate(wchar_t ch)
{
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

bool IsHighSurrogate(wchar_t ch)
{
    return ch >= 0xD800 && ch <= 0xDBFF;
}

// Length of the first n "characters" of a string, never splitting a surrogate pair.
size_t CutPoint(const std::wstring &s, size_t n)
{
    if (n > 0 && n < s.size() && IsHighSurrogate(s[n - 1]) && IsLowSurrogate(s[n]))
        --n;
    return n;
}

} // namespace

std::wstring ShortenPath(const std::wstring &strText, int nMode, int nLimit, const CTextMeasure &measure)
{
    std::wstring strPrefix, strMiddle, strTail;
    if (nMode == SHORTEN_IN_MIDDLE) {
        size_t nLast = strText.rfind(L'\\');
        if (nLast == std::wstring::npos)
            return strText;
        std::wstring strHead = strText.substr(0, nLast);
        strTail = strText.substr(nLast);
        size_t nFirst = strHead.find(L'\\');
        if (nFirst != std::wstring::npos) {
            strPrefix = strHead.substr(0, nFirst + 1);
            strMiddle = strHead.substr(nFirst + 1);
        }
    } else {
        strMiddle = strText;
    }
    if (strMiddle.empty() || measure(strText) <= nLimit)
        return strText;

    auto form = [&](size_t nKeep) { return strPrefix + strMiddle.substr(0, nKeep) + L"..." + strTail; };
    // The width grows with the characters kept, so the longest fitting cut is found by halving
    // instead of measuring every length (a scan updates its path line for every entry).
    // Invariant: keeping nLow fits or nLow is 0; keeping nHigh or more does not fit.
    size_t nLow = 0, nHigh = strMiddle.size();
    while (nHigh - nLow > 1) {
        size_t nMid = nLow + (nHigh - nLow) / 2;
        if (measure(form(nMid)) <= nLimit)
            nLow = nMid;
        else
            nHigh = nMid;
    }
    return form(CutPoint(strMiddle, nLow));
}
