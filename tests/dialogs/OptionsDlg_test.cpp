#include "dialogs/OptionsDlg.h"

#include "dialogs/OptionsRules.h"
#include "res/resource.h"
#include "tree/OptionSet.h"

#include "ScriptedSeams.h"
#include "TempDir.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Runs a step from the dialog's own message loop once what was posted before it is handled.
// The timer belongs to the dialog, so a step of a dialog that has ended never runs.
std::function<void()> g_fnStep;

void CALLBACK RunStep(HWND hWnd, UINT, UINT_PTR idTimer, DWORD)
{
    ::KillTimer(hWnd, idTimer);
    auto fn = std::move(g_fnStep);
    g_fnStep = nullptr;
    if (fn)
        fn();
}

void Later(HWND hDlg, std::function<void()> fn)
{
    g_fnStep = std::move(fn);
    ::SetTimer(hDlg, 1, USER_TIMER_MINIMUM, RunStep);
}

bool IsDirectory(const std::wstring &strPath)
{
    DWORD a = ::GetFileAttributesW(strPath.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameOptions(const OptionSet &a, const OptionSet &b)
{
    return a.NoExpandOnSearch == b.NoExpandOnSearch && a.SkipSystemDir == b.SkipSystemDir &&
           a.SkipHiddenDir == b.SkipHiddenDir && a.NotCopyFile == b.NotCopyFile && a.UseErrorLog == b.UseErrorLog &&
           a.ProtectAttrOfExist == b.ProtectAttrOfExist && a.BreakOnDiskFull == b.BreakOnDiskFull &&
           a.NoExpandOnCopy == b.NoExpandOnCopy && a.FileSortOrder == b.FileSortOrder &&
           a.FileOverWriteMode == b.FileOverWriteMode && a.ErrorLogFilePath == b.ErrorLogFilePath;
}

const int SORT_AND_COPY_IDS[] = {IDC_OPT_SORT_NONE,         IDC_OPT_SORT_ASCENDING, IDC_OPT_SORT_DESCENDING,
                                 IDC_OPT_SORT_BY_NAME,      IDC_OPT_SORT_BY_EXT,    IDC_OPT_OVERWRITE_MODE,
                                 IDC_OPT_BREAK_ON_DISK_FULL};
const int ALWAYS_ENABLED_IDS[] = {IDC_OPT_NO_EXPAND_SEARCH, IDC_OPT_SKIP_HIDDEN,      IDC_OPT_SKIP_SYSTEM,
                                  IDC_OPT_NOT_COPY_FILE,    IDC_OPT_PROTECT_EXISTING, IDC_OPT_NO_EXPAND_COPY,
                                  IDC_OPT_USE_ERROR_LOG,    IDC_OPT_ERROR_LOG_DIR,    IDC_OPT_BROWSE_LOG_DIR};

// The enabled state of the sort radios, IDC_OPT_OVERWRITE_MODE and IDC_OPT_BREAK_ON_DISK_FULL as a string of 1s and 0s,
// for short expectations.
std::string SortAndCopyStates(HWND hDlg)
{
    std::string s;
    for (int nID : SORT_AND_COPY_IDS)
        s += Enabled(hDlg, nID) ? '1' : '0';
    return s;
}

TEST(OptionsRules, SortOrderRadiosAndBack)
{
    struct {
        int nStored, nDirection, nKey, nRebuilt;
    } cases[] = {
        {2, 0, 1, 2},               // the construction value: no sort, extension preselected
        {0, 0, 1, 2},               // no key bit: by extension
        {1, 0, 0, 1},               // no sort, by name
        {0x10001, 1, 0, 0x10001},   // ascending by name
        {0x10002, 1, 1, 0x10002},   // ascending by extension
        {0x20001, 2, 0, 0x20001},   // descending by name
        {0x20002, 2, 1, 0x20002},   // descending by extension
        {0x30001, 0, 0, 1},         // both directions: neither exactly, no sort
        {0x10003, 1, 1, 0x10002},   // both keys: not exactly the name
        {0x50001, 0, 0, 1},         // a stray high bit
        {int(0x80020001), 0, 0, 1}, // negative
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SortDirectionIndex(c.nStored), c.nDirection) << std::hex << c.nStored;
        EXPECT_EQ(SortKeyIndex(c.nStored), c.nKey) << std::hex << c.nStored;
        EXPECT_EQ(MakeFileSortOrder(c.nDirection, c.nKey), c.nRebuilt) << std::hex << c.nStored;
    }
    // A group without a checked radio adds nothing.
    EXPECT_EQ(MakeFileSortOrder(-1, -1), 0);
}

TEST(OptionsDlg, EveryControlInOrderWithItsText)
{
    struct CExpected {
        int nID;
        const wchar_t *pszClass;
        const wchar_t *pszText;
    };
    const CExpected expected[] = {
        {-1, L"Button", L"検索時 :"},
        {IDC_OPT_NO_EXPAND_SEARCH, L"Button", L"ﾂﾘｰﾋﾞｭｰの項目展開を抑制"},
        {IDC_OPT_SKIP_HIDDEN, L"Button", L"隠し属性の付いたﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙは無視する"},
        {IDC_OPT_SKIP_SYSTEM, L"Button", L"ｼｽﾃﾑ属性の付いたﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙは無視する"},
        {-1, L"Static", L""}, // the etched frame headed by IDC_OPT_NOT_COPY_FILE
        {IDC_OPT_NOT_COPY_FILE, L"Button", L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘ内のﾌｧｲﾙは無視する"},
        {IDC_OPT_SORT_NONE, L"Button", L"ｿｰﾄ無し"},
        {IDC_OPT_SORT_ASCENDING, L"Button", L"昇順ｿｰﾄ"},
        {IDC_OPT_SORT_DESCENDING, L"Button", L"降順ｿｰﾄ"},
        {-1, L"Static", L""}, // the inner etched frame of the key radios
        {IDC_OPT_SORT_BY_NAME, L"Button", L"名前でｿｰﾄ"},
        {IDC_OPT_SORT_BY_EXT, L"Button", L"拡張子でｿｰﾄ"},
        {-1, L"Button", L"ﾃﾞｨﾚｸﾄﾘ作成/ﾌｧｲﾙ複写時 :"},
        {IDC_OPT_NO_EXPAND_COPY, L"Button", L"ﾌｧｲﾙ複写時、ﾂﾘｰﾋﾞｭｰの項目展開を抑制"},
        {IDC_OPT_PROTECT_EXISTING, L"Button", L"既存ﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙの属性･ﾀｲﾑｽﾀﾝﾌﾟは変更しない"},
        {-1, L"Static", L"ﾌｧｲﾙ既存時 :"},
        {IDC_OPT_OVERWRITE_MODE, L"ComboBox", nullptr},
        {IDC_OPT_BREAK_ON_DISK_FULL, L"Button", L"容量不足を検出したらすぐ処理を中止する"},
        {IDC_OPT_USE_ERROR_LOG, L"Button", L"ｴﾗｰﾛｸﾞを記録する"},
        {-1, L"Static", L"ﾛｸﾞﾌｧｲﾙ保存 Dir :"},
        {IDC_OPT_ERROR_LOG_DIR, L"Edit", nullptr},
        {IDC_OPT_BROWSE_LOG_DIR, L"Button", L"..."},
        {IDOK, L"Button", L"OK"},
        {IDCANCEL, L"Button", L"ｷｬﾝｾﾙ"},
    };

    CScriptedSeams seams;
    OptionSet options;
    bool bRan = false;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        bRan = true;
        HWND hDlg = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(hDlg));
        EXPECT_EQ(Text(hDlg), L"ｵﾌﾟｼｮﾝ");
        // At 96 DPI: the image of its icon that LoadIcon picks.
        EXPECT_EQ(IconPixels(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_BIG))),
                  IconPixels(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_OPTIONS))));
        const std::vector<HWND> children = ChildWindows(hDlg);
        ASSERT_EQ(children.size(), std::size(expected));
        int nEtched = 0, nGroupBoxes = 0;
        for (size_t i = 0; i < children.size(); ++i) {
            HWND h = children[i];
            const CExpected &e = expected[i];
            ExpectControl(h, e, i);
            const LONG style = ::GetWindowLongW(h, GWL_STYLE);
            if (e.pszClass == std::wstring(L"Static") && (style & SS_TYPEMASK) == SS_ETCHEDFRAME)
                ++nEtched;
            if (e.pszClass == std::wstring(L"Button") && (style & BS_TYPEMASK) == BS_GROUPBOX)
                ++nGroupBoxes;
        }
        EXPECT_EQ(nEtched, 2);
        EXPECT_EQ(nGroupBoxes, 2);
        HWND hList = dlg.GetDlgItem(IDC_OPT_OVERWRITE_MODE);
        const LONG listStyle = ::GetWindowLongW(hList, GWL_STYLE);
        EXPECT_EQ(listStyle & 3, CBS_DROPDOWNLIST);
        EXPECT_FALSE(listStyle & CBS_SORT);
        const wchar_t *modes[] = {L"無条件に上書き", L"複写元の方が新しい時のみ上書き", L"確認する", L"上書きしない"};
        ASSERT_EQ(::SendMessageW(hList, CB_GETCOUNT, 0, 0), 4);
        for (int i = 0; i < 4; ++i) {
            wchar_t sz[64] = {};
            ::SendMessageW(hList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(sz));
            EXPECT_STREQ(sz, modes[i]);
        }
        dlg.PostButtonClick(IDCANCEL);
    });
    EXPECT_FALSE(EditOptions(options, nullptr));
    EXPECT_TRUE(bRan);
}

