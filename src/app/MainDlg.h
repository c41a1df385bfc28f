// The main window (IDD_PELNIX_DIALOG): the tool bar, the directory tree, the report pane on the selected
// directory's files and the destination row. Its parts: MainDlg.cpp (messages, start-up, exit),
// MainDlgCommands.cpp (the tool bar commands), MainDlgState.cpp (busy state, command states,
// layout), MainDlgReport.cpp, MainDlgSelect.cpp (source and destination), RunCommand.cpp (the
// checks and questions before a run, and the run).
#pragma once
#include "app/CommandStates.h"
#include "app/JobCommands.h"
#include "app/MainToolBar.h"
#include "app/Settings.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "support/DpiArt.h"
#include "tree/DirTreeCtrl.h"

#include <memory>
#include <string>

class CJobMarksWriter;

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(HWND hParent = nullptr);

    // Runs a tool bar command or a job command (WM_TOOLCOMMAND); other ids are ignored, and so is
    // any command that arrives while the window is busy or another command is under way (a job
    // command, which comes from a key, the system menu or a drop, with a beep).
    void DispatchCommand(UINT nID);

    // Off: busy, wait cursor, every tool bar button and the destination row and report pane
    // disabled, the tree locked against edits. On: all back, and the command states recomputed.
    void EnableUserInterface(bool bEnable);
    // Enables the commands that depend on the tree's content and selection (not while busy).
    void UpdateCommandStates();
    // Lays the controls out in the client area.
    void ArrangeControls();
    // Shows the selected directory's file figures in the report pane (while files are part of the job).
    void RefreshReport();

    // The source folder scanned into a fresh tree, or (bAddLoad) into the present one.
    void SelectSource(bool bAddLoad);
    // The destination folder, into IDC_DEST_PATH.
    void SelectDestination();

    // The exit question, the settings saved, the error log offered for deletion, and the end.
    // Nothing while busy.
    void ExitSequence();

    // The run of ID_RUN_DIRS_ONLY or ID_RUN_WITH_FILES (Shift or the right button held: only the
    // files an earlier run left unprocessed), after its checks and questions.
    void RunCommand(bool bDirectoryOnly);
    void OptionsCommand();
    void EditAttributesCommand();
    // The about box, run modally while the window is busy.
    void ShowVersionInfo();

    // The tree commands of the tool bar.
    void ClearTreeCommand();
    // A directory "新規 SubDir" below the selected node, its label open for editing.
    void AddDirectoryCommand();
    // Deletes the selected node after the tree's question; beeps when nothing is selected.
    void DeleteDirectoryCommand();

    // Job files (JobCommands.cpp).
    // Saves the tree as a job into the file it came from or was last saved to; the first time, or
    // with bAskName, into a file the person names in the save dialog.
    void SaveJobCommand(bool bAskName);
    // The open dialog, then OpenJobFile.
    void OpenJobCommand();
    // Reads the job file whole, then after the erase question puts it in the tree's place. A file
    // that cannot be read is told with its reason and changes nothing. False when nothing opened.
    bool OpenJobFile(const std::wstring &strPath);
    // Directories from a list file, added below the selected node (else the root).
    void ImportListCommand();

    bool IsBusy() const { return m_bBusy != 0; }

    CDirTreeCtrl m_tree;       // IDC_DIRTREE; holds the options
    CMainToolBar m_wndToolBar; // IDC_TOOLBAR
    CMainWindowSettings m_settings;
    std::wstring m_strSettingsPath; // "Pelnix.ini" beside the program
    bool m_bSettingsUnread = false; // it was there but not read: the exit leaves it alone
    std::wstring m_strSourcePath;   // the last source chosen, offered first next time
    std::wstring m_strDestination;  // mirrors IDC_DEST_PATH
    std::wstring m_strJobPath;      // the job file the tree belongs to; empty when none

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape never close the main window; they end a label edit (keep / discard).
    void OnOK() override { m_tree.EndLabelEdit(false); }
    void OnCancel() override { m_tree.EndLabelEdit(true); }
    bool OnCommand(UINT nID, UINT nCode, HWND hCtrl) override;
    bool OnNotify(NMHDR *pHdr, LRESULT *pResult) override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    // The report's font and the tree's images for the window's DPI.
    void ApplyDpi(int nDpi);
    // Moved to a monitor of another DPI: everything of a fixed size again, at the suggested place.
    void OnDpiChanged(int nDpi, const RECT &rcSuggested);
    bool OnToolTipText(NMTTDISPINFOW &info);
    // The label of the tree's top node.
    std::wstring RootLabel() const;

    void RunToolCommand(UINT nID);
    // What the tree's content and selection allow now.
    CCommandStates CurrentCommandStates() const;

    // Job files: the system menu, the drop and the keys set up; their messages; what follows them.
    void InitJobCommands();
    bool OnJobMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void RunJobCommand(UINT nID);
    void SetJobPath(const std::wstring &strPath);
    // Forgets the job file once the tree it belonged to was cleared or replaced by a scan.
    void SyncJobWithTree();
    CJobKeys m_jobKeys;
    std::shared_ptr<CJobMarksWriter> m_pJobMarks;
    unsigned m_nJobClears = 0;     // the tree's m_nClears when the job file was taken
    std::wstring m_strDroppedPath; // the job file dropped, opened from the queue
    wchar_t m_szCaption[128] = {}; // the window's own caption, under a job's name

    int m_bBusy = 0;
    bool m_bDispatching = false;                        // a command is under way
    CWindowIcons m_icons;                               // the caption's icons at the window's DPI
    CCursor m_cursorMove, m_cursorNoDrop, m_cursorCopy; // the tree's drag cursors at the window's DPI
    int m_nDpi = 96;                                    // the window's DPI, for everything drawn at a fixed size
    CFont m_fontReport;                                 // fixed pitch, for the report pane
    HCURSOR m_hcurRestore = nullptr;                    // the cursor before the wait cursor
};
