// A list of directories to add below a node: a text file a person or a spreadsheet made, one
// relative directory path per line ("2026年度\総務\会議資料"). Every level of every line must pass
// the name rule; one refused line refuses the whole list.
#pragma once
#include "support/ItemName.h"
#include "tree/ItemInfo.h"

#include <string>
#include <string_view>
#include <vector>

class CDirTreeCtrl;

inline constexpr size_t DIR_LIST_MAX_BYTES = 16u << 20;

struct CDirListRefusal {
    size_t nLine = 0;       // from 1
    std::wstring strText;   // the line as read
    std::wstring strReason; // what is wrong with it
};

// The levels of each path of the list. Blank lines are skipped; blanks and one pair of double
// quotes around a line are not part of it; "\" and "/" both separate levels, and one trailing
// separator is allowed. False when the text cannot be decoded (listRefused then holds nothing)
// or any line is refused (each in listRefused).
bool ParseDirList(std::string_view bytes, std::vector<std::vector<std::wstring>> &listPaths,
                  std::vector<CDirListRefusal> &listRefused);

// Adds the paths as directory nodes below hParent, reusing a child of the same name (any case)
// where there is one; returns the number of nodes made.
size_t AddDirList(CDirTreeCtrl &tree, HTREEITEM hParent, const std::vector<std::vector<std::wstring>> &listPaths);
