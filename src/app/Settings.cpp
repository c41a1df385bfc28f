#include "app/Settings.h"

#include "app/SettingsFileUpdate.h"
#include "app/SettingsProfile.h"
#include "support/CommandLineArgs.h"
#include "support/FileSystem.h"
#include "support/Path.h"
#include "support/TokenList.h"
#include "support/VerInfo.h"

#include <cstdio>

namespace {

const wchar_t SEC_INSTALL[] = L"Install";
const wchar_t SEC_COMMON[] = L"Common";
const wchar_t SEC_COPYFILE[] = L"CopyFile";
const wchar_t SEC_ERRORLOG[] = L"ErrorLog";

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
    return JoinPath(CommandLineArgs().GetProgramDirectory(), L"Pelnix.ini");
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
    const std::wstring strPath = ErrorLogDirectorySetting(strStored);
    if (strPath.empty())
        return DefaultErrorLogDirectory();
    // A directory that cannot be made now (a removable or network drive away) stays the setting:
    // only a log written while it is missing goes to the temporary directory.
    CreateDirectoryPath(strPath, true);
    return RemoveTrailingBackslash(strPath);
}

void LoadSettings(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main)
{
    main.m_strInstallPath = ReadIniString(SEC_INSTALL, L"Path", L"", strIniPath);
    main.m_strInstallVersion = ReadIniString(SEC_INSTALL, L"Version", L"", strIniPath);
    main.m_rcWindow = ParseWindowPos(ReadIniString(SEC_COMMON, L"WindowPos", L"0,0,0,0", strIniPath));

    // The defaults of a new option set, but for SkipSystemDir: a first start (no settings file)
    // skips system directories, a freshly made option set does not.
    const OptionSet defaults;
    auto readFlag = [&](const wchar_t *pszSection, const wchar_t *pszKey, int nDefault) {
        return NormaliseFlag(ReadIniInt(pszSection, pszKey, nDefault, strIniPath));
    };
    options.NoExpandOnSearch = readFlag(SEC_COMMON, L"NoExpandOnSearch", defaults.NoExpandOnSearch);
    options.SkipSystemDir = readFlag(SEC_COMMON, L"SkipSystemDir", 1);
    options.SkipHiddenDir = readFlag(SEC_COMMON, L"SkipHiddenDir", defaults.SkipHiddenDir);
    options.ProtectAttrOfExist = readFlag(SEC_COMMON, L"ProtectAttrOfExist", defaults.ProtectAttrOfExist);
    options.NoExpandOnCopy = readFlag(SEC_COPYFILE, L"NoExpandOnCopy", defaults.NoExpandOnCopy);
    options.NotCopyFile = readFlag(SEC_COPYFILE, L"NotCopyFile", defaults.NotCopyFile);
    options.FileSortOrder =
        NormaliseFileSortOrder(ReadIniInt(SEC_COPYFILE, L"FileSortOrder", defaults.FileSortOrder, strIniPath));
    options.FileOverWriteMode = NormaliseFileOverWriteMode(
        ReadIniInt(SEC_COPYFILE, L"FileOverWriteMode", defaults.FileOverWriteMode, strIniPath));
    options.BreakOnDiskFull = readFlag(SEC_COPYFILE, L"BreakOnDiskFull", defaults.BreakOnDiskFull);
    options.UseErrorLog = readFlag(SEC_ERRORLOG, L"UseErrorLog", defaults.UseErrorLog);
    options.ErrorLogFilePath =
        ResolveErrorLogDirectory(ReadIniString(SEC_ERRORLOG, L"ErrorLogFilePath", L"", strIniPath));
}

void SaveSettings(const std::wstring &strIniPath, HWND hWnd, OptionSet &options, CMainWindowSettings &main)
{
    main.m_strInstallPath = CommandLineArgs().GetProgramDirectory();
    main.m_strInstallVersion = CVerInfo().ProductVersion();
    RECT rc;
    if (hWnd && GetRestoredRect(hWnd, rc))
        main.m_rcWindow = rc;
    options.ErrorLogFilePath = RemoveTrailingBackslash(options.ErrorLogFilePath);

    // Every key is written over a copy of the file, which then replaces it: sections and keys of
    // others stay, and another instance saving at the same time waits its turn.
    CSettingsFileUpdate update(strIniPath);
    if (!update.IsReady())
        return;
    const std::wstring &strWork = update.GetWorkPath();
    WriteIniString(SEC_INSTALL, L"Path", main.m_strInstallPath, strWork);
    WriteIniString(SEC_INSTALL, L"Version", main.m_strInstallVersion, strWork);
    WriteIniString(SEC_COMMON, L"WindowPos", FormatWindowPos(main.m_rcWindow), strWork);
    WriteIniInt(SEC_COMMON, L"NoExpandOnSearch", options.NoExpandOnSearch, strWork);
    WriteIniInt(SEC_COMMON, L"SkipSystemDir", options.SkipSystemDir, strWork);
    WriteIniInt(SEC_COMMON, L"SkipHiddenDir", options.SkipHiddenDir, strWork);
    WriteIniInt(SEC_COMMON, L"ProtectAttrOfExist", options.ProtectAttrOfExist, strWork);
    WriteIniInt(SEC_COPYFILE, L"NoExpandOnCopy", options.NoExpandOnCopy, strWork);
    WriteIniInt(SEC_COPYFILE, L"NotCopyFile", options.NotCopyFile, strWork);
    WriteIniInt(SEC_COPYFILE, L"FileSortOrder", options.FileSortOrder, strWork);
    WriteIniInt(SEC_COPYFILE, L"FileOverWriteMode", options.FileOverWriteMode, strWork);
    WriteIniInt(SEC_COPYFILE, L"BreakOnDiskFull", options.BreakOnDiskFull, strWork);
    WriteIniInt(SEC_ERRORLOG, L"UseErrorLog", options.UseErrorLog, strWork);
    WriteIniString(SEC_ERRORLOG, L"ErrorLogFilePath",
                   ErrorLogPathToStore(options.ErrorLogFilePath, DefaultErrorLogDirectory()), strWork);
    update.Commit();
}
