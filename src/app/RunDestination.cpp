#include "app/RunDestination.h"

#include "support/DestPath.h"
#include "support/ItemName.h"

#include <algorithm>

CRunDestination CheckRunDestination(const std::wstring &strInput, const std::vector<std::wstring> &listSources)
{
    CRunDestination dest;
    const CDestPath path = NormaliseDestination(strInput);
    switch (path.nCheck) {
    case DEST_EMPTY: dest.bEmpty = true; return dest;
    case DEST_NOT_ABSOLUTE:
        // Anything else would land below whatever the current directory happens to be.
        dest.strError = L"複写先はﾄﾞﾗｲﾌﾞ名から始まるﾊﾟｽ(例 D:\\Backup)か\n"
                        L"ﾈｯﾄﾜｰｸのﾊﾟｽ(例 \\\\server\\share\\Backup)で指定してください。\n\n    \"" +
                        strInput + L"\"";
        return dest;
    case DEST_BAD_NAME:
        dest.strError =
            L"複写先の \"" + path.strLevel + L"\" は使えません。\n" + ItemNameErrorText(CheckItemName(path.strLevel));
        return dest;
    case DEST_OK: break;
    }
    for (const std::wstring &strSource : listSources) {
        if (IsSameOrInsideDirectory(strSource, path.strPath)) {
            dest.strError = L"複写先が複写元ﾃﾞｨﾚｸﾄﾘと同じか、その中にあります。\n\n    複写先 : " + path.strPath +
                            L"\n    複写元 : " + strSource + L"\n\n複写元の外のﾃﾞｨﾚｸﾄﾘを指定してください。";
            return dest;
        }
    }
    dest.strPath = path.strPath;
    return dest;
}

std::vector<std::wstring> TreeSourceDirectories(const CDirTreeCtrl &tree)
{
    std::vector<std::wstring> listAll;
    for (const auto &pRecord : tree.GetItemDataList()) {
        if (pRecord && !pRecord->m_strName.empty() && !pRecord->m_strSourcePath.empty())
            listAll.push_back(GetFullPath(pRecord->m_strSourcePath));
    }
    std::sort(listAll.begin(), listAll.end());
    // Sorted, a directory comes right before the ones inside it.
    std::vector<std::wstring> listTop;
    for (const std::wstring &strPath : listAll) {
        if (strPath.empty() || (!listTop.empty() && IsPathWithin(listTop.back(), strPath)))
            continue;
        listTop.push_back(strPath);
    }
    return listTop;
}
