#include "tree/ScanFindings.h"

#include <algorithm>

bool IsNotFollowed(DWORD dwAttributes, const CDirIdentity *pIdentity, const std::vector<CDirIdentity> &listAncestors)
{
    if (dwAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return true;
    return pIdentity && std::find(listAncestors.begin(), listAncestors.end(), *pIdentity) != listAncestors.end();
}

namespace {

// A heading with the count, then the first few entries, one a line.
template <class List, class Line>
void AppendSection(std::wstring &strText, const wchar_t *pszHead, const wchar_t *pszTail, const List &list, Line line)
{
    if (list.empty())
        return;
    if (!strText.empty())
        strText += L"\n\n";
    strText += pszHead + std::to_wstring(list.size()) + pszTail;
    const size_t n = std::min(list.size(), kFindingsPathsShown);
    for (size_t i = 0; i < n; ++i)
        strText += L"\n    " + line(list[i]);
    if (list.size() > n)
        strText += L"\n    ...";
}

} // namespace

std::wstring FormatScanFindings(const CScanFindings &f, std::wstring (*pErrorText)(DWORD))
{
    std::wstring strText;
    AppendSection(
        strText, L"読み込めなかった為、ﾌｧｲﾙが複写対象に追加されなかったﾃﾞｨﾚｸﾄﾘが ", L" 件 あります。", f.listUnreadable,
        [&](const CScanFindings::CUnreadable &u) { return u.strPath + L"\n        (" + pErrorText(u.dwError) + L")"; });
    AppendSection(strText, L"ﾘﾝｸ(又は上位と同じﾃﾞｨﾚｸﾄﾘ)の為、中を検索しなかったﾃﾞｨﾚｸﾄﾘが ", L" 件 あります。",
                  f.listNotFollowed, [](const std::wstring &s) { return s; });
    AppendSection(strText, L"複写先では同じ名前になる(大文字/小文字等だけが異なる)ﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙが ",
                  L" 件 あります。\n後のﾌｧｲﾙは複写されません。", f.listNameTwins,
                  [](const std::wstring &s) { return s; });
    return strText;
}
