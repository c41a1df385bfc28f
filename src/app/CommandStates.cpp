#include "app/CommandStates.h"

#include "tree/ItemInfo.h"

CCommandStates ComputeCommandStates(const CCommandStateInput &in)
{
    // Something to run: files in the root, or any node besides it.
    const bool bContent = in.bHasRoot && (in.nRootFiles > 0 || in.nItemCount > 1);
    // A directory, or the root when it has file entries.
    const bool bDeletable = in.bSelected && (in.dwSelectedKind == ITEM_KIND_DIR ||
                                             (in.dwSelectedKind == ITEM_KIND_ROOT && in.nSelectedFiles > 0));
    CCommandStates out = {};
    out.bRunDirsOnly = bContent;
    out.bRunWithFiles = bContent && !in.bNotCopyFile;
    out.bAddLoad = bContent;
    out.bDelete = bDeletable;
    out.bEditAttributes = bDeletable;
    return out;
}
