#include "app/Settings.h"

#include "app/SettingsProfile.h"
#include "support/CommandLineArgs.h"

#include "ChildProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

bool SameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsDirectory(const std::wstring &strPath)
{
    DWORD a = ::GetFileAttributesW(strPath.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The settings file as text, whichever encoding it was started with.
std::wstring FileText(const std::wstring &strPath)
{
    std::string bytes;
    if (!ReadWholeFile(strPath, bytes))
        return L"<missing>";
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return std::wstring(reinterpret_cast<const wchar_t *>(bytes.data() + 2), (bytes.size() - 2) / 2);
    int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

TEST(Settings, Rules)
{
    struct {
        const wchar_t *pszIn;
        RECT rc;
    } posCases[] = {
        {L"10,20,630,470", {10, 20, 630, 470}},
        {L"-5, 7 ,100,200", {-5, 7, 100, 200}},
        {L"10,20", {10, 20, 0, 0}},
        {L"a,20,b,40", {0, 20, 0, 40}},
        {L"", {0, 0, 0, 0}},
        {L"1,2,3,4,5", {1, 2, 3, 4}},
    };
    for (const auto &c : posCases)
        EXPECT_EQ(FormatWindowPos(ParseWindowPos(c.pszIn)), FormatWindowPos(c.rc));
    EXPECT_EQ(FormatWindowPos({-8, 0, 1928, 1048}), L"-8,0,1928,1048");

    struct {
        const wchar_t *pszPath, *pszTemp, *pszStored;
    } logCases[] = {
        {L"C:\\Temp", L"C:\\Temp\\", L""},
        {L"c:\\TEMP\\", L"C:\\Temp\\", L""},
        {L"C:\\Temp\\x", L"C:\\Temp\\", L"C:\\Temp\\x"},
        {L"D:\\logs\\", L"C:\\Temp\\", L"D:\\logs"},
        {L"D:\\", L"C:\\Temp\\", L"D:\\"},
        {L"C:\\", L"C:\\", L""},
    };
    for (const auto &c : logCases)
        EXPECT_EQ(ErrorLogPathToStore(c.pszPath, c.pszTemp), c.pszStored) << c.pszPath;
}

TEST(Settings, TheFileLivesBesideTheProgram)
{
    std::wstring strDir = CommandLineArgs().GetProgramDirectory();
    ASSERT_FALSE(strDir.empty());
    std::wstring strExpected = strDir.back() == L'\\' ? strDir + L"Pelnix.ini" : strDir + L"\\Pelnix.ini";
    EXPECT_EQ(GetSettingsFilePath(), strExpected);
}

class SettingsFile : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::wstring m_strIni = m_dir / L"Pelnix.ini";
    std::wstring m_strTemp = DefaultErrorLogDirectory();

    // Options and window settings with values that differ from every default.
    static void Fill(OptionSet &o, CMainWindowSettings &m, const std::wstring &strLogDir)
    {
        o.NoExpandOnSearch = 1;
        o.SkipSystemDir = 0;
        o.SkipHiddenDir = 1;
        o.NotCopyFile = 0;
        o.UseErrorLog = 1;
        o.ProtectAttrOfExist = 0;
        o.BreakOnDiskFull = 1;
        o.NoExpandOnCopy = 1;
        o.FileSortOrder = FSO_DESCENDING | FSO_BY_NAME;
        o.FileOverWriteMode = FOW_NEVER;
        o.ErrorLogFilePath = strLogDir;
        m.m_rcWindow = {12, 34, 567, 489};
    }
};

TEST_F(SettingsFile, AMissingFileGivesTheDefaults)
{
    OptionSet o;
    CMainWindowSettings m;
    Fill(o, m, L"C:\\elsewhere");
    m.m_strInstallPath = L"x";
    LoadSettings(m_strIni, o, m);
    EXPECT_EQ(o.NoExpandOnSearch, 0);
    EXPECT_EQ(o.SkipSystemDir, 1);
    EXPECT_EQ(o.SkipHiddenDir, 0);
    EXPECT_EQ(o.ProtectAttrOfExist, 1);
    EXPECT_EQ(o.NoExpandOnCopy, 0);
    EXPECT_EQ(o.NotCopyFile, 1);
    EXPECT_EQ(o.FileSortOrder, 2);
    EXPECT_EQ(o.FileOverWriteMode, 1);
    EXPECT_EQ(o.BreakOnDiskFull, 0);
    EXPECT_EQ(o.UseErrorLog, 0);
    EXPECT_EQ(o.ErrorLogFilePath, m_strTemp);
    EXPECT_EQ(m.m_strInstallPath, L"");
    EXPECT_EQ(m.m_strInstallVersion, L"");
    EXPECT_TRUE(::IsRectEmpty(&m.m_rcWindow));
    EXPECT_EQ(::GetFileAttributesW(m_strIni.c_str()), INVALID_FILE_ATTRIBUTES); // loading writes nothing
}

TEST_F(SettingsFile, EveryValueSurvivesASaveAndALoad)
{
    std::wstring strLog = m_dir / L"ログ";
    ASSERT_TRUE(m_dir.MakeDir(L"ログ"));
    OptionSet saved;
    CMainWindowSettings mainSaved;
    Fill(saved, mainSaved, strLog + L"\\");
    SaveSettings(m_strIni, nullptr, saved, mainSaved);
    EXPECT_EQ(saved.ErrorLogFilePath, strLog); // the option loses its trailing backslash too
    EXPECT_EQ(mainSaved.m_strInstallPath, CommandLineArgs().GetProgramDirectory());
    EXPECT_EQ(mainSaved.m_strInstallVersion, L"1, 0, 0, 1");

    OptionSet o;
    CMainWindowSettings m;
    LoadSettings(m_strIni, o, m);
    EXPECT_EQ(o.NoExpandOnSearch, 1);
    EXPECT_EQ(o.SkipSystemDir, 0);
    EXPECT_EQ(o.SkipHiddenDir, 1);
    EXPECT_EQ(o.NotCopyFile, 0);
    EXPECT_EQ(o.UseErrorLog, 1);
    EXPECT_EQ(o.ProtectAttrOfExist, 0);
    EXPECT_EQ(o.BreakOnDiskFull, 1);
    EXPECT_EQ(o.NoExpandOnCopy, 1);
    EXPECT_EQ(o.FileSortOrder, FSO_DESCENDING | FSO_BY_NAME);
    EXPECT_EQ(o.FileOverWriteMode, FOW_NEVER);
    EXPECT_EQ(o.ErrorLogFilePath, strLog);
    EXPECT_TRUE(SameRect(m.m_rcWindow, {12, 34, 567, 489}));
    EXPECT_EQ(m.m_strInstallPath, CommandLineArgs().GetProgramDirectory());
    EXPECT_EQ(m.m_strInstallVersion, L"1, 0, 0, 1");

    std::wstring strText = FileText(m_strIni);
    for (const wchar_t *pszLine :
         {L"[Install]\r\n", L"Version=1, 0, 0, 1\r\n", L"[Common]\r\n", L"WindowPos=12,34,567,489\r\n",
          L"NoExpandOnSearch=1\r\n", L"SkipSystemDir=0\r\n", L"SkipHiddenDir=1\r\n", L"ProtectAttrOfExist=0\r\n",
          L"[CopyFile]\r\n", L"NoExpandOnCopy=1\r\n", L"NotCopyFile=0\r\n", L"FileSortOrder=131073\r\n",
          L"FileOverWriteMode=3\r\n", L"BreakOnDiskFull=1\r\n", L"[ErrorLog]\r\n", L"UseErrorLog=1\r\n"})
        EXPECT_NE(strText.find(pszLine), std::wstring::npos);
    EXPECT_NE(strText.find(L"ErrorLogFilePath=" + strLog + L"\r\n"), std::wstring::npos);
}

TEST_F(SettingsFile, TheTemporaryDirectoryIsSavedAsEmpty)
{
    for (std::wstring strTempForm : {m_strTemp, m_strTemp + L"\\", std::wstring()}) {
        ::CharUpperBuffW(strTempForm.data(), static_cast<DWORD>(strTempForm.size()));
        OptionSet o;
        CMainWindowSettings m;
        Fill(o, m, strTempForm.empty() ? m_strTemp : strTempForm);
        SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_NE(FileText(m_strIni).find(L"ErrorLogFilePath=\r\n"), std::wstring::npos);
        LoadSettings(m_strIni, o, m);
        EXPECT_EQ(o.ErrorLogFilePath, m_strTemp);
    }
}

TEST_F(SettingsFile, HandWrittenValuesAreNormalisedAndNothingElseIsLost)
{
    std::wstring strNew = m_dir / L"new\\deeper";
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", "[Other]\r\nkeep=me\r\n"
                                               "[Common]\r\nWindowPos=10,20\r\nSkipSystemDir=text\r\n"
                                               "[CopyFile]\r\nFileSortOrder=196611\r\nFileOverWriteMode=7\r\n"
                                               "NotCopyFile=\r\n"
                                               "[ErrorLog]\r\nErrorLogFilePath=" +
                                                   std::string(strNew.begin(), strNew.end()) +
                                                   "\\\r\n[Tail]\r\nx=1\r\n"));
    OptionSet o;
    CMainWindowSettings m;
    LoadSettings(m_strIni, o, m);
    EXPECT_TRUE(SameRect(m.m_rcWindow, {10, 20, 0, 0}));
    EXPECT_EQ(o.SkipSystemDir, 0);       // text reads as 0
    EXPECT_EQ(o.NotCopyFile, 1);         // an empty value is a missing one
    EXPECT_EQ(o.FileSortOrder, 0x10001); // both directions and both keys
    EXPECT_EQ(o.FileOverWriteMode, 1);
    EXPECT_EQ(o.ErrorLogFilePath, strNew); // created, and without its backslash
    EXPECT_TRUE(IsDirectory(strNew));
    EXPECT_EQ(ReadIniString(L"Other", L"keep", L"", m_strIni), L"me");
    EXPECT_EQ(ReadIniInt(L"Tail", L"x", 0, m_strIni), 1);

    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", "[CopyFile]\r\nFileOverWriteMode=-1\r\nFileSortOrder=65538\r\n"));
    LoadSettings(m_strIni, o, m);
    EXPECT_EQ(o.FileOverWriteMode, 1);
    EXPECT_EQ(o.FileSortOrder, 0x10002);
    EXPECT_EQ(o.ErrorLogFilePath, m_strTemp);
}

