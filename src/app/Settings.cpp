#include "app/Settings.h"

#include "app/SettingsProfile.h"
#include "support/CommandLineArgs.h"
#include "support/TokenList.h"
#include "support/VerInfo.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>

namespace {

const wchar_t SEC_INSTALL[] = L"Install";
const wchar_t SEC_COMMON[] = L"Common";
const wchar_t SEC_COPYFILE[] = L"CopyFile";
const wchar_t SEC_ERRORLOG[] = L"ErrorLog";

// One backslash between two non-empty parts.
std::wstring JoinPathParts(const std::wstring &strFirst, const std::wstring &strSecond)
{
    if (strFirst.empty())
        return strSecond;
    if (strSecond.empty() || strFirst.back() == L'\\')
        return strFirst + strSecond;
    return strFirst + L"\\" + strSecond;
}

// An existing directory, or one made with every missing level; false for a file in the way, a
// level that cannot be created, or a relative path (it would depend on the current directory).
bool MakeDirectoryExist(const std::wstring &strPath)
{
    if (::PathIsRelativeW(strPath.c_str()))
        return false;
    DWORD dwAttr = ::GetFileAttributesW(strPath.c_str());
    if (dwAttr != INVALID_FILE_ATTRIBUTES)
        return (dwAttr & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (::SHCreateDirectoryExW(nullptr, strPath.c_str(), nullptr) != ERROR_SUCCESS)
        return false;
    dwAttr = ::GetFileAttributesW(strPath.c_str());
    return dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A new settings file is started as UTF-16 with its byte-order mark, so that the profile
// functions keep directory names the system code page cannot spell.
void StartUnicodeFile(const std::wstring &strIniPath)
{
    HANDLE hFile =
        ::CreateFileW(strIniPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return; // exists already, or cannot be written: the profile functions decide
    static const unsigned char bom[] = {0xFF, 0xFE};
    DWORD dwWritten = 0;
    ::WriteFile(hFile, bom, sizeof(bom), &dwWritten, nullptr);
    ::CloseHandle(hFile);
}

// The restored rectangle in screen coordinates: the placement reports it in work-area coordinates.
bool GetRestoredRect(HWND hWnd, RECT &rc)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(hWnd, &wp))
        return false;
    rc = wp.rcNormalPosition;
    if (!(::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO mi = {};
        mi.cbSize = sizeof(mi);
        if (::GetMonitorInfoW(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
            ::OffsetRect(&rc, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    }
    return true;
}

} // namespace

std::wstring GetSettingsFilePath()
{
    return JoinPathParts(CommandLineArgs().GetProgramDirectory(), L"Pelnix.ini");
}

int NormaliseFileSortOrder(int nOrder)
{
    if ((nOrder & FSO_ASCENDING) && (nOrder & FSO_DESCENDING))
        nOrder &= ~FSO_DESCENDING;
    if ((nOrder & FSO_BY_NAME) && (nOrder & FSO_BY_EXT))
        nOrder &= ~FSO_BY_EXT;
    return nOrder;
}

int NormaliseFileOverWriteMode(int nMode)
{
    return (nMode < FOW_ALWAYS || nMode > FOW_NEVER) ? FOW_IF_NEWER : nMode;
}

std::wstring RemoveTrailingBackslash(const std::wstring &strPath)
{
    if (strPath.size() > 3 && strPath.back() == L'\\')
        return strPath.substr(0, strPath.size() - 1);
    return strPath;
}

RECT ParseWindowPos(const std::wstring &strText)
{
    TokenList list;
    list.Split(strText, L',', true);
    RECT rc;
    rc.bottom = list.GetInt(3);
    rc.right = list.GetInt(2);
    rc.top = list.GetInt(1);
    rc.left = list.GetInt(0);
    return rc;
}

std::wstring FormatWindowPos(const RECT &rc)
{
    wchar_t sz[64];
    std::swprintf(sz, std::size(sz), L"%d,%d,%d,%d", static_cast<int>(rc.left), static_cast<int>(rc.top),
                  static_cast<int>(rc.right), static_cast<int>(rc.bottom));
    return sz;
}

std::wstring ErrorLogPathToStore(const std::wstring &strPath, const std::wstring &strTempDir)
{
    std::wstring strA = RemoveTrailingBackslash(strPath);
    std::wstring strB = RemoveTrailingBackslash(strTempDir);
    bool bTemp = ::CompareStringOrdinal(strA.c_str(), static_cast<int>(strA.size()), strB.c_str(),
                                        static_cast<int>(strB.size()), TRUE) == CSTR_EQUAL;
    return bTemp ? std::wstring() : strA;
}

std::wstring ResolveErrorLogDirectory(const std::wstring &strStored)
{
    std::wstring strPath = strStored;
    if (strPath.empty() || !MakeDirectoryExist(strPath))
        strPath = DefaultErrorLogDirectory();
    return RemoveTrailingBackslash(strPath);
}

void LoadSettings(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main)
{
    main.m_strInstallPath = ReadIniString(SEC_INSTALL, L"Path", L"", strIniPath);
    main.m_strInstallVersion = ReadIniString(SEC_INSTALL, L"Version", L"", strIniPath);
    main.m_rcWindow = ParseWindowPos(ReadIniString(SEC_COMMON, L"WindowPos", L"0,0,0,0", strIniPath));

    options.NoExpandOnSearch = ReadIniInt(SEC_COMMON, L"NoExpandOnSearch", 0, strIniPath);
    options.SkipSystemDir = ReadIniInt(SEC_COMMON, L"SkipSystemDir", 1, strIniPath);
    options.SkipHiddenDir = ReadIniInt(SEC_COMMON, L"SkipHiddenDir", 0, strIniPath);
    options.ProtectAttrOfExist = ReadIniInt(SEC_COMMON, L"ProtectAttrOfExist", 1, strIniPath);
    options.NoExpandOnCopy = ReadIniInt(SEC_COPYFILE, L"NoExpandOnCopy", 0, strIniPath);
    options.NotCopyFile = ReadIniInt(SEC_COPYFILE, L"NotCopyFile", 1, strIniPath);
    options.FileSortOrder = NormaliseFileSortOrder(ReadIniInt(SEC_COPYFILE, L"FileSortOrder", FSO_BY_EXT, strIniPath));
    options.FileOverWriteMode =
        NormaliseFileOverWriteMode(ReadIniInt(SEC_COPYFILE, L"FileOverWriteMode", FOW_IF_NEWER, strIniPath));
    options.BreakOnDiskFull = ReadIniInt(SEC_COPYFILE, L"BreakOnDiskFull", 0, strIniPath);
    options.UseErrorLog = ReadIniInt(SEC_ERRORLOG, L"UseErrorLog", 0, strIniPath);
    options.ErrorLogFilePath =
        ResolveErrorLogDirectory(ReadIniString(SEC_ERRORLOG, L"ErrorLogFilePath", L"", strIniPath));
}

void SaveSettings(const std::wstring &strIniPath, HWND hWnd, OptionSet &options, CMainWindowSettings &main)
{
    StartUnicodeFile(strIniPath);
    for (const wchar_t *pszSection : {SEC_INSTALL, SEC_COMMON, SEC_COPYFILE, SEC_ERRORLOG})
        DeleteIniSection(pszSection, strIniPath);

    main.m_strInstallPath = CommandLineArgs().GetProgramDirectory();
    main.m_strInstallVersion = CVerInfo().ProductVersion();
    WriteIniString(SEC_INSTALL, L"Path", main.m_strInstallPath, strIniPath);
    WriteIniString(SEC_INSTALL, L"Version", main.m_strInstallVersion, strIniPath);

    RECT rc;
    if (hWnd && GetRestoredRect(hWnd, rc))
        main.m_rcWindow = rc;
    WriteIniString(SEC_COMMON, L"WindowPos", FormatWindowPos(main.m_rcWindow), strIniPath);

    WriteIniInt(SEC_COMMON, L"NoExpandOnSearch", options.NoExpandOnSearch, strIniPath);
    WriteIniInt(SEC_COMMON, L"SkipSystemDir", options.SkipSystemDir, strIniPath);
    WriteIniInt(SEC_COMMON, L"SkipHiddenDir", options.SkipHiddenDir, strIniPath);
    WriteIniInt(SEC_COMMON, L"ProtectAttrOfExist", options.ProtectAttrOfExist, strIniPath);
    WriteIniInt(SEC_COPYFILE, L"NoExpandOnCopy", options.NoExpandOnCopy, strIniPath);
    WriteIniInt(SEC_COPYFILE, L"NotCopyFile", options.NotCopyFile, strIniPath);
    WriteIniInt(SEC_COPYFILE, L"FileSortOrder", options.FileSortOrder, strIniPath);
    WriteIniInt(SEC_COPYFILE, L"FileOverWriteMode", options.FileOverWriteMode, strIniPath);
    WriteIniInt(SEC_COPYFILE, L"BreakOnDiskFull", options.BreakOnDiskFull, strIniPath);
    WriteIniInt(SEC_ERRORLOG, L"UseErrorLog", options.UseErrorLog, strIniPath);

    options.ErrorLogFilePath = RemoveTrailingBackslash(options.ErrorLogFilePath);
    WriteIniString(SEC_ERRORLOG, L"ErrorLogFilePath",
                   ErrorLogPathToStore(options.ErrorLogFilePath, DefaultErrorLogDirectory()), strIniPath);
}
