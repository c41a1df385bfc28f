#include "support/ItemName.h"

#include "support/Path.h"

namespace {

// The system opens these as devices whatever directory they are joined to, extension or not.
bool IsReservedDeviceName(std::wstring_view strName)
{
    std::wstring_view strBase = strName.substr(0, strName.find(L'.'));
    // "NUL .txt" is the device as well: blanks before the extension are dropped.
    while (!strBase.empty() && strBase.back() == L' ')
        strBase.remove_suffix(1);
    for (const wchar_t *psz : {L"CON", L"PRN", L"AUX", L"NUL"}) {
        if (CompareNameNoCase(strBase, psz) == 0)
            return true;
    }
    if (strBase.size() != 4)
        return false;
    const std::wstring_view strStem = strBase.substr(0, 3);
    if (CompareNameNoCase(strStem, L"COM") != 0 && CompareNameNoCase(strStem, L"LPT") != 0)
        return false;
    // Superscript one to three count as digits here too.
    const wchar_t ch = strBase[3];
    return (ch >= L'1' && ch <= L'9') || ch == L'\u00B9' || ch == L'\u00B2' || ch == L'\u00B3';
}

} // namespace

ItemNameCheck CheckItemName(std::wstring_view strName)
{
    if (strName.empty())
        return NAME_EMPTY;
    if (strName == L"." || strName == L"..")
        return NAME_DOTS;
    for (wchar_t ch : strName) {
        if (ch < L' ')
            return NAME_CONTROL_CHAR;
        if (std::wstring_view(L"\\/:*?\"<>|").find(ch) != std::wstring_view::npos)
            return NAME_BAD_CHAR;
    }
    if (strName.back() == L'.' || strName.back() == L' ')
        return NAME_TRAILING;
    if (strName.size() > ITEM_NAME_MAX)
        return NAME_TOO_LONG;
    if (IsReservedDeviceName(strName))
        return NAME_RESERVED;
    return NAME_OK;
}

std::wstring ItemNameErrorText(ItemNameCheck nCheck)
{
    switch (nCheck) {
    case NAME_OK: return std::wstring();
    case NAME_EMPTY: return L"名前を入力してください。";
    case NAME_DOTS: return L"\".\" と \"..\" は名前に使えません。";
    case NAME_BAD_CHAR: return L"名前に次の文字は使えません。\n    \\ / : * ? \" < > |";
    case NAME_CONTROL_CHAR: return L"名前に制御文字は使えません。";
    case NAME_TRAILING: return L"名前の末尾にﾋﾟﾘｵﾄﾞや空白は使えません。";
    case NAME_RESERVED: return L"CON, PRN, AUX, NUL, COM1～9, LPT1～9 はﾃﾞﾊﾞｲｽ名の為、\n名前に使えません。";
    case NAME_TOO_LONG: return L"名前は 255 文字以内にしてください。";
    }
    return std::wstring();
}
