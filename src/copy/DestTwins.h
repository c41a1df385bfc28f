// File entries of the tree that would land on a destination path an earlier entry already takes:
// names that differ only in case or in trailing dots and spaces, in one directory or in two
// directories that themselves land on one. The first in tree order keeps the path; each later one
// is never copied, so that no file of the run is taken for another's up-to-date copy or replaced
// by it.
#pragma once
#include <string>
#include <unordered_map>

class CCopyRun;
class CDirTreeCtrl;
class CItemInfo;

// Each later entry with the source path of the entry that keeps the destination.
using CDestTwins = std::unordered_map<const CItemInfo *, std::wstring>;

// Over every file entry of the tree, processed or not, so that a later run that copies only the
// unprocessed ones still knows who keeps each path.
CDestTwins FindDestTwins(const CDirTreeCtrl &tree);

// Counts a later entry as not copied, with a log line naming it and the entry that keeps the path.
void ReportDestTwin(CCopyRun &run, const std::wstring &strSrc, const std::wstring &strOwner);
