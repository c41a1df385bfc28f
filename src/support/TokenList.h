// TokenList: a text cut into fields at a separator, optionally joining "quoted, fields".
#pragma once
#include <string>
#include <vector>

class TokenList {
public:
    // Replaces the list by the fields of strText; returns their number.
    int Split(const std::wstring &strText, wchar_t chSeparator, bool bJoinQuotes);
    int GetCount() const { return static_cast<int>(m_listFields.size()); }
    // Field i, or "" out of range; bTrim removes blanks at both ends.
    std::wstring GetString(int i, bool bTrim = false) const;
    // Decimal value of the untrimmed field i; 0 when it does not start with a number or is out of range.
    int GetInt(int i) const;
    void Clear() { m_listFields.clear(); }

private:
    std::vector<std::wstring> m_listFields;
};

// Blanks (space and tab) removed at both ends.
std::wstring TrimBlanks(const std::wstring &str);