TEST(OptionsDlg, FilledFromTheOptionsAndCopiedBackOnlyOnOK)
{
    CTempDir tmp;
    ASSERT_TRUE(tmp.MakeDir(L"ﾛｸﾞ 置き場"));
    CScriptedSeams seams;
    OptionSet options;
    options.NoExpandOnSearch = 1;
    options.SkipHiddenDir = 1;
    options.SkipSystemDir = 0;
    options.NotCopyFile = 0;
    options.FileSortOrder = FSO_DESCENDING | FSO_BY_NAME;
    options.FileOverWriteMode = FOW_NEVER;
    options.ProtectAttrOfExist = 0;
    options.BreakOnDiskFull = 1;
    options.UseErrorLog = 1;
    options.ErrorLogFilePath = tmp.Path();
    options.NoExpandOnCopy = 1;
    int nSteps = 0;
    const std::wstring strNewDir = tmp / L"ﾛｸﾞ 置き場";
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        EXPECT_TRUE(Checked(h, IDC_OPT_NO_EXPAND_SEARCH));
        EXPECT_TRUE(Checked(h, IDC_OPT_SKIP_HIDDEN));
        EXPECT_FALSE(Checked(h, IDC_OPT_SKIP_SYSTEM));
        EXPECT_FALSE(Checked(h, IDC_OPT_NOT_COPY_FILE));
        EXPECT_TRUE(Checked(h, IDC_OPT_SORT_DESCENDING));
        EXPECT_FALSE(Checked(h, IDC_OPT_SORT_NONE));
        EXPECT_TRUE(Checked(h, IDC_OPT_SORT_BY_NAME));
        EXPECT_FALSE(Checked(h, IDC_OPT_SORT_BY_EXT));
        EXPECT_EQ(::SendDlgItemMessageW(h, IDC_OPT_OVERWRITE_MODE, CB_GETCURSEL, 0, 0), FOW_NEVER);
        EXPECT_FALSE(Checked(h, IDC_OPT_PROTECT_EXISTING));
        EXPECT_TRUE(Checked(h, IDC_OPT_BREAK_ON_DISK_FULL));
        EXPECT_TRUE(Checked(h, IDC_OPT_USE_ERROR_LOG));
        EXPECT_EQ(dlg.GetDlgItemText(IDC_OPT_ERROR_LOG_DIR), tmp.Path());
        EXPECT_TRUE(Checked(h, IDC_OPT_NO_EXPAND_COPY));
        Later(h, [&, h] {
            ++nSteps;
            for (int nID :
                 {IDC_OPT_NO_EXPAND_SEARCH, IDC_OPT_SKIP_SYSTEM, IDC_OPT_SORT_ASCENDING, IDC_OPT_SORT_BY_EXT,
                  IDC_OPT_PROTECT_EXISTING, IDC_OPT_BREAK_ON_DISK_FULL, IDC_OPT_USE_ERROR_LOG, IDC_OPT_NO_EXPAND_COPY})
                Click(h, nID);
            ::SendDlgItemMessageW(h, IDC_OPT_OVERWRITE_MODE, CB_SETCURSEL, FOW_ASK, 0);
            ::SetDlgItemTextW(h, IDC_OPT_ERROR_LOG_DIR, (strNewDir + L"\\").c_str());
            Click(h, IDOK);
        });
    });
    EXPECT_TRUE(EditOptions(options, nullptr));
    EXPECT_EQ(nSteps, 1);
    EXPECT_EQ(options.NoExpandOnSearch, 0);
    EXPECT_EQ(options.SkipHiddenDir, 1);
    EXPECT_EQ(options.SkipSystemDir, 1);
    EXPECT_EQ(options.NotCopyFile, 0);
    EXPECT_EQ(options.FileSortOrder, FSO_ASCENDING | FSO_BY_EXT);
    EXPECT_EQ(options.FileOverWriteMode, FOW_ASK);
    EXPECT_EQ(options.ProtectAttrOfExist, 1);
    EXPECT_EQ(options.BreakOnDiskFull, 0);
    EXPECT_EQ(options.UseErrorLog, 0);
    EXPECT_EQ(options.ErrorLogFilePath, strNewDir); // kept without the trailing backslash
    EXPECT_EQ(options.NoExpandOnCopy, 0);
    EXPECT_TRUE(seams.m_listMessages.empty());
}

