// What the run tests share: the main window's dialog with its tree control as a CDirTreeCtrl,
// a tree built from a real source directory as a scan builds it, a record of the sources to prove
// they were not touched, the answers to the run's messages, and a hand on the status window's
// cancel button.
#pragma once
#include "copy/RunResult.h"
#include "framework/Handles.h"
#include "support/StatusWnd.h"

#include "FileHelpers.h"
#include "ScriptedSeams.h"
#include "TempDir.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace runtest {

inline uint64_t U64(const FILETIME &ft)
{
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// A local time of whole seconds as a UTC file time.
inline FILETIME LocalFileTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond)
{
    SYSTEMTIME st = {wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, 0};
    FILETIME ftLocal = {}, ftUtc = {};
    ::SystemTimeToFileTime(&st, &ftLocal);
    ::LocalFileTimeToFileTime(&ftLocal, &ftUtc);
    return ftUtc;
}

inline bool SetLastWrite(const std::wstring &strPath, const FILETIME &ft)
{
    CFileHandle file(::CreateFileW(strPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    return file && ::SetFileTime(file, nullptr, nullptr, &ft);
}

// An entry's bytes (none for a directory), attributes and last-write time; a tree of them by relative path.
struct CFileState {
    std::string strBytes;
    DWORD dwAttributes = 0;
    uint64_t nLastWrite = 0;
    bool operator==(const CFileState &o) const
    {
        return strBytes == o.strBytes && dwAttributes == o.dwAttributes && nLastWrite == o.nLastWrite;
    }
};
using CTreeState = std::map<std::wstring, CFileState>;

inline void ReadTreeState(const std::wstring &strDir, const std::wstring &strRel, CTreeState &state)
{
    for (const auto &fd : ListDir(strDir)) {
        const std::wstring strName = fd.cFileName;
        const std::wstring strPath = strDir + L"\\" + strName;
        const std::wstring strKey = strRel.empty() ? strName : strRel + L"\\" + strName;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ReadTreeState(strPath, strKey, state);
            continue;
        }
        CFileState &file = state[strKey];
        ReadWholeFile(strPath, file.strBytes);
        file.dwAttributes = fd.dwFileAttributes;
        file.nLastWrite = U64(fd.ftLastWriteTime);
    }
}

inline CTreeState TreeState(const std::wstring &strDir)
{
    CTreeState state;
    ReadTreeState(strDir, L"", state);
    return state;
}

inline void AddDirectories(CDirTreeCtrl &tree, HTREEITEM hParent, const std::wstring &strDir)
{
    for (const auto &fd : ListDir(strDir)) {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        const std::wstring strPath = strDir + L"\\" + fd.cFileName;
        auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
        pDir->m_strName = fd.cFileName;
        pDir->m_dwAttributes = fd.dwFileAttributes;
        pDir->m_ftSource = fd.ftLastWriteTime;
        AddFileEntries(*pDir, strPath);
        HTREEITEM hItem = tree.InsertItemData(hParent, std::move(pDir), TVI_SORT);
        ASSERT_NE(hItem, nullptr);
        AddDirectories(tree, hItem, strPath);
    }
}

// Answers the run's messages: the overwrite question from a list (it is asked on the worker
// thread, so everything here is guarded), every other message with OK. Records all of them.
class CRunSeams : public CScriptedSeams {
public:
    std::deque<int> m_listOverwriteAnswers;
    std::vector<DWORD> m_listAskingThreads;   // thread of each overwrite question
    std::function<void()> m_fnDuringQuestion; // run on the asking thread before the answer

    int MessageBox(HWND hOwner, const std::wstring &strText, const std::wstring &strCaption, UINT nType) override
    {
        CLock lock(m_cs);
        if (strCaption == L"上書き確認") {
            m_listAskingThreads.push_back(::GetCurrentThreadId());
            if (m_fnDuringQuestion)
                m_fnDuringQuestion();
            if (!m_listOverwriteAnswers.empty()) {
                m_listMessageAnswers.push_front(m_listOverwriteAnswers.front());
                m_listOverwriteAnswers.pop_front();
            }
        } else {
            m_listMessageAnswers.push_front(IDOK);
        }
        return CScriptedSeams::MessageBox(hOwner, strText, strCaption, nType);
    }

    std::vector<std::wstring> Captions()
    {
        CLock lock(m_cs);
        std::vector<std::wstring> list;
        for (const auto &msg : m_listMessages)
            list.push_back(msg.strCaption);
        return list;
    }
    // The message with this caption; fails the test when there is not exactly one.
    CAskedMessage Only(const std::wstring &strCaption)
    {
        CLock lock(m_cs);
        std::vector<CAskedMessage> list;
        for (const auto &msg : m_listMessages)
            if (msg.strCaption == strCaption)
                list.push_back(msg);
        EXPECT_EQ(list.size(), 1u);
        return list.empty() ? CAskedMessage{} : list.front();
    }

private:
    CCriticalSection m_cs;
};

// Presses the status window's cancel button when line 2 changes to what fnWhen waits for (with
// line 1 as shown), or with bByEscape the Escape key: its key messages go where the keyboard
// focus is, as a person's would. Either is posted when the line is set, so it lands at the next
// drain.
class CCancelWhen {
public:
    explicit CCancelWhen(std::function<bool(const std::wstring &, const std::wstring &)> fnWhen, bool bByEscape = false)
        : m_fnWhen(std::move(fnWhen)), m_bByEscape(bByEscape)
    {
        s_pThis = this;
        m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, HookProc, nullptr, ::GetCurrentThreadId());
    }
    ~CCancelWhen()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    CCancelWhen(const CCancelWhen &) = delete;
    CCancelWhen &operator=(const CCancelWhen &) = delete;

    bool IsHooked() const { return m_hHook != nullptr; }
    bool m_bPressed = false;
    bool m_bFocusInStatus = false; // where the Escape key went

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const auto *pMsg = reinterpret_cast<const CWPSTRUCT *>(lParam);
        if (nCode == HC_ACTION && s_pThis && !s_pThis->m_bPressed && pMsg->message == WM_SETTEXT &&
            ::GetDlgCtrlID(pMsg->hwnd) == IDC_STATUS_LINE2) {
            const HWND hStatus = ::GetParent(pMsg->hwnd);
            const HWND hButton = ::GetDlgItem(hStatus, IDC_STATUS_CANCEL);
            wchar_t szLine1[1024] = {};
            ::GetDlgItemTextW(hStatus, IDC_STATUS_LINE1, szLine1, 1024);
            if (hButton && s_pThis->m_fnWhen(szLine1, reinterpret_cast<const wchar_t *>(pMsg->lParam))) {
                s_pThis->m_bPressed = true;
                if (s_pThis->m_bByEscape) {
                    const HWND hFocus = ::GetFocus();
                    s_pThis->m_bFocusInStatus = hFocus && (hFocus == hStatus || ::IsChild(hStatus, hFocus));
                    ::PostMessageW(hFocus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                    ::PostMessageW(hFocus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
                } else {
                    ::PostMessageW(hButton, BM_CLICK, 0, 0);
                }
            }
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static inline CCancelWhen *s_pThis = nullptr;
    std::function<bool(const std::wstring &, const std::wstring &)> m_fnWhen;
    bool m_bByEscape;
    HHOOK m_hHook = nullptr;
};

inline bool EndsWith(const std::wstring &str, const std::wstring &strEnd)
{
    return str.size() >= strEnd.size() && str.compare(str.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}

// The main window's dialog (not shown) whose tree control is the directory tree, a source
// directory "src" and a destination "dst" in a fresh temporary directory, and the log directory.
class CRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        ASSERT_TRUE(m_dir.MakeDir(L"src"));
        ASSERT_TRUE(m_dir.MakeDir(L"log"));
        m_strSrc = m_dir / L"src";
        m_strDst = m_dir / L"dst";
        m_tree.UseErrorLog = 1;
        m_tree.ErrorLogFilePath = m_dir / L"log";
    }
    void TearDown() override
    {
        if (m_bSourceRead) {
            EXPECT_TRUE(TreeState(m_strSrc) == m_source) << "a source file changed";
        }
        m_tree.DeleteAllItemData();
        m_tree.UnsubclassWindow();
        m_host.m_dlg.DestroyWindow();
    }

    // Builds the tree from the source as a scan does and remembers every source file.
    void LoadTree()
    {
        HTREEITEM hRoot = m_tree.GetRootItem();
        AddFileEntries(*m_tree.GetItemRecord(hRoot), m_strSrc);
        m_tree.UpdateItemImage(hRoot);
        AddDirectories(m_tree, hRoot, m_strSrc);
        m_source = TreeState(m_strSrc);
        m_bSourceRead = true;
    }
    // After the tree was built: a source file that the run must not find, so no longer checked.
    void ForgetSource(const std::wstring &strRel) { m_source.erase(strRel); }

    void Run(bool bDirectoryOnly = false, bool bOnlyUnprocessed = false)
    {
        m_result = m_tree.ExecuteCopy(m_strDst, bDirectoryOnly, bOnlyUnprocessed);
    }

    std::wstring Src(const std::wstring &strRel) const { return m_strSrc + L"\\" + strRel; }
    std::wstring Dst(const std::wstring &strRel) const { return m_strDst + L"\\" + strRel; }

    // The record of a directory by its path below the root ("" for the root), and of a file entry.
    CItemInfo *Dir(const std::wstring &strRel) const
    {
        HTREEITEM h = m_tree.GetRootItem();
        size_t pos = 0;
        while (h && pos < strRel.size()) {
            size_t end = strRel.find(L'\\', pos);
            if (end == std::wstring::npos)
                end = strRel.size();
            const std::wstring strName = strRel.substr(pos, end - pos);
            for (h = m_tree.GetChildItem(h); h && m_tree.GetItemRecord(h)->m_strName != strName;)
                h = m_tree.GetNextSiblingItem(h);
            pos = end + 1;
        }
        return h ? m_tree.GetItemRecord(h) : nullptr;
    }
    CItemInfo *File(const std::wstring &strDir, const std::wstring &strName) const
    {
        CItemInfo *pDir = Dir(strDir);
        if (!pDir)
            return nullptr;
        for (const auto &pFile : pDir->m_listFiles)
            if (pFile->m_strName == strName)
                return pFile.get();
        return nullptr;
    }

    // The error log file of this process as text (it is written in the ANSI code page).
    std::wstring LogText() const
    {
        std::string strBytes;
        wchar_t szName[32];
        ::swprintf(szName, 32, L"PLX[%08X].err", ::GetCurrentProcessId());
        if (!ReadWholeFile(m_tree.ErrorLogFilePath + L"\\" + szName, strBytes))
            return std::wstring();
        // The code page, or UTF-8 after its mark when a name needed it.
        UINT nCodePage = CP_ACP;
        if (strBytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            strBytes.erase(0, 3);
            nCodePage = CP_UTF8;
        }
        std::wstring str(strBytes.size(), L'\0');
        str.resize(
            static_cast<size_t>(::MultiByteToWideChar(nCodePage, 0, strBytes.data(), static_cast<int>(strBytes.size()),
                                                      str.data(), static_cast<int>(str.size()))));
        return str;
    }
    static size_t Count(const std::wstring &strText, const std::wstring &strPart)
    {
        size_t n = 0;
        for (size_t pos = strText.find(strPart); pos != std::wstring::npos; pos = strText.find(strPart, pos + 1))
            ++n;
        return n;
    }

    CRunSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_RUN_STAGE};
    CDirTreeCtrl &m_tree = m_host.m_tree;
    CTempDir m_dir;
    std::wstring m_strSrc, m_strDst;
    CTreeState m_source;
    bool m_bSourceRead = false;
    CRunResult m_result; // what the last Run left
};

} // namespace runtest
