// What a scan leaves out or cannot tell apart, gathered on the way and told once at its end: the
// directories not descended into, those that could not be listed, and names that one destination
// would take for the same name.
#pragma once
#include "support/FileSystem.h"

#include <windows.h>

#include <string>
#include <vector>

struct CScanFindings {
    struct CUnreadable {
        std::wstring strPath;
        DWORD dwError = 0;
    };
    std::vector<std::wstring> listNotFollowed;
    std::vector<CUnreadable> listUnreadable;
    std::vector<std::wstring> listNameTwins; // the later entry of each pair, by path

    bool IsEmpty() const { return listNotFollowed.empty() && listUnreadable.empty() && listNameTwins.empty(); }
};

// True when the scan lists a directory but does not descend into it: a link or junction (a
// reparse point) may lead anywhere, back up the source included, and a directory that is one of
// those on the way down (pIdentity among listAncestors) would repeat the tree without end.
// pIdentity null: the directory told no identity.
bool IsNotFollowed(DWORD dwAttributes, const CDirIdentity *pIdentity, const std::vector<CDirIdentity> &listAncestors);

// How many paths of each kind the warning names; the count says how many there are.
constexpr size_t kFindingsPathsShown = 5;

// The one message that ends a scan with findings; empty when there are none. strErrorText gives
// the system's text for a listing's error code.
std::wstring FormatScanFindings(const CScanFindings &findings, std::wstring (*pErrorText)(DWORD));