TEST(OptionsDlg, IgnoringFilesGreysOutSortOverwriteAndDiskFull)
{
    CScriptedSeams seams;
    OptionSet options; // ignores files, no sort, by extension
    int nSteps = 0;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        EXPECT_EQ(SortAndCopyStates(h), "0000000");
        Later(h, [&, h] {
            ++nSteps;
            Click(h, IDC_OPT_NOT_COPY_FILE); // files again: keys only with a direction
            EXPECT_EQ(SortAndCopyStates(h), "1110011");
            Click(h, IDC_OPT_SORT_DESCENDING);
            EXPECT_EQ(SortAndCopyStates(h), "1111111");
            Click(h, IDC_OPT_SORT_NONE);
            EXPECT_EQ(SortAndCopyStates(h), "1110011");
            Click(h, IDC_OPT_SORT_ASCENDING);
            EXPECT_EQ(SortAndCopyStates(h), "1111111");
            Click(h, IDC_OPT_SORT_BY_NAME); // a key click keeps the state
            EXPECT_EQ(SortAndCopyStates(h), "1111111");
            Click(h, IDC_OPT_NOT_COPY_FILE); // all at once, choices kept
            EXPECT_EQ(SortAndCopyStates(h), "0000000");
            EXPECT_TRUE(Checked(h, IDC_OPT_SORT_ASCENDING));
            EXPECT_TRUE(Checked(h, IDC_OPT_SORT_BY_NAME));
            for (int nID : ALWAYS_ENABLED_IDS)
                EXPECT_TRUE(Enabled(h, nID)) << nID;
            Click(h, IDC_OPT_USE_ERROR_LOG); // the log directory does not follow the log switch
            EXPECT_TRUE(Enabled(h, IDC_OPT_ERROR_LOG_DIR));
            EXPECT_TRUE(Enabled(h, IDC_OPT_BROWSE_LOG_DIR));
            Click(h, IDOK);
        });
    });
    EXPECT_TRUE(EditOptions(options, nullptr));
    EXPECT_EQ(nSteps, 1);
    // Greyed-out choices are still the dialog's values.
    EXPECT_EQ(options.NotCopyFile, 1);
    EXPECT_EQ(options.FileSortOrder, FSO_ASCENDING | FSO_BY_NAME);
}

