// The settings file when things go wrong: UTF-16 without its mark, a file that cannot be read,
// a save that cannot be completed (full disk, read-only file), copies left by an instance that
// was ended while saving, and the one lock of a file named in different ways.
#include "app/MainTexts.h"
#include "app/Settings.h"
#include "app/SettingsEncoding.h"
#include "app/SettingsFileUpdate.h"
#include "app/SettingsProfile.h"
#include "framework/Handles.h"
#include "support/SystemError.h"

#include "FileHelpers.h"
#include "MainDlgRun.h"
#include "SmallDrive.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The text's UTF-16 bytes, little- or big-endian, with or without the mark.
std::string Utf16(const std::wstring &strText, bool bMark, bool bBigEndian = false)
{
    std::string str;
    for (wchar_t ch : (bMark ? L"\xFEFF" : L"") + strText) {
        const char lo = static_cast<char>(ch & 0xFF), hi = static_cast<char>(ch >> 8);
        str += bBigEndian ? hi : lo;
        str += bBigEndian ? lo : hi;
    }
    return str;
}

std::vector<std::wstring> FileNames(const std::wstring &strDir)
{
    std::vector<std::wstring> list;
    WIN32_FIND_DATAW fd;
    CFindHandle find(::FindFirstFileW((strDir + L"\\*").c_str(), &fd));
    if (find) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                list.push_back(fd.cFileName);
        } while (::FindNextFileW(find, &fd));
    }
    std::sort(list.begin(), list.end());
    return list;
}

const std::wstring kUserIni = L"[Common]\r\nSkipSystemDir=0\r\nWindowPos=10,20,610,420\r\n[CopyFile]\r\n"
                              L"FileOverWriteMode=3\r\nNotCopyFile=0\r\n[Others]\r\nName=한국어 ü\r\n";

TEST(SettingsEncoding, UnmarkedAndBigEndianUtf16AreHandedOverAsMarkedLittleEndian)
{
    const std::string LE = Utf16(L"[A]\r\nk=v\r\n", true);
    struct {
        std::string strBytes;
        SETTINGS_TEXT text;
        std::string strNormal; // empty: not to be read
    } cases[] = {
        {"", ST_ANSI, ""},
        {"[A]\r\nk=\x93\xfa\r\n", ST_ANSI, "[A]\r\nk=\x93\xfa\r\n"},
        {"\xEF\xBB\xBF[A]\r\nk=v\r\n", ST_ANSI, "\xEF\xBB\xBF[A]\r\nk=v\r\n"},
        {LE, ST_UTF16LE, LE},
        {Utf16(L"[A]\r\nk=v\r\n", false), ST_UTF16LE_BARE, LE},
        {Utf16(L"[A]\r\nk=v\r\n", true, true), ST_UTF16BE, LE},
        {Utf16(L"[A]\r\nk=v\r\n", false, true), ST_UTF16BE, LE},
        // Letters of other scripts have no NUL byte; the ASCII of the key lines decides.
        {Utf16(L"[한]\r\n어=국\r\n", false), ST_UTF16LE_BARE, Utf16(L"[한]\r\n어=국\r\n", true)},
        // NUL bytes that make no UTF-16 text.
        {std::string("[A]\0\r\n", 6) + "x", ST_UNKNOWN, ""},
        {std::string("\0\0\0\0", 4), ST_UNKNOWN, ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ClassifySettingsBytes(c.strBytes), c.text) << c.strBytes.size();
        std::string str = c.strBytes;
        const bool bReadable = c.text != ST_UNKNOWN;
        EXPECT_EQ(NormaliseSettingsBytes(str), bReadable) << c.strBytes.size();
        if (bReadable) {
            EXPECT_EQ(str, c.strNormal) << c.strBytes.size();
        }
    }
}

class SettingsSafety : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::wstring m_strIni = m_dir / L"Pelnix.ini";

    std::string Bytes() const
    {
        std::string str;
        return ReadWholeFile(m_strIni, str) ? str : std::string("<missing>");
    }
};

