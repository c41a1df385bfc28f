// A job: the shaped tree with every record's choices and marks, the options that decide a run and
// the last destination, kept in a file (UTF-8 JSON, ".plxjob") so that it can be opened, run again
// and resumed after a crash. Reading and writing are plain functions; nothing here needs a window.
// A job file is untrusted: reading either gives a whole job or one message that says what is wrong
// and where, and never a part of one.
#pragma once
#include "tree/ItemInfo.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t JOB_FILE_EXTENSION[] = L".plxjob";
// The format this program writes; a file of a later one is refused, not guessed at.
inline constexpr int JOB_FORMAT_VERSION = 1;
// Limits that keep a hostile or broken file from exhausting the program.
inline constexpr uint64_t JOB_FILE_MAX_BYTES = 64ull << 20; // about 500,000 entries
inline constexpr int JOB_MAX_DIR_DEPTH = 400;               // directory levels below the root
inline constexpr size_t JOB_MAX_TEXT_CHARS = 32767;         // a name or a path, as the file API's longest path

// One tree node: its record (with its file entries) and the nodes below it, in the tree's order.
struct CJobNode {
    std::unique_ptr<CItemInfo> pRecord;
    std::vector<CJobNode> listChildren;
};

// The options a run reads (named after their settings keys).
struct CJobOptions {
    int NotCopyFile = 1;
    int FileOverWriteMode = 1;
    int ProtectAttrOfExist = 1;
    int BreakOnDiskFull = 0;
    int UseErrorLog = 0;
    std::wstring ErrorLogFilePath;
};

struct CJob {
    CJobNode root; // the "[ root ]" record and everything below it
    CJobOptions options;
    std::wstring strDestination;
};

// The job as the file's text (UTF-8 JSON).
std::string FormatJobText(const CJob &job);

// Reads a job from its text. On failure returns false, leaves job as it was and says in
// strError what is wrong and where.
bool ParseJobText(std::string_view text, CJob &job, std::wstring &strError);

// The whole file read (at most nMaxBytes) and parsed; the same contract as ParseJobText.
bool ReadJobFile(const std::wstring &strPath, CJob &job, std::wstring &strError,
                 uint64_t nMaxBytes = JOB_FILE_MAX_BYTES);

// Writes the job next to the file, then moves it onto the file, so that the file is always
// either the old job or the new one, even when the process ends in between. False with the
// system's error in strError.
bool WriteJobFile(const std::wstring &strPath, const CJob &job, std::wstring &strError);

// Whether a name read from a job may stand for one entry inside its directory: one component
// that cannot leave the directory, name a drive or a stream, or hide control characters. Names
// that a directory listing can give (trailing dots, device names, wildcards) pass; the copy opens
// those by their exact form.
bool IsStoredNameSafe(std::wstring_view strName);