TEST(OptionsDlg, SortOrderRoundTrips)
{
    struct {
        int nStored;
        int nDirectionID, nKeyID;
        int nBack;
    } cases[] = {
        {2, IDC_OPT_SORT_NONE, IDC_OPT_SORT_BY_EXT, 2},
        {0, IDC_OPT_SORT_NONE, IDC_OPT_SORT_BY_EXT, 2},
    };
    for (const auto &c : cases) {
        CScriptedSeams seams;
        OptionSet options;
        options.NotCopyFile = 0;
        options.FileSortOrder = c.nStored;
        seams.m_listDialogActions.push_back([&](CDialog &dlg) {
            HWND h = dlg.m_hWnd;
            for (int nID = IDC_OPT_SORT_NONE; nID <= IDC_OPT_SORT_BY_EXT; ++nID)
                EXPECT_EQ(Checked(h, nID), nID == c.nDirectionID || nID == c.nKeyID) << nID << " " << c.nStored;
            dlg.PostButtonClick(IDOK);
        });
        EXPECT_TRUE(EditOptions(options, nullptr));
        EXPECT_EQ(options.FileSortOrder, c.nBack) << c.nStored;
    }
}

TEST(OptionsDlg, BrowsingFillsTheLogDirectoryAndCancelKeepsTheOptions)
{
    CTempDir tmp;
    ASSERT_TRUE(tmp.MakeDir(L"選んだ"));
    CScriptedSeams seams;
    OptionSet options;
    options.ErrorLogFilePath = tmp.Path();
    const OptionSet before = options;
    seams.m_listFolderAnswers.push_back({FOLDER_CANCELLED, L""});
    seams.m_listFolderAnswers.push_back({FOLDER_CHOSEN, tmp / L"選んだ"});
    HWND hDlg = nullptr;
    int nSteps = 0;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = hDlg = dlg.m_hWnd;
        Later(h, [&, h] {
            ++nSteps;
            Click(h, IDC_OPT_USE_ERROR_LOG);
            Click(h, IDC_OPT_BROWSE_LOG_DIR); // cancelled: the text stays
            EXPECT_EQ(Text(::GetDlgItem(h, IDC_OPT_ERROR_LOG_DIR)), tmp.Path());
            Click(h, IDC_OPT_BROWSE_LOG_DIR);
            EXPECT_EQ(Text(::GetDlgItem(h, IDC_OPT_ERROR_LOG_DIR)), tmp / L"選んだ");
            EXPECT_TRUE(Checked(h, IDC_OPT_USE_ERROR_LOG)); // written back with the other members
            Click(h, IDCANCEL);
        });
    });
    EXPECT_FALSE(EditOptions(options, nullptr));
    EXPECT_EQ(nSteps, 1);
    EXPECT_TRUE(SameOptions(options, before));
    ASSERT_EQ(seams.m_listFolders.size(), 2u);
    for (const CAskedFolder &asked : seams.m_listFolders) {
        EXPECT_EQ(asked.req.strCaption, L"ｴﾗｰﾛｸﾞ保存ﾃﾞｨﾚｸﾄﾘの選択");
        EXPECT_EQ(asked.req.strPrompt, L"ｴﾗｰﾛｸﾞの保存ﾃﾞｨﾚｸﾄﾘを選択してください。");
        EXPECT_EQ(asked.req.strInitialPath, tmp.Path());
        EXPECT_EQ(asked.req.hOwner, hDlg);
    }
    EXPECT_TRUE(seams.m_listMessages.empty());
}

