// The run's error log on real files: collecting, writing after a banner in the ANSI code page
// (UTF-8 when a name needs it),
// the messages when the file cannot be written, and the choice of another directory.
#include "copy/ErrorLogText.h"
#include "support/Path.h"
#include "support/SystemError.h"
#include "copy/CopyRun.h"
#include "tree/DirTreeCtrl.h"

#include "FileHelpers.h"
#include "ScriptedSeams.h"
#include "SmallDrive.h"
#include "TempDir.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t LABEL_SKIPPED[] = L"CopyFile:Skipped(%s)";

std::wstring FromCodePage932(const std::string &strBytes)
{
    int n = ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, strBytes.data(), static_cast<int>(strBytes.size()),
                                  nullptr, 0);
    std::wstring str(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(932, 0, strBytes.data(), static_cast<int>(strBytes.size()), str.data(), n);
    return str;
}

// The seconds between the banner's time and now, or a large number when there is no banner.
long long BannerAge(const std::wstring &strText)
{
    const std::wstring strHead = L"--- Ostrel:Halvorn Error Log ---\r\n--- Logged on ";
    if (strText.compare(0, strHead.size(), strHead) != 0)
        return 1000000;
    SYSTEMTIME st = {};
    if (swscanf(strText.c_str() + strHead.size(), L"%hu/%hu/%hu %hu:%hu:%hu", &st.wYear, &st.wMonth, &st.wDay,
                &st.wHour, &st.wMinute, &st.wSecond) != 6)
        return 1000000;
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    FILETIME a, b;
    ::SystemTimeToFileTime(&st, &a);
    ::SystemTimeToFileTime(&now, &b);
    auto n = [](const FILETIME &ft) {
        return static_cast<long long>((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    };
    return (n(b) - n(a)) / 10000000;
}

class ErrorLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        Tree().UseErrorLog = 1;
        Tree().ErrorLogFilePath = m_dir.Path();
        Run().m_pErrorLog = std::make_unique<std::wstring>();
    }
    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CCopyRun &Run() { return m_run; }
    std::wstring LogName() const { return ErrorLogFileName(::GetCurrentProcessId()); }
    // Lines until the buffer holds at least nBytes.
    void LogUntil(size_t nBytes)
    {
        while (Run().m_pErrorLog->size() < nBytes)
            Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", L"C:\\src\\a.txt", L"D:\\dst\\a.txt");
    }
    std::wstring ReadLog(const std::wstring &strPath)
    {
        std::string strBytes;
        EXPECT_TRUE(ReadWholeFile(strPath, strBytes)) << "no log file";
        return FromCodePage932(strBytes);
    }
    const std::vector<CAskedMessage> &Messages() const { return m_seams.m_listMessages; }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_TREE_STAGE};
    CCopyRun m_run{m_host.m_tree};
    CTempDir m_dir;
};

