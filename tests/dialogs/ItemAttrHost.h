// The attribute dialog tests' stage: the main window's template with the directory tree attached
// to its tree control, a source directory on the real file system scanned into it with its files,
// a scripted person, and steps run from a modal dialog's own message loop.
#pragma once
#include "ScriptedSeams.h"
#include "TempDir.h"
#include "TreeViewHost.h"
#include "WindowText.h"

#include <functional>
#include <string>

// Runs fn from the dialog's own loop once what was posted before it is handled.
inline std::function<void()> &PendingStep()
{
    static std::function<void()> fn;
    return fn;
}

inline void CALLBACK RunPendingStep(HWND hWnd, UINT, UINT_PTR idTimer, DWORD)
{
    ::KillTimer(hWnd, idTimer);
    auto fn = std::move(PendingStep());
    PendingStep() = nullptr;
    if (fn)
        fn();
}

inline void Later(HWND hDlg, std::function<void()> fn)
{
    PendingStep() = std::move(fn);
    ::SetTimer(hDlg, 1, USER_TIMER_MINIMUM, RunPendingStep);
}

inline std::wstring ItemText(HWND hDlg, int nID)
{
    return Text(::GetDlgItem(hDlg, nID));
}

class AttrDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.IsReady()); }

    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CItemInfo *Record(HTREEITEM h) { return Tree().GetItemRecord(h); }

    // The scanned source: a.txt 5 and B.doc 3 in the root, x.txt 7, y.dat 11, z.c 13 in dir1.
    void ScanSample()
    {
        ASSERT_TRUE(m_src.WriteFile(L"a.txt", std::string(5, 'a')));
        ASSERT_TRUE(m_src.WriteFile(L"B.doc", std::string(3, 'b')));
        ASSERT_TRUE(m_src.WriteFile(L"dir1\\x.txt", std::string(7, 'x')));
        ASSERT_TRUE(m_src.WriteFile(L"dir1\\y.dat", std::string(11, 'y')));
        ASSERT_TRUE(m_src.WriteFile(L"dir1\\z.c", std::string(13, 'z')));
        Tree().NotCopyFile = 0;
        Tree().FileSortOrder = 0x10001; // ascending by name
        ASSERT_GT(Tree().ScanDirectory(m_src.Path(), nullptr, false), 0);
        m_seams.m_listBeeps.clear();
        m_hRoot = Tree().GetRootItem();
        ASSERT_NE(m_hRoot, nullptr);
        m_hDir = m_host.Child(m_hRoot, L"dir1");
        ASSERT_NE(m_hDir, nullptr);
        ASSERT_EQ(Record(m_hDir)->m_listFiles.size(), 3u);
    }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_SCAN_STAGE};
    CTempDir m_src;
    HTREEITEM m_hRoot = nullptr;
    HTREEITEM m_hDir = nullptr;
};