std::wstring MissingQuestion(const std::wstring &strDir)
{
    return L"※ ﾛｸﾞﾌｧｲﾙの保存先ﾃﾞｨﾚｸﾄﾘ、\n\n   Dir : " + strDir + L"\n\n   は、存在しません。\n\n※ 作成しますか ?";
}

std::wstring NotCreatedError(const std::wstring &strDir)
{
    return L"※ ﾛｸﾞﾌｧｲﾙの保存先ﾃﾞｨﾚｸﾄﾘ、\n\n   Dir : " + strDir +
           L"\n\n   を、作成できませんでした。\n\n※ 指定を見直してください。";
}

TEST(OptionsDlg, MissingLogDirectoryIsCreatedOnYesAndKeptOpenOnNo)
{
    CTempDir tmp;
    const std::wstring strDir = tmp / L"ｴﾗｰ\\ﾛｸﾞ\\深い";
    CScriptedSeams seams;
    OptionSet options; // logging off: the directory is checked anyway
    seams.m_listMessageAnswers = {IDNO, IDYES};
    int nSteps = 0;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        Later(h, [&, h] {
            ++nSteps;
            ::SetDlgItemTextW(h, IDC_OPT_ERROR_LOG_DIR, strDir.c_str());
            Click(h, IDOK); // No
            Later(h, [&, h] {
                ++nSteps;
                EXPECT_TRUE(::IsWindowVisible(h));
                EXPECT_EQ(Text(::GetDlgItem(h, IDC_OPT_ERROR_LOG_DIR)), strDir);
                EXPECT_FALSE(IsDirectory(tmp / L"ｴﾗｰ"));
                Click(h, IDOK); // Yes
            });
        });
    });
    EXPECT_TRUE(EditOptions(options, nullptr));
    EXPECT_EQ(nSteps, 2);
    EXPECT_TRUE(IsDirectory(strDir));
    EXPECT_EQ(options.ErrorLogFilePath, strDir);
    ASSERT_EQ(seams.m_listMessages.size(), 2u);
    for (const CAskedMessage &m : seams.m_listMessages) {
        EXPECT_EQ(m.strText, MissingQuestion(strDir));
        EXPECT_EQ(m.strCaption, L"確認");
        EXPECT_EQ(m.nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    }
}

