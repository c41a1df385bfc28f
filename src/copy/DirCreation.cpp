#include "copy/DirCreation.h"
#include "support/FileApiPath.h"
#include "support/FileSystem.h"

#include <vector>

int CreateRunDirectory(const std::wstring &strPath, std::unordered_set<std::wstring> &setMade,
                       std::wstring *pstrFailedLevel)
{
    // Most leaves have their parent already, from the leaf before: one call makes them.
    if (::CreateDirectoryW(FileApiPath(strPath).c_str(), nullptr)) {
        setMade.insert(strPath);
        return CDP_CREATED;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return CreateDirectoryPath(strPath, true, pstrFailedLevel);

    // The levels missing now, from the leaf up; every one of them is made below or the whole fails.
    std::vector<std::wstring> listMissing;
    for (std::wstring strLevel = strPath;
         ::GetFileAttributesW(FileApiPath(strLevel).c_str()) == INVALID_FILE_ATTRIBUTES;) {
        listMissing.push_back(strLevel);
        const size_t nCut = strLevel.find_last_of(L'\\');
        if (nCut == std::wstring::npos || nCut == 0 || strLevel[nCut - 1] == L':' || strLevel[nCut - 1] == L'\\')
            break; // a root is never made
        strLevel.resize(nCut);
    }
    const int nResult = CreateDirectoryPath(strPath, true, pstrFailedLevel);
    if (nResult == CDP_CREATED)
        setMade.insert(listMissing.begin(), listMissing.end());
    return nResult;
}
