// Which of the main window's commands can run, from what the tree holds and what is selected.
#pragma once
#include <windows.h>

#include <cstddef>

struct CCommandStateInput {
    bool bHasRoot = false;     // the tree's first top-level node exists
    size_t nRootFiles = 0;     // its file entries
    UINT nItemCount = 0;       // nodes in the tree
    bool bSelected = false;    // a node is selected
    DWORD dwSelectedKind = 0;  // its kind (ITEM_KIND_*)
    size_t nSelectedFiles = 0; // its file entries
    bool bNotCopyFile = false; // files are not part of the job
};

struct CCommandStates {
    bool bRunDirsOnly;
    bool bRunWithFiles;
    bool bAddLoad;
    bool bDelete;
    bool bEditAttributes;
};

CCommandStates ComputeCommandStates(const CCommandStateInput &in);
