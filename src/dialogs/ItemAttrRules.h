// What the item attributes dialog decides without a window: which controls are enabled, what the
// check boxes store into an entry, the texts it shows, the copied mark after OK, and how the
// dialog may be resized.
#pragma once
#include "tree/ItemInfo.h"

#include <cstdint>
#include <string>

// The facts the enabled controls depend on.
struct CItemAttrStateInput {
    bool bSourceTime = false; // the shown entry has a source time
    bool bFileMode = false;   // a file entry is edited, not the directory
    bool bRoot = false;       // the edited item is the root
    bool bNoSelection = false;
    bool bNoFiles = false;
    bool bSpecified = false; // the explicit time choice is checked
};

struct CItemAttrStates {
    bool bSysClock;           // the system clock choice
    bool bSourceAndSpecified; // the source time and explicit time choices
    bool bDateTime;           // the date-time field
    bool bAttributes;         // the four attribute boxes
    bool bDirName;
    bool bFileList;           // the list and the source path
    bool bDeleteAndProcessed; // delete and the processed box
    bool bSort;               // sort, descending and the sort key
};

CItemAttrStates ComputeItemAttrStates(const CItemAttrStateInput &in);

// The check boxes as an attribute word; a directory keeps its directory bit.
DWORD MakeAttributeWord(bool bDirectory, bool bArchive, bool bHide, bool bSystem, bool bReadOnly);

// Stores the attribute word into an entry. For a file entry a changed word marks the attributes
// set, and then the processed box decides both marks.
void StoreAttributes(CItemInfo &target, DWORD dwAttributes, bool bFileEntry, bool bProcessed);

// Stores the timestamp choice with the date-time field's text; returns the choice now in force:
// an explicit choice with an empty field falls back to the source time.
int StoreTimeChoice(CItemInfo &target, int nChoice, const std::wstring &strFieldText);

// The caption of the file list's group, with the count unless the list is empty.
std::wstring FilesGroupCaption(size_t nFiles);
// A byte count as the report shows it.
std::wstring SizeText(uint64_t nBytes);

// After OK: copied only when the directory has entries and every one is processed.
void ApplyCopiedMark(CItemInfo &record);

// The sort mode of the file list from the dialog's sort controls.
DWORD FileSortModeFromControls(bool bByName, bool bDescending);
// The dialog's sort controls preset from the FileSortOrder option.
bool PresetDescending(int nFileSortOrder);
int PresetSortKey(int nFileSortOrder);

// Only the left and right borders size the dialog; the others are plain border.
LRESULT HorizontalOnlyHitTest(LRESULT nHit);
// A sizing rectangle kept at least the minimum width and at the minimum height; the edge being
// dragged (WMSZ_*) is the one that moves.
void KeepSizingRect(RECT &rc, WPARAM nEdge, int nMinWidth, int nHeight);

// Right edges of the controls that stretch with the dialog's width.
struct CItemAttrStretch {
    int nRight;     // the two edits and the file list's group
    int nListRight; // the list, as far from the group's right edge as from its left
};
CItemAttrStretch StretchItemAttrControls(int nClientWidth, int nRightMargin, int nGroupLeft, int nListLeft);
