// A job taken from the directory tree view, and put into it. The command line runs a job through
// these as the window does: ReadJobFile, PutJobIntoTree, the run, then SaveJobOfTree for the marks.
#pragma once
#include "tree/JobFile.h"

class CDirTreeCtrl;
class CTreeDrawHold;

// While it lives, nodes inserted into the tree are not selected one by one (which would open
// every parent and scroll) and the tree is not drawn; once it ends the tree draws again.
class CQuietInsert {
public:
    explicit CQuietInsert(CDirTreeCtrl &tree);
    ~CQuietInsert();
    CQuietInsert(const CQuietInsert &) = delete;
    CQuietInsert &operator=(const CQuietInsert &) = delete;

private:
    CDirTreeCtrl &m_tree;
    std::unique_ptr<CTreeDrawHold> m_pHold;
    bool m_bBusy;
    int m_nNoExpand;
};

// A copy of the tree's records (every node in its order, every file entry) and of its run options.
CJob MakeJobOfTree(const CDirTreeCtrl &tree, const std::wstring &strDestination);

// Replaces the tree and its run options by the job's, without asking (the caller asked). The
// job's records move into the tree. The root is selected and opened one level.
void PutJobIntoTree(CDirTreeCtrl &tree, CJob &job);

// MakeJobOfTree written to the file; false with the reason in strError.
bool SaveJobOfTree(const CDirTreeCtrl &tree, const std::wstring &strDestination, const std::wstring &strPath,
                   std::wstring &strError);
