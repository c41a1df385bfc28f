// The destination of a run, checked before the confirmation: one absolute path, and not the
// source of the tree or a place inside it.
#pragma once
#include "tree/DirTreeCtrl.h"

#include <string>
#include <vector>

struct CRunDestination {
    bool bEmpty = false;   // nothing but blanks: ask for a folder
    std::wstring strPath;  // the normalised path when it may be used
    std::wstring strError; // why it may not (shown with the caption "Error"); empty when it may
};

// strInput as typed or chosen; listSources the directories the tree was read from.
CRunDestination CheckRunDestination(const std::wstring &strInput, const std::vector<std::wstring> &listSources);

// The directories the tree's records were read from, each once, none inside another.
std::vector<std::wstring> TreeSourceDirectories(const CDirTreeCtrl &tree);