TEST_F(ErrorLog, NothingIsWrittenOrShownWhenLoggingIsOffOrThereIsNothingToLog)
{
    // Off: lines are not even collected, and the buffer goes.
    Tree().UseErrorLog = 0;
    Run().AddErrorLog(5, L"FileAttr:Failed(%s)", L"File", L"D:\\x", L"");
    EXPECT_TRUE(Run().m_pErrorLog->empty());
    Run().m_pErrorLog->assign(L"[CreateDir:Failed] D:\\x\r\n");
    Run().SaveErrorLog();
    EXPECT_EQ(Run().m_pErrorLog, nullptr);

    // On, nothing logged.
    Tree().UseErrorLog = 1;
    Run().m_pErrorLog = std::make_unique<std::wstring>();
    Run().SaveErrorLog();
    EXPECT_EQ(Run().m_pErrorLog, nullptr);

    // On, lines, but no directory to put them in.
    Run().m_pErrorLog = std::make_unique<std::wstring>();
    Run().AddErrorLog(0, L"CopyFile:Canceled By User", L"", L"C:\\s", L"D:\\d");
    Tree().ErrorLogFilePath.clear();
    Run().SaveErrorLog();
    EXPECT_EQ(Run().m_pErrorLog, nullptr);

    // No buffer at all (no run): nothing.
    Tree().ErrorLogFilePath = m_dir.Path();
    Run().SaveErrorLog();

    EXPECT_FALSE(PathExists(m_dir / LogName()));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ErrorLog, WritesTheBannerAndTheLinesInTheAnsiCodePageAndSaysWhere)
{
    const std::wstring strJapanese = L"C:\\ｿｰｽ\\日本語のﾌｧｲﾙ.txt";
    Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", strJapanese, L"D:\\先\\日本語のﾌｧｲﾙ.txt");
    Run().AddErrorLog(5, L"FileAttr:Failed(%s)", L"File", L"D:\\先\\a.txt", L"");
    Run().AddErrorLog(0, L"CopyFile:Canceled By User", L"", L"C:\\s", L"D:\\d");
    const std::string strCollected = ToAnsiBytes(*Run().m_pErrorLog);
    m_seams.m_listMessageAnswers = {IDOK};
    Run().SaveErrorLog();

    EXPECT_EQ(Run().m_pErrorLog, nullptr);
    const std::wstring strLogPath = m_dir / LogName();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].strCaption, L"Attention ...");
    EXPECT_EQ(Messages()[0].strText, ErrorLogWrittenText(strLogPath));
    EXPECT_EQ(Messages()[0].nType, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));

    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(strLogPath, strBytes));
    // Banner, then the collected bytes as they were: no byte-order mark, CR LF, code page 932.
    ASSERT_GT(strBytes.size(), strCollected.size());
    EXPECT_EQ(strBytes.substr(strBytes.size() - strCollected.size()), strCollected);
    const std::wstring strText = FromCodePage932(strBytes);
    EXPECT_LE(BannerAge(strText), 2);
    const size_t nBanner = FormatErrorLogBanner(L"2000/01/31 09:05:07").size();
    EXPECT_EQ(strText.substr(nBanner),
              L"[CopyFile:Skipped(Up to Date)] C:\\ｿｰｽ\\日本語のﾌｧｲﾙ.txt -> D:\\先\\日本語のﾌｧｲﾙ.txt\r\n"
              L"[FileAttr:Failed(File)] D:\\先\\a.txt , ErrCode(   5) , \" " +
                  GetSystemErrorText(5, true) +
                  L" \"\r\n"
                  L"[CopyFile:Canceled By User] C:\\s -> D:\\d\r\n");
    // Every line break is CR LF.
    size_t nLf = 0;
    for (size_t i = 0; i < strBytes.size(); ++i) {
        if (strBytes[i] == '\n') {
            ++nLf;
            EXPECT_TRUE(i > 0 && strBytes[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_EQ(nLf, 5u);
    // Half-width katakana are single bytes of the code page: ｿ is 0xBF.
    EXPECT_NE(strBytes.find("C:\\\xBF\xB0\xBD\\"), std::string::npos);
}

TEST_F(ErrorLog, NamesTheCodePageCannotSpellMakeTheWholeFileUtf8)
{
    const std::vector<std::wstring> listNames = {L"C:\\ｿｰｽ\\日本語.txt",     L"C:\\한국어.txt",
                                                 L"C:\\조선어.txt",          L"C:\\\U0001F600smile.txt",
                                                 L"C:\\\U0001F603smile.txt", L"C:\\Größe.txt"};
    for (const auto &strName : listNames)
        Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", strName, L"");
    m_seams.m_listMessageAnswers = {IDOK};
    Run().SaveErrorLog();

    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(m_dir / LogName(), strBytes));
    ASSERT_EQ(strBytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << "a byte-order mark first";
    std::wstring strText(strBytes.size(), L'\0');
    strText.resize(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, strBytes.data() + 3,
                                                             static_cast<int>(strBytes.size() - 3), strText.data(),
                                                             static_cast<int>(strText.size()))));
    EXPECT_LE(BannerAge(strText), 2);
    std::wstring strLines;
    for (const auto &strName : listNames)
        strLines += L"[CopyFile:Skipped(Up to Date)] " + strName + L"\r\n";
    EXPECT_EQ(strText.substr(FormatErrorLogBanner(L"2000/01/31 09:05:07").size()), strLines);
}

TEST_F(ErrorLog, TheQuestionCountsTheBytesTheFileWouldHold)
{
    // 350 Korean letters are 1050 bytes of UTF-8 though only 350 characters.
    ASSERT_TRUE(m_dir.WriteFile(L"not-a-dir", "x"));
    Tree().ErrorLogFilePath = m_dir / L"not-a-dir";
    Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", L"C:\\" + std::wstring(350, L'한'),
                      L"D:\\" + std::wstring(40, L'x'));
    ASSERT_LT(Run().m_pErrorLog->size(), 1024u);
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDNO};
    Run().SaveErrorLog();
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[2].strText, ErrorLogNoRoomText(m_dir / L"not-a-dir", 2048));
}

