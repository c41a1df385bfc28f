// The job commands on the real main window: keys, system menu and drop; a shaped tree saved and
// opened again record for record; the erase question; damaged files; the list of directories.
#include "FileHelpers.h"
#include "JobRecords.h"
#include "MainDlgRun.h"

#include "app/JobCommands.h"
#include "app/ToolCommands.h"
#include "copy/RunResult.h"
#include "tree/JobTree.h"
#include "tree/TreeConfirmTexts.h"

#include <shlobj.h>

#include <cstring>

namespace {

std::string Narrow(const std::wstring &s)
{
    return std::string(s.begin(), s.end());
}

// Holds Ctrl (and Shift) in the thread's key state while a key message is posted to hWnd.
void PressWithCtrl(HWND hWnd, UINT nKey, bool bShift = false)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    keys[VK_SHIFT] = bShift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageW(hWnd, WM_KEYDOWN, nKey, 1);
}

void ReleaseKeys()
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

// A drop of one file, as the shell hands it to the window.
void DropFile(HWND hWnd, const std::wstring &strPath)
{
    const size_t nBytes = sizeof(DROPFILES) + (strPath.size() + 2) * sizeof(wchar_t);
    HGLOBAL hDrop = ::GlobalAlloc(GHND, nBytes);
    auto *pDrop = static_cast<DROPFILES *>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char *>(pDrop) + sizeof(DROPFILES), strPath.c_str(), strPath.size() * sizeof(wchar_t));
    ::GlobalUnlock(hDrop);
    ::SendMessageW(hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
}

std::wstring Caption(const CMainDlg &dlg)
{
    return dlg.GetWindowText();
}

HTREEITEM ChildNamed(const CDirTreeCtrl &tree, HTREEITEM hParent, const std::wstring &strName)
{
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h))
        if (tree.GetItemRecord(h)->m_strName == strName)
            return h;
    return nullptr;
}

TEST(JobRules, KeysMenuItemsAndCaption)
{
    EXPECT_EQ(JobCommandForKey('S', true, false, false), ID_JOB_SAVE);
    EXPECT_EQ(JobCommandForKey('S', true, true, false), ID_JOB_SAVE_AS);
    EXPECT_EQ(JobCommandForKey('O', true, false, false), ID_JOB_OPEN);
    EXPECT_EQ(JobCommandForKey('S', false, false, false), 0u);
    EXPECT_EQ(JobCommandForKey('S', true, false, true), 0u); // Ctrl+Alt is another character on some keyboards
    EXPECT_EQ(JobCommandForKey('O', true, true, false), 0u);
    EXPECT_EQ(JobCommandForKey('X', true, false, false), 0u);
    EXPECT_EQ(JobCommandForSysCommand(IDM_SYS_IMPORT_LIST | 0x3), ID_JOB_IMPORT_LIST);
    EXPECT_EQ(JobCommandForSysCommand(SC_CLOSE), 0u);
    EXPECT_EQ(JobCaption(L"", L"Ostrel:Halvorn"), L"Ostrel:Halvorn");
    EXPECT_EQ(JobCaption(L"C:\\jobs\\月次.PLXJOB", L"Ostrel:Halvorn"), L"月次 - Ostrel:Halvorn");
    EXPECT_EQ(JobCaption(L"C:\\jobs.d\\nightly.json", L"P"), L"nightly.json - P");
    EXPECT_TRUE(IsJobFileName(L"a.plxjob"));
    EXPECT_FALSE(IsJobFileName(L".plxjob.txt"));
}

