// CCopyRun: one run of the tree into a destination, made by CDirTreeCtrl::ExecuteCopy and gone
// when it ends. It holds what the run counts, logs and remembers; the tree gives it the nodes,
// the options, the cancel flag and the status window. Its operations live by concern:
// RunSequence.cpp (the phases, the summary), CopyFiles.cpp and CopyList.cpp (the file copy
// phase), AttrAndTime.cpp, ErrorLog.cpp, DestGuard.cpp.
#pragma once
#include "copy/RunResult.h"
#include "support/StatusPacer.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CDirTreeCtrl;
struct CCopyItem;
using CCopyList = std::vector<std::unique_ptr<CCopyItem>>;

class CCopyRun : public CRunResult {
public:
    // strDestRoot: what every destination path must stay below; empty checks nothing.
    explicit CCopyRun(CDirTreeCtrl &tree, std::wstring strDestRoot = std::wstring());
    ~CCopyRun();
    CCopyRun(const CCopyRun &) = delete;
    CCopyRun &operator=(const CCopyRun &) = delete;

    // The whole run: directories, their attributes, the files unless bDirectoryOnly, then the
    // summary and the error log.
    void Execute(bool bDirectoryOnly, bool bOnlyUnprocessed);

    void CollectLeafDirs(std::vector<std::wstring> &list, const std::wstring &strPath, HTREEITEM hParent);
    void SetSubDirAttributes(const std::wstring &strDestRoot);
    // True when a joined destination path lies below the run's destination root (or is it);
    // otherwise the run stops: logged, told, RF_DEST_OUTSIDE.
    bool GuardDestPath(const std::wstring &strPath);

    // The file copy phase.
    void CopyFiles(const std::wstring &strDestRoot, bool bOnlyUnprocessed);
    void BuildCopyList(CCopyList &list, const std::wstring &strPath, HTREEITEM hParent, bool bIncludeFiles,
                       bool bOnlyUnprocessed);
    void FreeCopyList(CCopyList &list);

    // Attributes and timestamps: the rules set the record's flags and time from the destination
    // as it is before the copy; ApplyAttrAndTime applies a record to its path. bInNewDir: the
    // file's directory was made by this run, so nothing has the file's name yet.
    void ApplyFileRules(CCopyItem &item, const std::wstring &strDstFile, bool bInNewDir = false);
    void ApplyDirRule(CCopyItem &item, const std::wstring &strDstDir);
    void ApplyAttrAndTime(CCopyItem &item);

    // The error log. Lines are kept as text; the file's encoding is chosen when it is written.
    void AddErrorLog(DWORD dwError, const std::wstring &strLabel, const std::wstring &strArg,
                     const std::wstring &strPath1, const std::wstring &strPath2);
    std::wstring GetErrorLogFileName() const;
    void SaveErrorLog();
    bool WriteErrorLogFile(const std::wstring &strPath, const std::wstring &strLines);

    // The status window is up: waits then dispatch every message, not only those sent.
    bool IsStatusShown() const;

    // The run was cancelled while pszItem is under way: a status window without a cancel button
    // says so until the run ends.
    void ShowStopping(const wchar_t *pszItem);

    CDirTreeCtrl &m_tree;
    CStatusPacer m_pacer;                              // the tree's status window
    std::unique_ptr<std::wstring> m_pErrorLog;         // the run's log lines; null once saved
    FILETIME m_ftNow = {};                             // start of the file copy phase (UTC)
    std::unordered_set<std::wstring> m_setCreatedDirs; // destination directories this run made
    const std::wstring m_strDestRoot;
};