TEST_F(ErrorLog, ASecondRunReplacesTheFileWithANewBanner)
{
    const std::wstring strLogPath = m_dir / LogName();
    Run().AddErrorLog(0, LABEL_SKIPPED, L"By User", L"C:\\first", L"D:\\first");
    m_seams.m_listMessageAnswers = {IDOK};
    Run().SaveErrorLog();
    ASSERT_TRUE(PathExists(strLogPath));
    // As if the first run had logged long ago.
    const std::string strOld = "--- Ostrel:Halvorn Error Log ---\r\n--- Logged on 2000/01/31 09:05:07\r\n"
                               "[CopyFile:Skipped(By User)] C:\\first -> D:\\first\r\n"
                               "[CopyFile:Skipped(By User)] C:\\more -> D:\\more\r\n";
    ASSERT_TRUE(m_dir.WriteFile(LogName(), strOld));

    // A run with nothing to log leaves it alone.
    Run().m_pErrorLog = std::make_unique<std::wstring>();
    Run().SaveErrorLog();
    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(strLogPath, strBytes));
    EXPECT_EQ(strBytes, strOld);

    Run().m_pErrorLog = std::make_unique<std::wstring>();
    Run().AddErrorLog(0, L"CopyFile:Failed(%s)", L"Disk Full", L"C:\\second", L"D:\\second");
    m_seams.m_listMessageAnswers = {IDOK};
    Run().SaveErrorLog();
    const std::wstring strText = ReadLog(strLogPath);
    EXPECT_LE(BannerAge(strText), 2);
    EXPECT_EQ(strText.find(L"first"), std::wstring::npos);
    EXPECT_EQ(strText.find(L"more"), std::wstring::npos);
    EXPECT_NE(strText.find(L"[CopyFile:Failed(Disk Full)] C:\\second -> D:\\second\r\n"), std::wstring::npos);
    EXPECT_EQ(Messages().size(), 2u);
}

// A log directory that is really a file: the file error, the program's message, then the question.
TEST_F(ErrorLog, AnUnwritableDirectoryAsksForAnotherAndDecliningLosesOnlyTheLog)
{
    ASSERT_TRUE(m_dir.WriteFile(L"not-a-dir", "x"));
    const std::wstring strBad = m_dir / L"not-a-dir";
    Tree().ErrorLogFilePath = strBad;
    LogUntil(100);
    ASSERT_LT(Run().m_pErrorLog->size(), 1024u);
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDNO};
    Run().SaveErrorLog();

    const std::wstring strLogPath = strBad + L"\\" + LogName();
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0].strText.find(strLogPath), 0u);
    EXPECT_NE(Messages()[0].strText.find(GetSystemErrorText(ERROR_PATH_NOT_FOUND, true)), std::wstring::npos)
        << "the system's own text for the failure";
    EXPECT_EQ(Messages()[1].strCaption, L"Fatal Error");
    EXPECT_EQ(Messages()[1].strText, ErrorLogCreateFailedText(strLogPath));
    EXPECT_EQ(Messages()[1].nType, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(Messages()[2].strCaption, L"Fatal Error");
    EXPECT_EQ(Messages()[2].strText, ErrorLogNoRoomText(strBad, 1024));
    EXPECT_EQ(Messages()[2].nType, static_cast<UINT>(MB_YESNO | MB_ICONSTOP));
    EXPECT_TRUE(m_seams.m_listFolders.empty());
    EXPECT_EQ(Run().m_pErrorLog, nullptr);
    EXPECT_EQ(Tree().ErrorLogFilePath, strBad);
    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(strBad, strBytes));
    EXPECT_EQ(strBytes, "x");
}