TEST_F(SettingsFile, ALogDirectoryTheLoaderRefusesBecomesTheTemporaryDirectory)
{
    ASSERT_TRUE(m_dir.MakeDir(L"rel"));
    // A relative name that exists in the current directory is still refused.
    wchar_t szOldDir[MAX_PATH * 2];
    ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH * 2, szOldDir), 0u);
    ASSERT_TRUE(::SetCurrentDirectoryW(m_dir.Path().c_str()));
    for (const std::wstring &strBad : {std::wstring(L"rel"), std::wstring(L"relative\\dir"), std::wstring(L"\\rel")}) {
        OptionSet o;
        CMainWindowSettings m;
        Fill(o, m, strBad);
        SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_NE(FileText(m_strIni).find(L"ErrorLogFilePath=" + strBad + L"\r\n"), std::wstring::npos);
        LoadSettings(m_strIni, o, m);
        EXPECT_EQ(o.ErrorLogFilePath, m_strTemp);
        EXPECT_EQ(o.UseErrorLog, 1); // the other values stay
    }
    EXPECT_FALSE(IsDirectory(m_dir / L"relative"));
    ::SetCurrentDirectoryW(szOldDir);
}

TEST_F(SettingsFile, ALogDirectoryThatCannotBeMadeNowStaysTheSetting)
{
    // A drive that is away, a file in the way, a name too long to make: the user's setting is
    // loaded and saved as it is, until the user changes it.
    ASSERT_EQ(::GetDriveTypeW(L"W:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    ASSERT_TRUE(m_dir.WriteFile(L"afile", "x"));
    for (const std::wstring &strAway :
         {std::wstring(L"W:\\Pelnix logs"), m_dir / L"afile", m_dir / L"afile\\below" + std::wstring(1500, L'x')}) {
        ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", "[Other]\r\nkeep=me\r\n"));
        WriteIniString(L"ErrorLog", L"ErrorLogFilePath", strAway, m_strIni);
        OptionSet o;
        CMainWindowSettings m;
        LoadSettings(m_strIni, o, m);
        EXPECT_EQ(o.ErrorLogFilePath, strAway);
        SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_EQ(ReadIniString(L"ErrorLog", L"ErrorLogFilePath", L"", m_strIni), strAway);

        o.ErrorLogFilePath = m_strTemp; // changed by the user
        SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_EQ(ReadIniString(L"ErrorLog", L"ErrorLogFilePath", L"?", m_strIni), L"");
    }
}

TEST_F(SettingsFile, FlagKeysLoadAsZeroOrOne)
{
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", "[Common]\r\nNoExpandOnSearch=2\r\nSkipSystemDir=0\r\n"
                                               "SkipHiddenDir=-1\r\nProtectAttrOfExist=0\r\n"
                                               "[CopyFile]\r\nNoExpandOnCopy=7\r\nNotCopyFile=2\r\n"
                                               "BreakOnDiskFull=65536\r\nFileSortOrder=327697\r\n"
                                               "[ErrorLog]\r\nUseErrorLog=3\r\n"));
    OptionSet o;
    CMainWindowSettings m;
    LoadSettings(m_strIni, o, m);
    EXPECT_EQ(o.NoExpandOnSearch, 1);
    EXPECT_EQ(o.SkipSystemDir, 0);
    EXPECT_EQ(o.SkipHiddenDir, 1);
    EXPECT_EQ(o.ProtectAttrOfExist, 0);
    EXPECT_EQ(o.NoExpandOnCopy, 1);
    EXPECT_EQ(o.NotCopyFile, 1);
    EXPECT_EQ(o.BreakOnDiskFull, 1);
    EXPECT_EQ(o.UseErrorLog, 1);
    EXPECT_EQ(o.FileSortOrder, FSO_ASCENDING | FSO_BY_NAME); // 0x50011: bits 0x40000 and 0x10 are unknown
}

