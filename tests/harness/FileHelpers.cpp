#include "FileHelpers.h"
#include "TempDir.h"

#include "framework/Handles.h"
#include "tree/ScanRules.h"

#include <algorithm>

std::string FileBytes(const std::wstring &strPath)
{
    std::string str;
    return ReadWholeFile(strPath, str) ? str : std::string("<missing>");
}

bool PathExists(const std::wstring &strPath)
{
    return ::GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<WIN32_FIND_DATAW> ListDir(const std::wstring &strDir)
{
    std::vector<WIN32_FIND_DATAW> list;
    WIN32_FIND_DATAW fd;
    CFindHandle hFind(::FindFirstFileW((strDir + L"\\*").c_str(), &fd));
    if (!hFind)
        return list;
    do {
        if (std::wstring(fd.cFileName) != L"." && std::wstring(fd.cFileName) != L"..")
            list.push_back(fd);
    } while (::FindNextFileW(hFind, &fd));
    std::sort(list.begin(), list.end(), [](const WIN32_FIND_DATAW &a, const WIN32_FIND_DATAW &b) {
        return std::wstring(a.cFileName) < std::wstring(b.cFileName);
    });
    return list;
}

void AddFileEntries(CItemInfo &dir, const std::wstring &strDir)
{
    dir.m_strSourcePath = strDir;
    for (const auto &fd : ListDir(strDir))
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            dir.AppendFile(MakeScanRecord(fd, strDir));
}