// A drive letter nothing is mounted on, as "X:\\".
std::wstring UnusedDriveRoot()
{
    for (wchar_t ch = L'Y'; ch >= L'D'; --ch) {
        std::wstring strRoot = std::wstring(1, ch) + L":\\";
        if (::GetDriveTypeW(strRoot.c_str()) == DRIVE_NO_ROOT_DIR)
            return strRoot;
    }
    ADD_FAILURE() << "every drive letter is in use";
    return L"";
}

TEST(OptionsDlg, LogDirectoryThatCannotBeCreatedKeepsTheDialogOpen)
{
    CTempDir tmp;
    ASSERT_TRUE(tmp.WriteFile(L"ﾌｧｲﾙ", "x"));
    struct {
        std::wstring strDir;
        const char *pszWhy;
    } cases[] = {
        {tmp / L"ﾌｧｲﾙ\\下", "below a file"},
        {tmp / L"ﾌｧｲﾙ", "a file"},
        {UnusedDriveRoot(), "a drive that is not there"},
    };
    for (const auto &c : cases) {
        CScriptedSeams seams;
        OptionSet options;
        const OptionSet before = options;
        seams.m_listMessageAnswers = {IDYES, IDOK};
        int nSteps = 0;
        seams.m_listDialogActions.push_back([&](CDialog &dlg) {
            HWND h = dlg.m_hWnd;
            Later(h, [&, h] {
                ++nSteps;
                ::SetDlgItemTextW(h, IDC_OPT_ERROR_LOG_DIR, c.strDir.c_str());
                Click(h, IDOK);
                Later(h, [&, h] {
                    ++nSteps;
                    EXPECT_TRUE(::IsWindowVisible(h)) << c.pszWhy;
                    EXPECT_EQ(Text(::GetDlgItem(h, IDC_OPT_ERROR_LOG_DIR)), c.strDir) << c.pszWhy;
                    Click(h, IDCANCEL);
                });
            });
        });
        EXPECT_FALSE(EditOptions(options, nullptr)) << c.pszWhy;
        EXPECT_EQ(nSteps, 2) << c.pszWhy;
        EXPECT_TRUE(SameOptions(options, before)) << c.pszWhy;
        ASSERT_EQ(seams.m_listMessages.size(), 2u) << c.pszWhy;
        EXPECT_EQ(seams.m_listMessages[0].strText, MissingQuestion(c.strDir)) << c.pszWhy;
        EXPECT_EQ(seams.m_listMessages[1].strText, NotCreatedError(c.strDir)) << c.pszWhy;
        EXPECT_EQ(seams.m_listMessages[1].strCaption, L"Error");
        EXPECT_EQ(seams.m_listMessages[1].nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
    DWORD a = ::GetFileAttributesW((tmp / L"ﾌｧｲﾙ").c_str());
    EXPECT_FALSE(a & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(OptionsDlg, ALogDirectoryTheLoaderWouldRefuseGetsTheErrorAtOnce)
{
    CTempDir tmp;
    wchar_t szOldDir[MAX_PATH * 2];
    ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH * 2, szOldDir), 0u);
    ASSERT_TRUE(::SetCurrentDirectoryW(tmp.Path().c_str()));
    // Empty, blank, or relative to the current directory or drive: no question about creating it.
    for (const std::wstring &strDir : {std::wstring(), std::wstring(L"   "), std::wstring(L"ﾛｸﾞ"),
                                       std::wstring(L"ﾛｸﾞ\\深い"), std::wstring(L"\\ﾛｸﾞ"), std::wstring(L"C:ﾛｸﾞ")}) {
        CScriptedSeams seams;
        OptionSet options;
        const OptionSet before = options;
        seams.m_listMessageAnswers = {IDOK};
        int nSteps = 0;
        seams.m_listDialogActions.push_back([&](CDialog &dlg) {
            HWND h = dlg.m_hWnd;
            Later(h, [&, h] {
                ++nSteps;
                ::SetDlgItemTextW(h, IDC_OPT_ERROR_LOG_DIR, strDir.c_str());
                Click(h, IDOK);
                Later(h, [&, h] {
                    ++nSteps;
                    EXPECT_TRUE(::IsWindowVisible(h));
                    EXPECT_EQ(Text(::GetDlgItem(h, IDC_OPT_ERROR_LOG_DIR)), strDir);
                    Click(h, IDCANCEL);
                });
            });
        });
        EXPECT_FALSE(EditOptions(options, nullptr));
        EXPECT_EQ(nSteps, 2);
        EXPECT_TRUE(SameOptions(options, before));
        ASSERT_EQ(seams.m_listMessages.size(), 1u) << "[" << std::string(strDir.begin(), strDir.end()) << "]";
        EXPECT_EQ(seams.m_listMessages[0].strText, NotCreatedError(strDir));
        EXPECT_EQ(seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(seams.m_listMessages[0].nType, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    }
    EXPECT_FALSE(IsDirectory(tmp / L"ﾛｸﾞ"));
    ::SetCurrentDirectoryW(szOldDir);

    // Blanks around an absolute path are dropped, in the question and in the option.
    const std::wstring strDir = tmp / L"ﾛｸﾞ";
    CScriptedSeams seams;
    OptionSet options;
    seams.m_listMessageAnswers = {IDYES};
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        Later(h, [&, h] {
            ::SetDlgItemTextW(h, IDC_OPT_ERROR_LOG_DIR, (L"  " + strDir + L" \t").c_str());
            Click(h, IDOK);
        });
    });
    EXPECT_TRUE(EditOptions(options, nullptr));
    EXPECT_EQ(options.ErrorLogFilePath, strDir);
    EXPECT_TRUE(IsDirectory(strDir));
    ASSERT_EQ(seams.m_listMessages.size(), 1u);
    EXPECT_EQ(seams.m_listMessages[0].strText, MissingQuestion(strDir));
}

} // namespace