TEST_F(ErrorLog, TheQuestionAsksForTheLogsSizeInWholeKilobytes)
{
    ASSERT_TRUE(m_dir.WriteFile(L"not-a-dir", "x"));
    Tree().ErrorLogFilePath = m_dir / L"not-a-dir";
    LogUntil(2048);
    Run().m_pErrorLog->resize(2048);
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDCANCEL};
    Run().SaveErrorLog();
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[2].strText, ErrorLogNoRoomText(m_dir / L"not-a-dir", 2048));
}

TEST_F(ErrorLog, ChoosingAnotherFolderWritesThereAndKeepsItAsTheLogDirectory)
{
    ASSERT_TRUE(m_dir.MakeDir(L"held"));
    ASSERT_TRUE(m_dir.MakeDir(L"日本語の保存先"));
    const std::wstring strHeld = m_dir / L"held";
    const std::wstring strOther = m_dir / L"日本語の保存先";
    Tree().ErrorLogFilePath = strHeld;
    // Another program holds the log file open without sharing it.
    HANDLE hHeld = ::CreateFileW((strHeld + L"\\" + LogName()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    Run().AddErrorLog(3, L"CreateDir:Failed", L"", L"D:\\x\\y", L"");

    // File error, create failure, Yes; the picker; the pick is held too: again, Yes; the picker; written.
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDYES, IDOK, IDOK, IDYES, IDOK};
    m_seams.m_listFolderAnswers = {{FOLDER_CHOSEN, strHeld}, {FOLDER_CHOSEN, strOther}};
    Run().SaveErrorLog();
    ::CloseHandle(hHeld);

    ASSERT_EQ(Messages().size(), 7u);
    EXPECT_NE(Messages()[0].strText.find(GetSystemErrorText(ERROR_SHARING_VIOLATION, true)), std::wstring::npos);
    EXPECT_EQ(Messages()[1].strText, ErrorLogCreateFailedText(strHeld + L"\\" + LogName()));
    EXPECT_EQ(Messages()[2].strText, ErrorLogNoRoomText(strHeld, 1024));
    EXPECT_EQ(Messages()[5].strText, ErrorLogNoRoomText(strHeld, 1024));
    const std::wstring strLogPath = strOther + L"\\" + LogName();
    EXPECT_EQ(Messages()[6].strCaption, L"Attention ...");
    EXPECT_EQ(Messages()[6].strText, ErrorLogWrittenText(strLogPath));

    ASSERT_EQ(m_seams.m_listFolders.size(), 2u);
    const CFolderRequest &req = m_seams.m_listFolders[0].req;
    EXPECT_EQ(req.strCaption, L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択");
    EXPECT_EQ(req.strPrompt, L"ｴﾗｰﾛｸﾞﾌｧｲﾙの保存場所を選択してください。");
    EXPECT_EQ(req.strInitialPath, strHeld);
    EXPECT_EQ(req.hOwner, Tree().m_hWnd);

    EXPECT_EQ(Tree().ErrorLogFilePath, strOther);
    EXPECT_EQ(Run().GetErrorLogFileName(), strLogPath);
    EXPECT_NE(ReadLog(strLogPath).find(L"[CreateDir:Failed] D:\\x\\y , ErrCode(   3)"), std::wstring::npos);
}

TEST_F(ErrorLog, CancellingThePickerLosesOnlyTheLog)
{
    ASSERT_TRUE(m_dir.WriteFile(L"not-a-dir", "x"));
    Tree().ErrorLogFilePath = m_dir / L"not-a-dir";
    Run().AddErrorLog(0, LABEL_SKIPPED, L"Already Exist", L"C:\\a", L"D:\\a");
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDYES};
    m_seams.m_listFolderAnswers = {{FOLDER_CANCELLED, L""}};
    Run().SaveErrorLog();
    EXPECT_EQ(Messages().size(), 3u);
    EXPECT_EQ(m_seams.m_listFolders.size(), 1u);
    EXPECT_EQ(Tree().ErrorLogFilePath, m_dir / L"not-a-dir");
    EXPECT_EQ(Run().m_pErrorLog, nullptr);
}

// A drive with no room left: the file is made, the write fails.
TEST_F(ErrorLog, AFullDriveReportsTheFailedWrite)
{
    std::wstring strRoot;
    PELNIX_REQUIRE_SMALL_DRIVE(strRoot);
    const std::wstring strDir = strRoot + L"plx-errorlog-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW(strDir.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    const std::wstring strFiller = strDir + L"\\filler";
    HANDLE hFiller = ::CreateFileW(strFiller.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFiller, INVALID_HANDLE_VALUE);
    std::string strChunk(1 << 20, '\0');
    for (DWORD nChunk : {1u << 20, 4096u, 1u}) {
        DWORD nWritten = 0;
        while (::WriteFile(hFiller, strChunk.data(), nChunk, &nWritten, nullptr) && nWritten == nChunk) {
        }
    }
    ::CloseHandle(hFiller);

    Tree().ErrorLogFilePath = strDir;
    LogUntil(3000);
    m_seams.m_listMessageAnswers = {IDOK, IDOK, IDNO};
    Run().SaveErrorLog();
    ::DeleteFileW(strFiller.c_str());
    ::DeleteFileW(Run().GetErrorLogFileName().c_str());
    ::RemoveDirectoryW(strDir.c_str());

    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_NE(Messages()[0].strText.find(GetSystemErrorText(ERROR_DISK_FULL, true)), std::wstring::npos);
    EXPECT_EQ(Messages()[1].strText, ErrorLogWriteFailedText(strDir + L"\\" + LogName()));
    EXPECT_EQ(Messages()[2].strText, ErrorLogNoRoomText(strDir, 3072));
}

TEST_F(ErrorLog, ADirectoryAwayForNowSendsThisLogToTheTemporaryDirectoryAndStaysTheSetting)
{
    // A drive letter with nothing behind it, as a removable or network drive that is away.
    const std::wstring strAway = L"W:\\Pelnix logs";
    ASSERT_EQ(::GetDriveTypeW(L"W:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    Tree().ErrorLogFilePath = strAway;
    Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", L"C:\\src\\a.txt", L"D:\\dst\\a.txt");
    m_seams.m_listMessageAnswers = {IDOK};
    const std::wstring strFallback = JoinPath(DefaultErrorLogDirectory(), LogName());
    ::DeleteFileW(strFallback.c_str());
    EXPECT_EQ(Run().GetErrorLogFileName(), strFallback);
    Run().SaveErrorLog();

    // Written, and the message says where, as for any log.
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].strText, ErrorLogWrittenText(strFallback));
    EXPECT_NE(ReadLog(strFallback).find(L"[CopyFile:Skipped(Up to Date)] C:\\src\\a.txt"), std::wstring::npos);
    // The setting is the user's still; the exit finds the log where it went.
    EXPECT_EQ(Tree().ErrorLogFilePath, strAway);
    EXPECT_EQ(Run().GetErrorLogFileName(), strFallback);
    ::DeleteFileW(strFallback.c_str());
    Tree().ErrorLogFilePath = L"W:\\"; // the root of a removable drive that is away
    EXPECT_EQ(Run().GetErrorLogFileName(), strFallback);

    // Back again (here: a directory that can be made once more): the log goes there.
    const std::wstring strBack = m_dir / L"back\\logs";
    Tree().ErrorLogFilePath = strBack;
    Run().m_pErrorLog = std::make_unique<std::wstring>();
    Run().AddErrorLog(0, LABEL_SKIPPED, L"Up to Date", L"C:\\src\\b.txt", L"D:\\dst\\b.txt");
    m_seams.m_listMessageAnswers = {IDOK};
    Run().SaveErrorLog();
    EXPECT_TRUE(PathExists(strBack + L"\\" + LogName()));
    EXPECT_FALSE(PathExists(strFallback));
    EXPECT_EQ(Run().GetErrorLogFileName(), strBack + L"\\" + LogName());
}

} // namespace