TEST_F(SettingsFile, KeysAndSectionsOfOthersSurviveASave)
{
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", "[Common]\r\nMine=1\r\n[Install]\r\nExtra=2\r\n[CopyFile]\r\nOld=3\r\n"
                                               "[ErrorLog]\r\nMore=4\r\n[User]\r\nNote=keep this\r\n"));
    OptionSet o;
    CMainWindowSettings m;
    SaveSettings(m_strIni, nullptr, o, m);
    EXPECT_EQ(ReadIniInt(L"Common", L"Mine", 0, m_strIni), 1);
    EXPECT_EQ(ReadIniInt(L"Install", L"Extra", 0, m_strIni), 2);
    EXPECT_EQ(ReadIniInt(L"CopyFile", L"Old", 0, m_strIni), 3);
    EXPECT_EQ(ReadIniInt(L"ErrorLog", L"More", 0, m_strIni), 4);
    EXPECT_EQ(ReadIniString(L"User", L"Note", L"", m_strIni), L"keep this");
    EXPECT_EQ(ReadIniInt(L"CopyFile", L"NotCopyFile", -1, m_strIni), 1);
    // Nothing is left beside the file.
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW((m_dir / L"*").c_str(), &fd);
    ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
    std::vector<std::wstring> listNames;
    do {
        if (fd.cFileName[0] != L'.')
            listNames.push_back(fd.cFileName);
    } while (::FindNextFileW(hFind, &fd));
    ::FindClose(hFind);
    EXPECT_EQ(listNames, std::vector<std::wstring>{L"Pelnix.ini"});
}