TEST(JobCommands, AShapedTreeSavedWithTheKeysOpensAgainRecordForRecord)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    CTempDir &dir = run.m_dir;
    const std::wstring strJob = dir / L"月次.plxjob", strDst = dir / L"dst";
    RecordLines before;
    run.Step([&] {
        for (const wchar_t *psz :
             {L"src\\a\\one.txt", L"src\\a\\deep\\two.txt", L"src\\b\\three.txt", L"src\\top.txt", L"src\\c\\ﾃﾞｰﾀ.bin"})
            ASSERT_TRUE(dir.WriteFile(psz, std::string(10, 'x')));
        tree.NotCopyFile = 0;
        ASSERT_GT(tree.ScanDirectory(dir / L"src", nullptr, false), 0);
        const HTREEITEM hRoot = tree.GetRootItem();
        // Renamed by its label.
        const HTREEITEM hA = ChildNamed(tree, hRoot, L"a");
        ASSERT_NE(hA, nullptr);
        tree.SelectItem(hA);
        tree.EditLabel(hA);
        ::SetWindowTextW(tree.GetEditControl(), L"改名");
        tree.EndLabelEdit(false);
        // Added, and another directory moved below it.
        tree.SelectItem(hRoot);
        dlg.DispatchCommand(ID_ADD_DIR);
        tree.EndLabelEdit(false);
        const HTREEITEM hNew = ChildNamed(tree, hRoot, L"新規 SubDir");
        ASSERT_NE(hNew, nullptr);
        ASSERT_NE(tree.CopySubtree(ChildNamed(tree, hRoot, L"b"), hNew, true, true), nullptr);
        // What the item dialog stores for one directory and one file, and the bulk settings for all files.
        CItemInfo *pC = tree.GetItemRecord(ChildNamed(tree, hRoot, L"c"));
        pC->m_nTimeMode = TIME_MODE_SPECIFIED;
        pC->m_ftSpecified = FILETIME{0x12345678, 0x01DC0000};
        pC->m_dwAttributes |= FILE_ATTRIBUTE_HIDDEN;
        pC->m_listFiles[0]->m_dwAttributes = FILE_ATTRIBUTE_READONLY;
        pC->m_listFiles[0]->MarkAttrSet();
        for (const auto &pRecord : tree.GetItemDataList())
            for (const auto &pFile : pRecord->m_listFiles)
                pFile->m_nTimeMode = TIME_MODE_SYSCLOCK;
        SetDlgItemTextW(dlg.m_hWnd, IDC_DEST_PATH, strDst.c_str());
        // Saved with Ctrl+S: the save dialog the first time.
        run.m_seams.m_listFileAnswers.push_back(strJob);
        PressWithCtrl(tree.m_hWnd, 'S');
    });
    run.Step([&] {
        ReleaseKeys();
        ASSERT_EQ(run.m_seams.m_listFileRequests.size(), 1u);
        EXPECT_TRUE(run.m_seams.m_listFileRequests[0].bSave);
        EXPECT_EQ(run.m_seams.m_listFileRequests[0].strDefaultExt, L"plxjob");
        EXPECT_EQ(Caption(dlg), L"月次 - Ostrel:Halvorn");
        // A run's marks are written back into the job when it ends.
        run.m_seams.m_listMessageAnswers.push_back(IDOK); // its summary
        dlg.m_strDestination = strDst;
        tree.ExecuteCopy(strDst, false, false);
        before = TreeRecords(tree);
        CJob job;
        std::wstring strError;
        ASSERT_TRUE(ReadJobFile(strJob, job, strError));
        EXPECT_EQ(JobRecords(job), before);
        // Ctrl+S again saves into the same file without asking.
        PressWithCtrl(tree.m_hWnd, 'S');
    });
    run.Step([&] {
        ReleaseKeys();
        EXPECT_EQ(run.m_seams.m_listFileRequests.size(), 1u);
        // Cleared: the tree is no longer the job's.
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        dlg.DispatchCommand(ID_CLEAR_TREE);
        EXPECT_EQ(tree.GetCount(), 1u);
        EXPECT_EQ(Caption(dlg), L"Ostrel:Halvorn");
        tree.NotCopyFile = 1;
        tree.FileOverWriteMode = FOW_ALWAYS;
        SetDlgItemTextW(dlg.m_hWnd, IDC_DEST_PATH, L"");
        // Opened from the system menu; an empty tree asks nothing.
        run.m_seams.m_listFileAnswers.push_back(strJob);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_SYS_JOB_OPEN, 0);
    });
    run.Step([&] {
        EXPECT_FALSE(run.m_seams.m_listFileRequests.back().bSave);
        EXPECT_EQ(TreeRecords(tree), before);
        EXPECT_EQ(tree.NotCopyFile, 0);
        EXPECT_EQ(tree.FileOverWriteMode, FOW_IF_NEWER);
        EXPECT_EQ(dlg.GetDlgItemText(IDC_DEST_PATH), strDst);
        EXPECT_EQ(Caption(dlg), L"月次 - Ostrel:Halvorn");
        EXPECT_EQ(tree.GetSelectedItem(), tree.GetRootItem());
        CloseConfirmed(run);
    });
    run.Run();
}

