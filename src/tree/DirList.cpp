#include "tree/DirList.h"

#include "support/Path.h"
#include "support/TextCodec.h"
#include "tree/DirTreeCtrl.h"
#include "tree/JobTree.h"

namespace {

std::wstring_view Trim(std::wstring_view str)
{
    const auto bBlank = [](wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == L'\u3000'; };
    while (!str.empty() && bBlank(str.front()))
        str.remove_prefix(1);
    while (!str.empty() && bBlank(str.back()))
        str.remove_suffix(1);
    // A spreadsheet quotes a cell it thinks needs it.
    if (str.size() >= 2 && str.front() == L'"' && str.back() == L'"')
        str = str.substr(1, str.size() - 2);
    return str;
}

// The levels of one line, or the reason it is refused.
std::wstring SplitLine(std::wstring_view strLine, std::vector<std::wstring> &listNames)
{
    if (strLine.front() == L'\\' || strLine.front() == L'/')
        return L"相対ﾊﾟｽではありません。";
    if (strLine.back() == L'\\' || strLine.back() == L'/')
        strLine.remove_suffix(1);
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strLine.find_first_of(L"\\/", nStart);
        const std::wstring_view strName =
            strLine.substr(nStart, nEnd == std::wstring_view::npos ? nEnd : nEnd - nStart);
        if (const ItemNameCheck nCheck = CheckItemName(strName); nCheck != NAME_OK)
            return L"\"" + std::wstring(strName) + L"\" : " + ItemNameErrorText(nCheck);
        listNames.emplace_back(strName);
        if (nEnd == std::wstring_view::npos)
            return std::wstring();
        nStart = nEnd + 1;
    }
}

HTREEITEM FindChild(const CDirTreeCtrl &tree, HTREEITEM hParent, const std::wstring &strName)
{
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h)) {
        const CItemInfo *pRecord = tree.GetItemRecord(h);
        if (pRecord && CompareNameNoCase(pRecord->m_strName, strName) == 0)
            return h;
    }
    return nullptr;
}

} // namespace

bool ParseDirList(std::string_view bytes, std::vector<std::vector<std::wstring>> &listPaths,
                  std::vector<CDirListRefusal> &listRefused)
{
    listPaths.clear();
    listRefused.clear();
    std::wstring strText;
    if (!DecodeTextFile(bytes, strText))
        return false;
    size_t nLine = 0, nStart = 0;
    while (nStart <= strText.size()) {
        size_t nEnd = strText.find_first_of(L"\r\n", nStart);
        if (nEnd == std::wstring::npos)
            nEnd = strText.size();
        ++nLine;
        const std::wstring_view strRaw = std::wstring_view(strText).substr(nStart, nEnd - nStart);
        if (const std::wstring_view strLine = Trim(strRaw); !strLine.empty()) {
            std::vector<std::wstring> listNames;
            std::wstring strReason = SplitLine(strLine, listNames);
            if (strReason.empty())
                listPaths.push_back(std::move(listNames));
            else
                listRefused.push_back({nLine, std::wstring(strRaw), std::move(strReason)});
        }
        // CR LF is one line end.
        nStart = nEnd + (nEnd + 1 < strText.size() && strText[nEnd] == L'\r' && strText[nEnd + 1] == L'\n' ? 2 : 1);
    }
    if (!listRefused.empty())
        listPaths.clear();
    return listRefused.empty();
}

size_t AddDirList(CDirTreeCtrl &tree, HTREEITEM hParent, const std::vector<std::vector<std::wstring>> &listPaths)
{
    size_t nMade = 0;
    CQuietInsert quiet(tree);
    for (const auto &listNames : listPaths) {
        HTREEITEM hLevel = hParent;
        for (const std::wstring &strName : listNames) {
            HTREEITEM hChild = FindChild(tree, hLevel, strName);
            if (!hChild) {
                auto pRecord = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
                pRecord->m_strName = strName;
                hChild = tree.InsertItemData(hLevel, std::move(pRecord), TVI_SORT);
                if (!hChild)
                    break;
                ++nMade;
            }
            hLevel = hChild;
        }
    }
    return nMade;
}
