#include "FileHelpers.h"
#include "TempDir.h"

#include "framework/Handles.h"
#include "support/FileApiPath.h"
#include "tree/ScanRules.h"

#include <algorithm>

std::string FileBytes(const std::wstring &strPath)
{
    std::string str;
    return ReadWholeFile(strPath, str) ? str : std::string("<missing>");
}

bool PathExists(const std::wstring &strPath)
{
    return ::GetFileAttributesW(FileApiPath(strPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<WIN32_FIND_DATAW> ListDir(const std::wstring &strDir)
{
    std::vector<WIN32_FIND_DATAW> list;
    WIN32_FIND_DATAW fd;
    CFindHandle hFind(::FindFirstFileW(FileApiPath(strDir + L"\\*").c_str(), &fd));
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

std::string LinuxPath(const std::wstring &strPath)
{
    using GetUnixName = char *(CDECL *)(const wchar_t *);
    const auto pGet = reinterpret_cast<GetUnixName>(
        reinterpret_cast<void *>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!pGet)
        return std::string();
    char *psz = pGet(strPath.c_str());
    if (!psz)
        return std::string();
    std::string str(psz);
    ::HeapFree(::GetProcessHeap(), 0, psz);
    return str;
}

bool RunLinuxShell(const std::string &strCommand)
{
    // Wine starts a Linux program given by its own path, but gives no handle to wait on: the
    // command touches a marker last, and the marker is waited for.
    static unsigned s_nSerial = 0;
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    const std::wstring strMarker = std::wstring(szTemp) + L"plx-sh-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(++s_nSerial);
    const std::string strMarkerLinux = LinuxPath(strMarker);
    if (strMarkerLinux.empty())
        return false;
    std::wstring strLine = L"/bin/sh -c \"";
    for (char c : "(" + strCommand + "); echo $? > '" + strMarkerLinux + "'")
        strLine += static_cast<wchar_t>(static_cast<unsigned char>(c));
    strLine += L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(nullptr, &strLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pi.hProcess)
        ::CloseHandle(pi.hProcess);
    if (pi.hThread)
        ::CloseHandle(pi.hThread);
    std::string strExit;
    for (const ULONGLONG ullEnd = ::GetTickCount64() + 30000; ::GetTickCount64() < ullEnd; ::Sleep(10)) {
        // The shell writes the code and closes the file; a read between the two may see nothing.
        if (ReadWholeFile(strMarker, strExit) && !strExit.empty() && strExit.back() == '\n')
            break;
    }
    ::DeleteFileW(strMarker.c_str());
    return strExit == "0\n";
}