TEST(JobCommands, OpeningAsksTheEraseQuestionAndADamagedFileChangesNothing)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    const std::wstring strJob = run.m_dir / L"job.plxjob", strBroken = run.m_dir / L"broken.plxjob";
    RecordLines saved, shaped;
    run.Step([&] {
        ASSERT_NE(tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"保存", {5, 6}, L"C:\\s"), TVI_SORT), nullptr);
        saved = TreeRecords(tree);
        run.m_seams.m_listFileAnswers.push_back(strJob);
        dlg.DispatchCommand(ID_JOB_SAVE);
        std::string strText;
        ASSERT_TRUE(ReadWholeFile(strJob, strText));
        ASSERT_TRUE(run.m_dir.WriteFile(L"broken.plxjob", strText.substr(0, strText.size() / 2)));
        ASSERT_NE(tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"後から"), TVI_SORT), nullptr);
        shaped = TreeRecords(tree);
        // A damaged file: told, and no question about the tree.
        run.m_seams.m_listFileAnswers.push_back(strBroken);
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        dlg.DispatchCommand(ID_JOB_OPEN);
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(run.m_seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_NE(run.m_seams.m_listMessages[0].strText.find(L"ｼﾞｮﾌﾞﾌｧｲﾙを開けません。"), std::wstring::npos);
        EXPECT_NE(run.m_seams.m_listMessages[0].strText.find(strBroken), std::wstring::npos);
        EXPECT_NE(run.m_seams.m_listMessages[0].strText.find(L"途中で切れて"), std::wstring::npos);
        EXPECT_EQ(TreeRecords(tree), shaped);
        // A whole file: the erase question first; Cancel keeps the tree.
        run.m_seams.m_listFileAnswers.push_back(strJob);
        run.m_seams.m_listMessageAnswers.push_back(IDCANCEL);
        dlg.DispatchCommand(ID_JOB_OPEN);
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 2u);
        EXPECT_EQ(run.m_seams.m_listMessages[1].strText, ClearTreeQuestion(false, tree.NotCopyFile != 0));
        EXPECT_EQ(run.m_seams.m_listMessages[1].strCaption, L"確認");
        EXPECT_EQ(TreeRecords(tree), shaped);
        // Dropped on the window, and the question answered OK.
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        DropFile(dlg.m_hWnd, strJob);
    });
    run.Step([&] {
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 3u);
        EXPECT_EQ(TreeRecords(tree), saved);
        // While busy every way in is refused with a beep and nothing is asked.
        dlg.EnableUserInterface(false);
        const size_t nBeeps = run.m_seams.m_listBeeps.size();
        dlg.DispatchCommand(ID_JOB_SAVE);
        dlg.DispatchCommand(ID_JOB_OPEN);
        DropFile(dlg.m_hWnd, strJob);
        EXPECT_EQ(run.m_seams.m_listBeeps.size(), nBeeps + 3);
        HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        dlg.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, 1));
        EXPECT_TRUE(::GetMenuState(hMenu, IDM_SYS_JOB_OPEN, MF_BYCOMMAND) & MF_GRAYED);
        dlg.EnableUserInterface(true);
        dlg.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, 1));
        EXPECT_FALSE(::GetMenuState(hMenu, IDM_SYS_JOB_OPEN, MF_BYCOMMAND) & MF_GRAYED);
        wchar_t sz[64] = {};
        ::GetMenuStringW(hMenu, IDM_SYS_IMPORT_LIST, sz, 64, MF_BYCOMMAND);
        EXPECT_STREQ(sz, L"ﾘｽﾄから追加");
        // Anything but one job file is refused.
        DropFile(dlg.m_hWnd, run.m_dir / L"Pelnix.ini");
        EXPECT_EQ(run.m_seams.m_listBeeps.size(), nBeeps + 4);
        EXPECT_EQ(run.m_seams.m_listFileRequests.size(), 3u);
        CloseConfirmed(run);
    });
    run.Run();
}

TEST(JobCommands, AListAddsItsDirectoriesBelowTheSelectionOrNothingAtAll)
{
    CMainDlgRun run;
    CMainDlg &dlg = run.m_dlg;
    CDirTreeCtrl &tree = dlg.m_tree;
    run.Step([&] {
        const HTREEITEM hTop = tree.InsertItemData(tree.GetRootItem(), MakeDirRecord(L"上"), TVI_SORT);
        ASSERT_NE(hTop, nullptr);
        // Code page 932, as a spreadsheet saves a column: "総務\会議資料", "経理".
        ASSERT_TRUE(run.m_dir.WriteFile(L"good.txt",
                                        "\x91\x8D\x96\xB1\\\x89\xEF\x8B\x63\x8E\x91\x97\xBF\r\n\x8C\x6F\x97\x9D\r\n"));
        ASSERT_TRUE(run.m_dir.WriteFile(L"bad.txt", "ok\r\n..\\up\r\n"));
        tree.SelectItem(hTop);
        const RecordLines before = TreeRecords(tree);
        run.m_seams.m_listFileAnswers.push_back(run.m_dir / L"bad.txt");
        run.m_seams.m_listMessageAnswers.push_back(IDOK);
        dlg.DispatchCommand(ID_JOB_IMPORT_LIST);
        ASSERT_EQ(run.m_seams.m_listMessages.size(), 1u);
        EXPECT_NE(run.m_seams.m_listMessages[0].strText.find(L"2 行目"), std::wstring::npos)
            << Narrow(run.m_seams.m_listMessages[0].strText);
        EXPECT_EQ(TreeRecords(tree), before);
        run.m_seams.m_listFileAnswers.push_back(run.m_dir / L"good.txt");
        dlg.DispatchCommand(ID_JOB_IMPORT_LIST);
        const HTREEITEM hGeneral = ChildNamed(tree, hTop, L"総務");
        ASSERT_NE(hGeneral, nullptr);
        EXPECT_NE(ChildNamed(tree, hGeneral, L"会議資料"), nullptr);
        EXPECT_NE(ChildNamed(tree, hTop, L"経理"), nullptr);
        EXPECT_EQ(tree.GetCount(), 5u);
        EXPECT_EQ(run.m_seams.m_listMessages.size(), 1u);
        CloseConfirmed(run);
    });
    run.Run();
}

} // namespace