TEST_F(SettingsFile, ADirectoryNameOutsideTheCodePageSurvives)
{
    // Neither letter exists in code page 932.
    std::wstring strLog = m_dir / L"Ünï한";
    ASSERT_TRUE(m_dir.MakeDir(L"Ünï한"));
    OptionSet o;
    CMainWindowSettings m;
    Fill(o, m, strLog);
    SaveSettings(m_strIni, nullptr, o, m);
    OptionSet loaded;
    LoadSettings(m_strIni, loaded, m);
    EXPECT_EQ(loaded.ErrorLogFilePath, strLog);
}

TEST_F(SettingsFile, TheWindowsRestoredRectangleIsSaved)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 400, 300, nullptr,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(::IsWindow(hWnd));
    OptionSet o;
    CMainWindowSettings m;
    SaveSettings(m_strIni, hWnd, o, m);
    EXPECT_TRUE(SameRect(m.m_rcWindow, {50, 60, 450, 360}));
    EXPECT_EQ(ReadIniString(L"Common", L"WindowPos", L"", m_strIni), L"50,60,450,360");

    ::ShowWindow(hWnd, SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(hWnd));
    SaveSettings(m_strIni, hWnd, o, m);
    EXPECT_EQ(ReadIniString(L"Common", L"WindowPos", L"", m_strIni), L"50,60,450,360");
    ::DestroyWindow(hWnd);
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenIsLeftAsItWas)
{
    const std::string strBefore = "[Common]\r\nSkipSystemDir=0\r\n";
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", strBefore));
    OptionSet o;
    CMainWindowSettings m;
    Fill(o, m, m_strTemp);
    {
        // Held open by someone else without sharing.
        HANDLE hLock = ::CreateFileW(m_strIni.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
        SaveSettings(m_strIni, nullptr, o, m);
        ::CloseHandle(hLock);
    }
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(m_strIni, bytes));
    EXPECT_EQ(bytes, strBefore);

    // In a directory that does not exist.
    std::wstring strNowhere = m_dir / L"missing\\Pelnix.ini";
    SaveSettings(strNowhere, nullptr, o, m);
    EXPECT_EQ(::GetFileAttributesW(strNowhere.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(IsDirectory(m_dir / L"missing"));
}

// One instance's values, told apart by nTag (1 or 2): every key differs between the two.
void FillInstance(OptionSet &o, CMainWindowSettings &m, int nTag)
{
    o.NoExpandOnSearch = nTag == 1;
    o.SkipSystemDir = nTag == 2;
    o.UseErrorLog = nTag == 1;
    o.FileOverWriteMode = nTag == 1 ? FOW_ALWAYS : FOW_NEVER;
    m.m_rcWindow = {nTag, nTag, 100 * nTag + 300, 100 * nTag + 200};
}

// A second instance: waits for the start signal, then saves its values again and again.
// Arguments: the settings file, the tag, the number of saves, the start event's name.
int SaveRepeatedly(const std::vector<std::wstring> &listArgs)
{
    if (listArgs.size() != 4)
        return 2;
    HANDLE hStart = ::OpenEventW(SYNCHRONIZE, FALSE, listArgs[3].c_str());
    if (!hStart || ::WaitForSingleObject(hStart, 60000) != WAIT_OBJECT_0)
        return 3;
    ::CloseHandle(hStart);
    const int nTag = std::stoi(listArgs[1]);
    for (int i = std::stoi(listArgs[2]); i > 0; --i) {
        OptionSet o;
        CMainWindowSettings m;
        FillInstance(o, m, nTag);
        SaveSettings(listArgs[0], nullptr, o, m);
    }
    return 0;
}
const CChildEntry g_saveRepeatedly(L"save-settings", SaveRepeatedly);

// The file as it is on disk now, read while others may replace it; empty when it could not be opened.
std::wstring SnapshotText(const std::wstring &strPath)
{
    HANDLE h = ::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::wstring();
    std::string bytes(1 << 16, '\0');
    DWORD n = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    ::CloseHandle(h);
    if (n < 2)
        return L"<short>";
    return std::wstring(reinterpret_cast<const wchar_t *>(bytes.data() + 2), (n - 2) / 2);
}

TEST_F(SettingsFile, TwoInstancesSavingAtOnceLeaveAWholeFile)
{
    {
        OptionSet o;
        CMainWindowSettings m;
        SaveSettings(m_strIni, nullptr, o, m);
    }
    WriteIniString(L"User", L"Note", L"keep this", m_strIni);
    WriteIniString(L"Common", L"Mine", L"mine too", m_strIni);

    const std::wstring strEvent = L"PelnixSaveStart." + std::to_wstring(::GetCurrentProcessId());
    HANDLE hStart = ::CreateEventW(nullptr, TRUE, FALSE, strEvent.c_str());
    ASSERT_NE(hStart, nullptr);
    HANDLE hChildren[2] = {};
    for (int nTag : {1, 2}) {
        hChildren[nTag - 1] = StartChildProcess(L"save-settings", {m_strIni, std::to_wstring(nTag), L"30", strEvent});
        ASSERT_NE(hChildren[nTag - 1], nullptr);
    }
    ::SetEvent(hStart);

    // Whenever it is looked at, the file holds every section and key, its own and the others'.
    int nLooks = 0, nPartial = 0;
    std::wstring strPartial;
    while (::WaitForMultipleObjects(2, hChildren, TRUE, 0) == WAIT_TIMEOUT && nLooks < 100000) {
        std::wstring strText = SnapshotText(m_strIni);
        if (strText.empty())
            continue;
        ++nLooks;
        for (const wchar_t *pszPart : {L"[User]\r\nNote=keep this\r\n", L"Mine=mine too\r\n", L"WindowPos=",
                                       L"ErrorLogFilePath=", L"FileOverWriteMode=", L"[Install]"}) {
            if (strText.find(pszPart) == std::wstring::npos) {
                ++nPartial;
                strPartial = strText;
                break;
            }
        }
    }
    ASSERT_EQ(::WaitForMultipleObjects(2, hChildren, TRUE, 120000), WAIT_OBJECT_0);
    for (HANDLE h : hChildren) {
        DWORD dwExit = 99;
        ::GetExitCodeProcess(h, &dwExit);
        EXPECT_EQ(dwExit, 0u);
        ::CloseHandle(h);
    }
    ::CloseHandle(hStart);
    EXPECT_GT(nLooks, 0);
    EXPECT_EQ(nPartial, 0) << "of " << nLooks << " looks, e.g.\n" << std::string(strPartial.begin(), strPartial.end());

    // At the end: the others' keys, and one instance's values whole.
    EXPECT_EQ(ReadIniString(L"User", L"Note", L"", m_strIni), L"keep this");
    EXPECT_EQ(ReadIniString(L"Common", L"Mine", L"", m_strIni), L"mine too");
    OptionSet o;
    CMainWindowSettings m;
    LoadSettings(m_strIni, o, m);
    const int nTag = m.m_rcWindow.left;
    ASSERT_TRUE(nTag == 1 || nTag == 2) << nTag;
    OptionSet expected;
    CMainWindowSettings expectedMain;
    FillInstance(expected, expectedMain, nTag);
    EXPECT_TRUE(SameRect(m.m_rcWindow, expectedMain.m_rcWindow));
    EXPECT_EQ(o.NoExpandOnSearch, expected.NoExpandOnSearch);
    EXPECT_EQ(o.SkipSystemDir, expected.SkipSystemDir);
    EXPECT_EQ(o.UseErrorLog, expected.UseErrorLog);
    EXPECT_EQ(o.FileOverWriteMode, expected.FileOverWriteMode);
}

} // namespace
