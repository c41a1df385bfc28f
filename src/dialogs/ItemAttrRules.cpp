#include "dialogs/ItemAttrRules.h"

#include "support/GroupDigits.h"
#include "support/TimeConvert.h"
#include "tree/FileNameCompare.h"

CItemAttrStates ComputeItemAttrStates(const CItemAttrStateInput &in)
{
    const bool D = !in.bFileMode, F = in.bFileMode, S = in.bSourceTime, R = in.bRoot, N = in.bNoSelection,
               E = in.bNoFiles;
    CItemAttrStates out = {};
    out.bSysClock = (F && S) || (D && !R);
    out.bSourceAndSpecified = F && S;
    out.bDateTime = F && S && in.bSpecified;
    out.bAttributes = !(D && R) && !(F && N);
    out.bDirName = D && !R;
    out.bFileList = F;
    out.bDeleteAndProcessed = F && !N;
    out.bSort = F && !E;
    return out;
}

DWORD MakeAttributeWord(bool bDirectory, bool bArchive, bool bHide, bool bSystem, bool bReadOnly)
{
    DWORD dw = bDirectory ? FILE_ATTRIBUTE_DIRECTORY : 0;
    if (bArchive)
        dw |= FILE_ATTRIBUTE_ARCHIVE;
    if (bHide)
        dw |= FILE_ATTRIBUTE_HIDDEN;
    if (bSystem)
        dw |= FILE_ATTRIBUTE_SYSTEM;
    if (bReadOnly)
        dw |= FILE_ATTRIBUTE_READONLY;
    return dw;
}

void StoreAttributes(CItemInfo &target, DWORD dwAttributes, bool bFileEntry, bool bProcessed)
{
    if (bFileEntry) {
        if (dwAttributes != target.m_dwAttributes)
            target.MarkAttrSet();
        target.SetProcessed(bProcessed);
    }
    target.m_dwAttributes = dwAttributes;
}

int StoreTimeChoice(CItemInfo &target, int nChoice, const std::wstring &strFieldText)
{
    // No radio checked (a disabled group read back) keeps what the entry had.
    if (nChoice < TIME_MODE_SYSCLOCK || nChoice > TIME_MODE_SPECIFIED)
        return target.m_nTimeMode;
    target.m_nTimeMode = nChoice;
    if (nChoice != TIME_MODE_SPECIFIED)
        return nChoice;
    if (!strFieldText.empty()) {
        target.m_ftSpecified = TextToFileTime(strFieldText);
        return nChoice;
    }
    target.m_ftSpecified = {};
    target.m_nTimeMode = TIME_MODE_SOURCE;
    return TIME_MODE_SOURCE;
}

std::wstring FilesGroupCaption(size_t nFiles)
{
    std::wstring s = L"複写対象ﾌｧｲﾙ :";
    if (nFiles > 0)
        s += L" [ " + std::to_wstring(nFiles) + L" file(s) ]";
    return s;
}

std::wstring SizeText(uint64_t nBytes)
{
    return GroupDigits(nBytes);
}

void ApplyCopiedMark(CItemInfo &record)
{
    bool bAll = !record.m_listFiles.empty();
    for (const auto &pEntry : record.m_listFiles)
        bAll = bAll && pEntry->IsProcessed();
    record.SetCopied(bAll);
}

DWORD FileSortModeFromControls(bool bByName, bool bDescending)
{
    DWORD dwMode = 0;
    if (!bByName)
        dwMode |= FILE_SORT_BY_EXT;
    if (bDescending)
        dwMode |= FILE_SORT_DESCENDING;
    return dwMode;
}

bool PresetDescending(int nFileSortOrder)
{
    return (nFileSortOrder & 0x20000) != 0;
}

int PresetSortKey(int nFileSortOrder)
{
    return (nFileSortOrder & 0x2) ? 1 : 0;
}

LRESULT HorizontalOnlyHitTest(LRESULT nHit)
{
    switch (nHit) {
    case HTLEFT:
    case HTTOPLEFT:
    case HTBOTTOMLEFT: return HTLEFT;
    case HTRIGHT:
    case HTTOPRIGHT:
    case HTBOTTOMRIGHT: return HTRIGHT;
    case HTTOP:
    case HTBOTTOM: return HTBORDER;
    default: return nHit;
    }
}

void KeepSizingRect(RECT &rc, WPARAM nEdge, int nMinWidth, int nHeight)
{
    const bool bLeft = nEdge == WMSZ_LEFT || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_BOTTOMLEFT;
    const bool bTop = nEdge == WMSZ_TOP || nEdge == WMSZ_TOPLEFT || nEdge == WMSZ_TOPRIGHT;
    if (rc.right - rc.left < nMinWidth) {
        if (bLeft)
            rc.left = rc.right - nMinWidth;
        else
            rc.right = rc.left + nMinWidth;
    }
    // Taller is refused as well as lower: the system menu's size command does not go through
    // the hit test.
    if (rc.bottom - rc.top != nHeight) {
        if (bTop)
            rc.top = rc.bottom - nHeight;
        else
            rc.bottom = rc.top + nHeight;
    }
}

CItemAttrStretch StretchItemAttrControls(int nClientWidth, int nRightMargin, int nGroupLeft, int nListLeft)
{
    CItemAttrStretch out = {};
    out.nRight = nClientWidth - nRightMargin;
    out.nListRight = out.nRight - (nListLeft - nGroupLeft);
    return out;
}