TEST_F(SettingsSafety, Utf16WithoutAMarkIsReadAndSavedWithEveryValueAndSection)
{
    for (bool bBigEndian : {false, true}) {
        ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", Utf16(kUserIni, false, bBigEndian)));
        OptionSet o;
        CMainWindowSettings m;
        const CSettingsFileStatus read = LoadSettings(m_strIni, o, m);
        EXPECT_TRUE(read.bOk);
        EXPECT_EQ(o.SkipSystemDir, 0) << bBigEndian;
        EXPECT_EQ(o.FileOverWriteMode, 3) << bBigEndian;
        EXPECT_EQ(o.NotCopyFile, 0) << bBigEndian;
        EXPECT_EQ(FormatWindowPos(m.m_rcWindow), L"10,20,610,420") << bBigEndian;
        // Nothing is left of the copy it was read from.
        EXPECT_EQ(FileNames(m_dir.Path()), std::vector<std::wstring>{L"Pelnix.ini"});

        o.NoExpandOnSearch = 1;
        EXPECT_TRUE(SaveSettings(m_strIni, nullptr, o, m).bOk);
        EXPECT_EQ(ReadIniString(L"Others", L"Name", L"", m_strIni), L"한국어 ü") << bBigEndian;
        OptionSet again;
        EXPECT_TRUE(LoadSettings(m_strIni, again, m).bOk);
        EXPECT_EQ(again.FileOverWriteMode, 3);
        EXPECT_EQ(again.NoExpandOnSearch, 1);
        EXPECT_EQ(FileNames(m_dir.Path()), std::vector<std::wstring>{L"Pelnix.ini"});
    }
}

