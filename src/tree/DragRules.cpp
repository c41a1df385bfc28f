#include "tree/DragRules.h"

namespace {
bool IsCopyKey(UINT nKeyFlags)
{
    return (nKeyFlags & MK_CONTROL) && !(nKeyFlags & MK_SHIFT);
}
} // namespace

int DefaultDragType(bool bOverNode, bool bInClientArea, UINT nKeyFlags)
{
    if (bOverNode)
        return IsCopyKey(nKeyFlags) ? DRAG_CURSOR_COPY : DRAG_CURSOR_MOVE;
    if (!bInClientArea)
        return DRAG_CURSOR_NODROP;
    return IsCopyKey(nKeyFlags) ? DRAG_CURSOR_COPY : DRAG_CURSOR_NODROP;
}

int DirectoryDragType(int nDefaultType, bool bInClientArea, UINT nKeyFlags)
{
    if (nDefaultType == DRAG_CURSOR_NODROP && bInClientArea && !(nKeyFlags & MK_CONTROL))
        return DRAG_CURSOR_MOVE;
    return nDefaultType;
}
