#include "support/TokenList.h"

#include <climits>
#include <cwchar>

namespace {

bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t';
}

bool BeginsWithQuote(const std::wstring &s)
{
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return i < s.size() && s[i] == L'"';
}

// Ends with a quote that is not also the opening quote of the same field.
bool EndsWithQuote(const std::wstring &s, bool bOpensHere)
{
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    if (n == 0 || s[n - 1] != L'"')
        return false;
    if (!bOpensHere)
        return true;
    size_t first = s.find(L'"');
    return first != n - 1;
}

// Removes the first and the last double quote (the enclosing pair).
std::wstring Unquote(const std::wstring &s)
{
    size_t first = s.find(L'"');
    size_t last = s.rfind(L'"');
    if (first == std::wstring::npos || last == first)
        return s;
    std::wstring r = s;
    r.erase(last, 1);
    r.erase(first, 1);
    return r;
}

} // namespace

std::wstring TrimBlanks(const std::wstring &str)
{
    size_t b = 0, e = str.size();
    while (b < e && IsBlank(str[b]))
        ++b;
    while (e > b && IsBlank(str[e - 1]))
        --e;
    return str.substr(b, e - b);
}

int TokenList::Split(const std::wstring &strText, wchar_t chSeparator, bool bJoinQuotes)
{
    m_listFields.clear();
    std::wstring text = strText;
    if (!text.empty() && text.back() == chSeparator)
        text.pop_back();
    if (text.empty())
        return 0;

    std::vector<std::wstring> raw;
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(chSeparator, start);
        raw.push_back(text.substr(start, pos == std::wstring::npos ? std::wstring::npos : pos - start));
        if (pos == std::wstring::npos)
            break;
        start = pos + 1;
    }
    if (!bJoinQuotes) {
        m_listFields = std::move(raw);
        return GetCount();
    }

    for (size_t i = 0; i < raw.size(); ++i) {
        const std::wstring &field = raw[i];
        if (!BeginsWithQuote(field)) {
            m_listFields.push_back(field);
            continue;
        }
        if (EndsWithQuote(field, true)) {
            m_listFields.push_back(Unquote(field));
            continue;
        }
        size_t close = i + 1;
        while (close < raw.size() && !EndsWithQuote(raw[close], false))
            ++close;
        if (close == raw.size()) {
            m_listFields.push_back(field); // no closing field: unchanged
            continue;
        }
        std::wstring joined = field;
        for (size_t k = i + 1; k <= close; ++k) {
            joined += chSeparator;
            joined += raw[k];
        }
        m_listFields.push_back(Unquote(joined));
        i = close;
    }
    return GetCount();
}

std::wstring TokenList::GetString(int i, bool bTrim) const
{
    if (i < 0 || i >= GetCount())
        return std::wstring();
    const std::wstring &s = m_listFields[static_cast<size_t>(i)];
    return bTrim ? TrimBlanks(s) : s;
}

int TokenList::GetInt(int i) const
{
    if (i < 0 || i >= GetCount())
        return 0;
    long long v = std::wcstoll(m_listFields[static_cast<size_t>(i)].c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}