TEST_F(SettingsSafety, AFileThatCannotBeReadGivesTheDefaultsAndIsNeverSaved)
{
    // NUL bytes that are no UTF-16, and a file another program holds without sharing.
    const std::string strGarbage = std::string("[Common]\0SkipSystemDir=0\0\0", 27);
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", strGarbage));
    OptionSet o;
    CMainWindowSettings m;
    CSettingsFileStatus read = LoadSettings(m_strIni, o, m);
    EXPECT_FALSE(read.bOk);
    EXPECT_EQ(read.dwError, static_cast<DWORD>(ERROR_INVALID_DATA));
    EXPECT_EQ(o.SkipSystemDir, 1);
    EXPECT_FALSE(SaveSettings(m_strIni, nullptr, o, m).bOk);
    EXPECT_EQ(Bytes(), strGarbage);

    const std::string strUser = Utf16(kUserIni, true);
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", strUser));
    {
        CFileHandle hold(::CreateFileW(m_strIni.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(hold.IsValid());
        read = LoadSettings(m_strIni, o, m);
        EXPECT_FALSE(read.bOk);
        EXPECT_EQ(read.dwError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(o.FileOverWriteMode, 1);
        const CSettingsFileStatus saved = SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_FALSE(saved.bOk);
        EXPECT_EQ(saved.dwError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(Bytes(), strUser);
    EXPECT_EQ(FileNames(m_dir.Path()), std::vector<std::wstring>{L"Pelnix.ini"});
}

// The main window says so at start and leaves the file alone at exit, though it could save then.
TEST(SettingsWindow, AnUnreadableFileIsToldAtStartAndLeftByteForByteAtExit)
{
    const std::string strGarbage = std::string("[Common]\0WindowPos=\0\0", 21);
    CMainDlgRun run;
    ASSERT_TRUE(run.m_dir.WriteFile(L"Pelnix.ini", strGarbage));
    run.m_seams.m_listMessageAnswers = {IDOK, IDOK};
    run.Step([&] {
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(run.m_seams.m_listMessages[0].strText,
                  SettingsUnreadableText(run.IniPath(), GetSystemErrorText(ERROR_INVALID_DATA, true)));
        run.m_dlg.m_tree.NoExpandOnSearch = 1;
        run.m_dlg.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
    ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(run.m_seams.m_listMessages[1].strText, L"Pelnixを終了します。");
    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(run.IniPath(), strBytes));
    EXPECT_EQ(strBytes, strGarbage);
}

TEST(SettingsWindow, AReadOnlyFileIsNotSavedAndTheExitSaysWhere)
{
    CMainDlgRun run(kUserIni);
    std::string strBefore;
    ASSERT_TRUE(ReadWholeFile(run.IniPath(), strBefore));
    ASSERT_TRUE(::SetFileAttributesW(run.IniPath().c_str(), FILE_ATTRIBUTE_READONLY));
    run.m_seams.m_listMessageAnswers = {IDOK, IDOK};
    run.Step([&] {
        EXPECT_TRUE(run.m_seams.m_listMessages.empty()) << "read as usual";
        EXPECT_EQ(run.m_dlg.m_tree.FileOverWriteMode, 3);
        run.m_dlg.m_tree.FileOverWriteMode = 0;
        run.m_dlg.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(run.Run(), IDCANCEL);
    ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
    EXPECT_EQ(run.m_seams.m_listMessages[1].strText, SettingsNotSavedText(run.IniPath(), L"読み取り専用ﾌｧｲﾙです。"));
    EXPECT_EQ(run.m_seams.m_listMessages[1].nType, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    ::SetFileAttributesW(run.IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::string strAfter;
    ASSERT_TRUE(ReadWholeFile(run.IniPath(), strAfter));
    EXPECT_EQ(strAfter, strBefore);
    EXPECT_EQ(FileNames(run.m_dir.Path()), std::vector<std::wstring>{L"Pelnix.ini"});
}

// Left by an instance ended while saving: never read, and gone after the next save.
TEST_F(SettingsSafety, ACopyLeftByAKilledSaveIsNeverTakenAsTheSettings)
{
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini", Utf16(kUserIni, true)));
    const std::wstring strLeft = L"Pelnix.ini." + std::to_wstring(::GetCurrentProcessId()) + L"-1.new";
    ASSERT_TRUE(m_dir.WriteFile(strLeft, Utf16(L"[Common]\r\nSkipSystemDir=1\r\n[Stale]\r\nx=1\r\n", true)));
    ASSERT_TRUE(m_dir.WriteFile(L"Pelnix.ini.9-9.new", "[Common]\r\nWindowPos=1,1,2,2\r\n"));
    ASSERT_TRUE(::SetFileAttributesW((m_dir / L"Pelnix.ini.9-9.new").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(m_dir.WriteFile(L"Other.ini.1-1.new", "not ours"));

    OptionSet o;
    CMainWindowSettings m;
    ASSERT_TRUE(LoadSettings(m_strIni, o, m).bOk);
    EXPECT_EQ(o.SkipSystemDir, 0);
    EXPECT_EQ(FormatWindowPos(m.m_rcWindow), L"10,20,610,420");
    ASSERT_TRUE(SaveSettings(m_strIni, nullptr, o, m).bOk);
    EXPECT_EQ(FileNames(m_dir.Path()), (std::vector<std::wstring>{L"Other.ini.1-1.new", L"Pelnix.ini"}));
    EXPECT_EQ(ReadIniString(L"Others", L"Name", L"", m_strIni), L"한국어 ü");
    EXPECT_EQ(ReadIniString(L"Stale", L"x", L"none", m_strIni), L"none");
    EXPECT_EQ(ReadIniInt(L"Common", L"SkipSystemDir", 7, m_strIni), 0);
}

// The directory under another name: a drive letter given to it, or where no drive can be made,
// the name under which the system's other drive shows it.
std::wstring OtherNameOf(const std::wstring &strDir, wchar_t &chDrive)
{
    chDrive = 0;
    for (wchar_t ch = L'P'; ch >= L'H'; --ch) {
        const std::wstring strDrive = std::wstring(1, ch) + L":";
        if (::GetDriveTypeW((strDrive + L"\\").c_str()) != DRIVE_NO_ROOT_DIR)
            continue;
        if (::DefineDosDeviceW(0, strDrive.c_str(), strDir.c_str())) {
            if (::GetFileAttributesW((strDrive + L"\\Pelnix.ini").c_str()) != INVALID_FILE_ATTRIBUTES) {
                chDrive = ch;
                return strDrive + L"\\";
            }
            ::DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, strDrive.c_str(), strDir.c_str());
        }
        break;
    }
    const std::string strUnix = LinuxPath(strDir);
    if (strUnix.empty())
        return std::wstring();
    std::wstring str = L"Z:";
    for (char c : strUnix)
        str += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return str + L"\\";
}

TEST_F(SettingsSafety, EveryNameOfOneFileMeetsTheSameLock)
{
    ASSERT_TRUE(m_dir.MakeDir(L"a long directory name"));
    ASSERT_TRUE(m_dir.MakeDir(L"another"));
    const std::wstring strDir = m_dir / L"a long directory name";
    const std::wstring strIni = strDir + L"\\Pelnix.ini";
    ASSERT_TRUE(m_dir.WriteFile(L"a long directory name\\Pelnix.ini", Utf16(kUserIni, true)));
    const std::wstring strName = SettingsMutexName(strIni);

    wchar_t szShort[MAX_PATH];
    ASSERT_NE(::GetShortPathNameW(strIni.c_str(), szShort, MAX_PATH), 0u);
    ASSERT_NE(std::wstring(szShort), strIni);
    wchar_t chDrive = 0;
    const std::wstring strOther = OtherNameOf(strDir, chDrive);
    ASSERT_FALSE(strOther.empty()) << "no second name for the directory";
    std::wstring strUpper = strIni;
    ::CharUpperBuffW(strUpper.data(), static_cast<DWORD>(strUpper.size()));
    for (const std::wstring &strSame :
         {std::wstring(szShort), strUpper, L"\\\\?\\" + strIni,
          m_dir / L"another\\..\\a long directory name\\Pelnix.ini", strOther + L"Pelnix.ini"}) {
        EXPECT_EQ(SettingsMutexName(strSame), strName) << std::string(strSame.begin(), strSame.end());
    }
    OptionSet o;
    CMainWindowSettings m;
    EXPECT_TRUE(SaveSettings(strOther + L"Pelnix.ini", nullptr, o, m).bOk);
    EXPECT_EQ(ReadIniString(L"Others", L"Name", L"", strIni), L"한국어 ü");
    if (chDrive) {
        const std::wstring strDrive = std::wstring(1, chDrive) + L":";
        ::DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, strDrive.c_str(), strDir.c_str());
    }

    // Another file, in the same directory or of the same name elsewhere, has a lock of its own;
    // so has a file not yet there.
    EXPECT_NE(SettingsMutexName(strDir + L"\\Other.ini"), strName);
    EXPECT_NE(SettingsMutexName(m_dir / L"another\\Pelnix.ini"), strName);
    EXPECT_EQ(SettingsMutexName(m_dir / L"another\\Pelnix.ini"), SettingsMutexName(m_dir / L"ANOTHER\\pelnix.INI"));
}

// The small drive Q:, filled so that the settings cannot be saved whole.
class SettingsFullDrive : public ::testing::Test {
protected:
    void SetUp() override
    {
        PELNIX_REQUIRE_SMALL_DRIVE(m_strRoot);
        m_strWork = m_strRoot + L"plx-settings-" + std::to_wstring(::GetCurrentProcessId());
        RemoveTree(m_strWork);
        ASSERT_TRUE(::CreateDirectoryW(m_strWork.c_str(), nullptr));
        m_strIni = m_strWork + L"\\Pelnix.ini";
    }
    void TearDown() override
    {
        if (!m_strWork.empty())
            RemoveTree(m_strWork);
    }
    uint64_t FreeBytes() const
    {
        ULARGE_INTEGER nFree = {};
        EXPECT_TRUE(::GetDiskFreeSpaceExW(m_strRoot.c_str(), &nFree, nullptr, nullptr));
        return nFree.QuadPart;
    }
    // Fills the drive until no more than nFree bytes are left.
    void LeaveFree(uint64_t nFree)
    {
        CFileHandle file(
            ::CreateFileW((m_strWork + L"\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file.IsValid());
        const std::string strChunk(1 << 16, 'f');
        while (FreeBytes() > nFree) {
            const DWORD nPart = static_cast<DWORD>(std::min<uint64_t>(FreeBytes() - nFree, strChunk.size()));
            DWORD nWritten = 0;
            ASSERT_TRUE(::WriteFile(file, strChunk.data(), nPart, &nWritten, nullptr));
            ASSERT_TRUE(::FlushFileBuffers(file));
        }
        ASSERT_LE(FreeBytes(), nFree);
    }

    std::wstring m_strRoot, m_strWork, m_strIni;
};

TEST_F(SettingsFullDrive, ASaveThatDoesNotFitKeepsTheOldFileByteForByte)
{
    // Nearly one page of others' settings: its copy still fits in the last free page, the copy
    // with the program's keys added does not.
    std::wstring strIni = kUserIni + L"[Notes]\r\n";
    for (int i = 0; strIni.size() < 1900; ++i)
        strIni += L"note" + std::to_wstring(i) + L"=a line the user wrote\r\n";
    const std::string strBefore = Utf16(strIni, true);
    ASSERT_LT(strBefore.size(), 4096u);
    for (uint64_t nFree : {uint64_t(0), uint64_t(4096)}) {
        RemoveTree(m_strWork);
        ASSERT_TRUE(::CreateDirectoryW(m_strWork.c_str(), nullptr));
        CFileHandle file(::CreateFileW(m_strIni.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        DWORD nWritten = 0;
        ASSERT_TRUE(::WriteFile(file, strBefore.data(), static_cast<DWORD>(strBefore.size()), &nWritten, nullptr));
        file.Close();
        LeaveFree(nFree);

        OptionSet o;
        CMainWindowSettings m;
        ASSERT_TRUE(LoadSettings(m_strIni, o, m).bOk);
        o.ErrorLogFilePath = m_strWork + L"\\" + std::wstring(200, L'l');
        const CSettingsFileStatus saved = SaveSettings(m_strIni, nullptr, o, m);
        EXPECT_FALSE(saved.bOk) << nFree;
        EXPECT_EQ(saved.dwError, static_cast<DWORD>(ERROR_DISK_FULL)) << nFree;
        EXPECT_FALSE(saved.bReadOnly);
        std::string strAfter;
        ASSERT_TRUE(ReadWholeFile(m_strIni, strAfter));
        EXPECT_TRUE(strAfter == strBefore) << nFree;
        EXPECT_EQ(FileNames(m_strWork), (std::vector<std::wstring>{L"Pelnix.ini", L"filler"})) << nFree;
    }
}

} // namespace
