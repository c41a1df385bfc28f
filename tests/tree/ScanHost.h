// The scan tests' stage: the main window's own dialog template with the directory tree attached to
// its tree control (as the main window attaches it), a scripted person, and a source directory on
// the real file system.
#pragma once
#include "ScriptedSeams.h"
#include "TempDir.h"
#include "TreeViewHost.h"

#include <string>
#include <vector>

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(::IsWindow(Tree().m_hWnd));
        m_hRoot = Tree().GetRootItem();
        ASSERT_NE(m_hRoot, nullptr);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CItemInfo *Record(HTREEITEM h) { return Tree().GetItemRecord(h); }
    HTREEITEM Root() { return Tree().GetRootItem(); }

    // A file of nBytes bytes, or a directory when the name ends in a backslash.
    void Make(const std::wstring &strRel, size_t nBytes = 0)
    {
        if (!strRel.empty() && strRel.back() == L'\\')
            ASSERT_TRUE(m_src.MakeDir(strRel.substr(0, strRel.size() - 1)));
        else
            ASSERT_TRUE(m_src.WriteFile(strRel, std::string(nBytes, 'x')));
    }
    void SetAttributes(const std::wstring &strRel, DWORD dwAdd)
    {
        const std::wstring strPath = m_src / strRel;
        ASSERT_TRUE(::SetFileAttributesW(strPath.c_str(), ::GetFileAttributesW(strPath.c_str()) | dwAdd));
    }

    int Scan(const std::wstring &strPath, HTREEITEM hParent = nullptr, bool bAddLoad = false)
    {
        return Tree().ScanDirectory(strPath, hParent, bAddLoad);
    }

    Labels Children(HTREEITEM hParent) const { return m_host.Children(hParent); }
    HTREEITEM Child(HTREEITEM hParent, const std::wstring &strLabel, int nIndex = 0) const
    {
        return m_host.Child(hParent, strLabel, nIndex);
    }
    static Labels FileNames(const CItemInfo *pDir)
    {
        Labels list;
        for (const auto &pFile : pDir->m_listFiles)
            list.push_back(pFile->m_strName);
        return list;
    }
    int Image(HTREEITEM h) const { return m_host.Image(h); }
    // Every record's total equals the sum of its entries.
    void ExpectTotalsAreSums()
    {
        for (const auto &pRecord : Tree().GetItemDataList()) {
            uint64_t nSum = 0;
            for (const auto &pFile : pRecord->m_listFiles)
                nSum += pFile->m_dwSize;
            EXPECT_EQ(pRecord->m_dwSize, nSum) << std::string(pRecord->m_strName.begin(), pRecord->m_strName.end());
        }
    }
    // The status window was closed and deleted, the scan is over.
    void ExpectScanEnded()
    {
        EXPECT_EQ(Tree().m_pStatusWnd, nullptr);
        EXPECT_FALSE(Tree().m_bBusy);
        EXPECT_EQ(Tree().m_pScanDisplay, nullptr);
        EXPECT_TRUE(Tree().IsWindowVisible()); // drawing again
    }

    CScriptedSeams m_seams;
    CTempDir m_src;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_SCAN_STAGE};
    CTreeHostDlg &m_dlg = m_host.m_dlg;
    HTREEITEM m_hRoot = nullptr;
};
