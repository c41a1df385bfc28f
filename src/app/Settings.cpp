#include "app/Settings.h"

#include "app/SettingsEncoding.h"
#include "app/SettingsFileUpdate.h"
#include "app/SettingsProfile.h"
#include "framework/Handles.h"
#include "support/CommandLineArgs.h"
#include "support/FileSystem.h"
#include "support/Path.h"
#include "support/SystemError.h"
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

// What the profile functions read the settings from: the file itself, or a copy in the temporary
// directory of what it holds in a form they take (and an empty one for a file not to be read).
class CSettingsSource {
public:
    CSettingsSource(const std::wstring &strIniPath, CSettingsFileStatus &status) : m_strPath(strIniPath)
    {
        std::string strBytes;
        DWORD dwError = 0;
        if (!ReadSettingsBytes(strIniPath, strBytes, dwError)) {
            if (IsMissingFileError(dwError))
                return;
            status = {false, dwError, false};
            strBytes.clear();
        } else {
            const SETTINGS_TEXT text = ClassifySettingsBytes(strBytes);
            if (text == ST_ANSI || text == ST_UTF16LE)
                return;
            if (!NormaliseSettingsBytes(strBytes)) {
                status = {false, ERROR_INVALID_DATA, false};
                strBytes.clear();
            }
        }
        // Read from a copy: the profile functions would take the file for code-page text, or it
        // is not to be read at all. Without a copy, a path below the file, which cannot exist.
        if (!MakeCopy(strBytes)) {
            if (status.bOk)
                status = {false, ::GetLastError(), false};
            m_strPath = strIniPath + L"\\<none>";
        }
    }
    ~CSettingsSource()
    {
        if (m_strCopy.empty())
            return;
        // A later copy may get this name again: nothing of this one may be remembered then.
        FlushIniCache(m_strCopy);
        ::DeleteFileW(m_strCopy.c_str());
    }
    CSettingsSource(const CSettingsSource &) = delete;
    CSettingsSource &operator=(const CSettingsSource &) = delete;

    const std::wstring &GetPath() const { return m_strPath; }

private:
    bool MakeCopy(const std::string &strBytes)
    {
        wchar_t szDir[MAX_PATH + 1], szFile[MAX_PATH + 1];
        DWORD n = ::GetTempPathW(MAX_PATH + 1, szDir);
        if (n == 0 || n > MAX_PATH || !::GetTempFileNameW(szDir, L"PLX", 0, szFile))
            return false;
        m_strCopy = szFile;
        CFileHandle file(::CreateFileW(szFile, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr));
        DWORD nWritten = 0;
        if (!file || (!strBytes.empty() &&
                      !(::WriteFile(file, strBytes.data(), static_cast<DWORD>(strBytes.size()), &nWritten, nullptr) &&
                        nWritten == strBytes.size())))
            return false;
        m_strPath = m_strCopy;
        return true;
    }

    std::wstring m_strPath;
    std::wstring m_strCopy;
};

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

namespace {

void LoadSettingsFrom(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main)
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

} // namespace

CSettingsFileStatus LoadSettings(const std::wstring &strIniPath, OptionSet &options, CMainWindowSettings &main)
{
    CSettingsFileStatus status;
    const CSettingsSource source(strIniPath, status);
    LoadSettingsFrom(source.GetPath(), options, main);
    return status;
}

std::wstring SettingsFailureReason(const CSettingsFileStatus &status)
{
    if (status.bReadOnly)
        return L"読み取り専用ﾌｧｲﾙです。";
    return GetSystemErrorText(status.dwError, true);
}

CSettingsFileStatus SaveSettings(const std::wstring &strIniPath, HWND hWnd, OptionSet &options,
                                 CMainWindowSettings &main)
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
    // The first failure ends the writes, and a failed update commits nothing.
    CSettingsFileStatus status;
    status.bOk = update.WriteString(SEC_INSTALL, L"Path", main.m_strInstallPath) &&
                 update.WriteString(SEC_INSTALL, L"Version", main.m_strInstallVersion) &&
                 update.WriteString(SEC_COMMON, L"WindowPos", FormatWindowPos(main.m_rcWindow)) &&
                 update.WriteInt(SEC_COMMON, L"NoExpandOnSearch", options.NoExpandOnSearch) &&
                 update.WriteInt(SEC_COMMON, L"SkipSystemDir", options.SkipSystemDir) &&
                 update.WriteInt(SEC_COMMON, L"SkipHiddenDir", options.SkipHiddenDir) &&
                 update.WriteInt(SEC_COMMON, L"ProtectAttrOfExist", options.ProtectAttrOfExist) &&
                 update.WriteInt(SEC_COPYFILE, L"NoExpandOnCopy", options.NoExpandOnCopy) &&
                 update.WriteInt(SEC_COPYFILE, L"NotCopyFile", options.NotCopyFile) &&
                 update.WriteInt(SEC_COPYFILE, L"FileSortOrder", options.FileSortOrder) &&
                 update.WriteInt(SEC_COPYFILE, L"FileOverWriteMode", options.FileOverWriteMode) &&
                 update.WriteInt(SEC_COPYFILE, L"BreakOnDiskFull", options.BreakOnDiskFull) &&
                 update.WriteInt(SEC_ERRORLOG, L"UseErrorLog", options.UseErrorLog) &&
                 update.WriteString(SEC_ERRORLOG, L"ErrorLogFilePath",
                                    ErrorLogPathToStore(options.ErrorLogFilePath, DefaultErrorLogDirectory())) &&
                 update.Commit();
    status.dwError = update.GetError();
    status.bReadOnly = update.IsReadOnly();
    return status;
}
