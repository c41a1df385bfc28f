// Which attributes and which last-write time a destination directory or file receives, decided
// from the item's choices and from the destination as it was before the copy phase touched it.
#pragma once
#include <windows.h>

#include <string>

// A destination before the copy: whether it could be read, and then its attributes and time.
struct CDestState {
    bool bExists = false;
    DWORD dwAttributes = 0;
    FILETIME ftLastWrite = {};
    bool bMissing = false; // not read because nothing has that name (not for any other failure)
};

// Reads the destination's attributes and last-write time; bExists false when they cannot be read.
CDestState ReadDestState(const std::wstring &strPath);

// The time a file receives.
enum : int {
    FILE_TIME_NONE = 0,      // none: the copy, or the file as it is, decides
    FILE_TIME_NOW = 1,       // the run's m_ftNow
    FILE_TIME_SPECIFIED = 2, // the entry's m_ftSpecified
    FILE_TIME_SOURCE = 3,    // the entry's m_ftSource
};

// The system clock and a specified time always apply. The source's time applies only without
// protection to an existing destination whose time differs from it in whole seconds.
int ChooseFileTime(int nTimeMode, bool bProtectAttrOfExist, const CDestState &dest, const FILETIME &ftSource);

// A file not there yet: only when the user changed the entry's attributes (the copy gives it the
// source's). An existing one: without protection when its attributes differ; with protection only
// when the user changed the entry's attributes.
bool NeedsFileAttributes(bool bProtectAttrOfExist, const CDestState &dest, DWORD dwItemAttributes, bool bAttrSet);

// A directory this run created gets the item's attributes when they differ from what it was given
// (a new directory is not always plain: compression or encryption may come with its volume); one
// that was there before gets them only without protection and when they differ.
bool NeedsDirAttributes(bool bProtectAttrOfExist, const CDestState &dest, DWORD dwItemAttributes, bool bCreatedByRun);

// After a file was copied: the copy gave it the source's time, so a record that carries any flag
// drops the set-time flag when the entry's choice is the source's time.
DWORD FlagsAfterCopy(DWORD dwKind, int nTimeMode);

// Equal when both fall into the same second.
bool IsSameSecond(const FILETIME &ftA, const FILETIME &ftB);
// True when ftA falls into a later second than ftB. Raw file times: any year the system holds.
bool IsLaterSecond(const FILETIME &ftA, const FILETIME &ftB);
