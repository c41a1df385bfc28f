// Runs the real main window modally, with its settings file in a fresh directory and the
// application object routing its tool bar, and plays steps from the window's own message loop.
#pragma once
#include "app/MainApp.h"
#include "app/MainDlg.h"
#include "res/resource.h"

#include "ScriptedSeams.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class CMainDlgRun {
public:
    // strIni: the settings file's text ("" for none); UTF-16 with its byte-order mark, as the program writes it.
    explicit CMainDlgRun(const std::wstring &strIni = L"")
    {
        m_dlg.m_strSettingsPath = IniPath();
        if (!strIni.empty()) {
            std::string bytes("\xFF\xFE", 2);
            bytes.append(reinterpret_cast<const char *>(strIni.data()), strIni.size() * sizeof(wchar_t));
            m_dir.WriteFile(L"Pelnix.ini", bytes);
        }
        m_app.m_pMainWnd = &m_dlg;
    }
    ~CMainDlgRun()
    {
        if (m_idTimer)
            ::KillTimer(nullptr, m_idTimer);
        if (Current() == this)
            Current() = nullptr;
        m_app.m_pMainWnd = nullptr;
    }

    std::wstring IniPath() const { return m_dir / L"Pelnix.ini"; }

    // A step runs once every message posted before it has been handled (commands included) and,
    // unless bWhileBusy, once the window is idle: a scan pumps messages, and its steps wait for its end.
    void Step(std::function<void()> fn, bool bWhileBusy = false) { m_listSteps.push_back({std::move(fn), bWhileBusy}); }

    // Runs the window; after the last step (or a step's fatal failure) a window still open is ended
    // with IDABORT, so a test that expects the window to close itself sees that it did not.
    INT_PTR Run()
    {
        m_seams.m_listDialogActions.push_back([this](CDialog &) { ScheduleNext(); });
        INT_PTR nResult = m_dlg.DoModal();
        EXPECT_TRUE(m_listSteps.empty()) << m_listSteps.size() << " steps left when the window closed";
        return nResult;
    }

    CTempDir m_dir;
    CScriptedSeams m_seams;
    CMainApp m_app;
    CMainDlg m_dlg;
    int m_nStepsRun = 0;

private:
    static CMainDlgRun *&Current()
    {
        static CMainDlgRun *s_pRun = nullptr;
        return s_pRun;
    }

    // A thread timer's message comes only when no posted message is waiting.
    void ScheduleNext()
    {
        Current() = this;
        m_idTimer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &CMainDlgRun::OnTimer);
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR idTimer, DWORD)
    {
        ::KillTimer(nullptr, idTimer);
        CMainDlgRun *pRun = Current();
        Current() = nullptr;
        if (pRun) {
            pRun->m_idTimer = 0;
            pRun->RunNextStep();
        }
    }

    void RunNextStep()
    {
        HWND hDlg = m_dlg.m_hWnd;
        if (!hDlg || !::IsWindow(hDlg))
            return;
        if (m_listSteps.empty() || ::testing::Test::HasFatalFailure()) {
            ::EndDialog(hDlg, IDABORT);
            return;
        }
        // A modal dialog shows itself once its loop first goes idle; on a loaded machine the timer
        // can come before that.
        if (m_nStepsRun == 0 && !::IsWindowVisible(hDlg)) {
            ScheduleNext();
            return;
        }
        if (m_dlg.IsBusy() && !m_listSteps.front().bWhileBusy) {
            ScheduleNext();
            return;
        }
        auto fn = std::move(m_listSteps.front().fn);
        m_listSteps.pop_front();
        ++m_nStepsRun;
        fn();
        if (m_dlg.m_hWnd && ::IsWindow(m_dlg.m_hWnd))
            ScheduleNext();
    }

    struct CStep {
        std::function<void()> fn;
        bool bWhileBusy;
    };
    std::deque<CStep> m_listSteps;
    UINT_PTR m_idTimer = 0;
};

// Answers the window's questions in place of the run's own seams while installed; the main window
// itself is still started by those.
class CMainWindowSeams : public CScriptedSeams {
public:
    explicit CMainWindowSeams(CMainDlgRun &run) : m_run(run) {}
    void OnModalDialogInit(CDialog &dlg) override { m_run.m_seams.OnModalDialogInit(dlg); }

protected:
    CMainDlgRun &m_run;
};

// The real main window, run by a test whose seams (a CMainWindowSeams) answer its commands' questions.
template <class TSeams> class CMainWindowTest : public ::testing::Test {
protected:
    CMainWindowTest() : m_seams(m_run) {}

    CDirTreeCtrl &Tree() { return m_run.m_dlg.m_tree; }
    // Runs the command with the given answers; the window and its tree exist while it runs.
    void Command(UINT nCommand, std::initializer_list<int> listAnswers)
    {
        ASSERT_TRUE(::IsWindow(m_run.m_dlg.m_hWnd));
        m_seams.m_listMessages.clear();
        m_seams.m_listMessageAnswers.assign(listAnswers.begin(), listAnswers.end());
        m_run.m_dlg.DispatchCommand(nCommand);
        EXPECT_TRUE(m_seams.m_listMessageAnswers.empty()) << "answers left: " << m_seams.m_listMessageAnswers.size();
    }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> list;
        for (const auto &msg : m_seams.m_listMessages)
            list.push_back(msg.strText);
        return list;
    }
    std::vector<std::wstring> Captions() const
    {
        std::vector<std::wstring> list;
        for (const auto &msg : m_seams.m_listMessages)
            list.push_back(msg.strCaption);
        return list;
    }

    CMainDlgRun m_run;
    TSeams m_seams; // installed after the run's own, so it answers
    CTempDir m_dir;
};

// Ends the window through its exit question, answered with OK.
inline void CloseConfirmed(CMainDlgRun &run)
{
    run.m_seams.m_listMessageAnswers.push_back(IDOK);
    run.m_dlg.PostMessage(WM_CLOSE);
}

// Clicks a tool bar button with the mouse, as a person would (nothing happens when it is disabled).
inline void ClickToolButton(const CMainDlg &dlg, UINT nCommand)
{
    HWND hBar = dlg.GetDlgItem(IDC_TOOLBAR);
    RECT rc = {};
    ASSERT_TRUE(::SendMessageW(hBar, TB_GETRECT, nCommand, reinterpret_cast<LPARAM>(&rc))) << nCommand;
    LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageW(hBar, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageW(hBar, WM_LBUTTONUP, 0, lPoint);
}

inline bool IsToolEnabled(const CMainDlg &dlg, UINT nCommand)
{
    return ::SendMessageW(dlg.GetDlgItem(IDC_TOOLBAR), TB_ISBUTTONENABLED, nCommand, 0) != 0;
}

// A directory record for the tree, with files of the given sizes.
inline std::unique_ptr<CItemInfo> MakeDirRecord(const std::wstring &strName,
                                                std::initializer_list<uint64_t> listSizes = {},
                                                const std::wstring &strSource = L"")
{
    auto pDir = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pDir->m_strName = strName;
    pDir->m_strSourcePath = strSource;
    int n = 0;
    for (uint64_t nSize : listSizes) {
        auto pFile = std::make_unique<CItemInfo>(ITEM_KIND_FILE);
        pFile->m_strName = L"f" + std::to_wstring(++n) + L".dat";
        pFile->m_dwSize = nSize;
        pDir->AppendFile(std::move(pFile));
    }
    return pDir;
}
