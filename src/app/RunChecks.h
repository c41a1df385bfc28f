// The run command's checks and questions, asked before the run itself starts.
#pragma once
#include <cstdint>
#include <string>

extern const wchar_t kRunNoDirectories[]; // a directories-only run with nothing below the root
extern const wchar_t kRunNoDirsOrFiles[]; // a file run with only the root and no files in it
extern const wchar_t kRunNothingLeft[];   // unprocessed-only, and nothing is left (Yes / No)

// The confirmation (OK / Cancel): where, what, and for an unprocessed-only file run which files.
std::wstring RunConfirmText(const std::wstring &strDest, bool bDirectoryOnly, bool bOnlyUnprocessed);
// The files to copy do not fit into the destination's free space: run anyway? (Yes / No)
std::wstring DiskShortQuestion(uint64_t nTotal, uint64_t nFree);

// The question a file run asks about its total and the destination's free space before it starts.
enum RunSpaceQuestion {
    RUN_SPACE_NONE,         // nothing to ask
    RUN_SPACE_SHORT,        // DiskShortQuestion
    RUN_SPACE_NOTHING_LEFT, // kRunNothingLeft
};
// nFree is DISK_FREE_UNKNOWN when the volume could not be asked: then it is never short.
RunSpaceQuestion RunSpaceCheck(uint64_t nTotal, uint64_t nFree, bool bOnlyUnprocessed);
