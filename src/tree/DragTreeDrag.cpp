// The drag itself: start, pointer moves, Ctrl, release, cursors, and the default drop rules.
#include "tree/DragTreeCtrl.h"

#include "framework/Seams.h"

#include <windowsx.h>

namespace {
POINT PointFromLParam(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}
} // namespace

LRESULT CDragTreeCtrl::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_MOUSEMOVE:
        if (m_bDragging)
            OnDragMouseMove(static_cast<UINT>(wParam), PointFromLParam(lParam));
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: EndDrag(static_cast<UINT>(wParam), PointFromLParam(lParam)); break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m_bDragging)
            OnDragKey(static_cast<UINT>(wParam), uMsg == WM_KEYDOWN);
        break;
    case WM_CAPTURECHANGED:
        // Capture taken away mid-drag (another window, a system dialog): the drag ends without a drop.
        if (m_bDragging && reinterpret_cast<HWND>(lParam) != m_hWnd) {
            StopDragImage();
            m_bDragging = false;
            ShowDropHighlight(nullptr);
            SetDragCursor(DRAG_CURSOR_NORMAL);
        }
        break;
    default: break;
    }
    return CTreeCtrl::WindowProc(uMsg, wParam, lParam);
}

bool CDragTreeCtrl::OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (uMsg != WM_NOTIFY)
        return CTreeCtrl::OnChildNotify(uMsg, wParam, lParam, pResult);
    auto *pHdr = reinterpret_cast<NMHDR *>(lParam);
    if (pHdr->code == TVN_BEGINDRAGW || pHdr->code == TVN_BEGINRDRAGW) {
        if (OnBeginDrag(*reinterpret_cast<NMTREEVIEWW *>(lParam))) {
            *pResult = 0;
            return true;
        }
    }
    return false;
}

bool CDragTreeCtrl::OnBeginDrag(const NMTREEVIEWW &nm)
{
    POINT pt = nm.ptDrag;
    m_hDragItem = HitTest(pt);
    if (!m_hDragItem) {
        m_bDragging = false;
        m_hDropTarget = nullptr;
        return false;
    }
    if (!CanBeginDrag(m_hDragItem))
        return false;
    m_bDragging = true;
    m_hDropTarget = nullptr;
    m_pDragImage.Attach(MakeDragImage(m_hDragItem));
    if (!m_pDragImage) {
        m_bDragging = false;
        m_hDragItem = nullptr;
        return false;
    }
    m_ptDrag = pt;
    POINT ptImage = DragImagePoint(pt);
    ::ImageList_DragShowNolock(TRUE);
    ::ImageList_BeginDrag(m_pDragImage, 0, 0, 0);
    ::ImageList_DragMove(ptImage.x, ptImage.y);
    ::ImageList_DragEnter(m_hWnd, ptImage.x, ptImage.y);
    ::SetCapture(m_hWnd);
    // A release before any move still does what the cursor shows.
    UINT nKeys = (UiIsKeyDown(VK_CONTROL) ? MK_CONTROL : 0) | (UiIsKeyDown(VK_SHIFT) ? MK_SHIFT : 0);
    UpdateDropTarget(nKeys);
    return true;
}

void CDragTreeCtrl::OnDragMouseMove(UINT nKeyFlags, POINT pt)
{
    m_ptDrag = pt;
    POINT ptImage = DragImagePoint(pt);
    ::ImageList_DragMove(ptImage.x, ptImage.y);
    UpdateDropTarget(nKeyFlags);
}

void CDragTreeCtrl::UpdateDropTarget(UINT nKeyFlags)
{
    m_nDragKeys = nKeyFlags & (MK_CONTROL | MK_SHIFT);
    HTREEITEM hTarget = nullptr;
    m_nDragType = DragTest(m_nDragKeys, m_ptDrag, m_hDragItem, hTarget);
    m_hDropTarget = m_nDragType == DRAG_CURSOR_NODROP ? nullptr : hTarget;
    // The highlight is painted while the drag image is hidden, so that neither leaves traces.
    POINT ptImage = DragImagePoint(m_ptDrag);
    ::ImageList_DragLeave(m_hWnd);
    ShowDropHighlight(m_hDropTarget);
    ::UpdateWindow(m_hWnd);
    ::ImageList_DragEnter(m_hWnd, ptImage.x, ptImage.y);
    SetDragCursor(m_nDragType);
}

void CDragTreeCtrl::OnDragKey(UINT nVirtKey, bool bDown)
{
    // Ctrl and Shift decide between move and copy: cursor and target follow at once, so that the
    // release finds what the cursor shows.
    UINT nKey = nVirtKey == VK_CONTROL ? MK_CONTROL : nVirtKey == VK_SHIFT ? MK_SHIFT : 0;
    if (!nKey)
        return;
    UpdateDropTarget(bDown ? (m_nDragKeys | nKey) : (m_nDragKeys & ~nKey));
}

void CDragTreeCtrl::EndDrag(UINT, POINT)
{
    if (!m_bDragging)
        return;
    StopDragImage();
    // The release does what the last cursor showed, whatever keys or point the release carries.
    HTREEITEM hDrag = m_hDragItem;
    HTREEITEM hTarget = m_hDropTarget;
    HTREEITEM hNew = nullptr;
    const bool bMove = m_nDragType == DRAG_CURSOR_MOVE;
    if (m_nDragType != DRAG_CURSOR_NODROP && CanDrop(hDrag, hTarget, m_ptDrag, bMove))
        hNew = CopySubtree(hDrag, hTarget, bMove, true);
    if (hNew) {
        if (bMove)
            CTreeCtrl::DeleteItem(hDrag);
    } else {
        OnDropRefused(hDrag);
    }
    m_bDragging = false; // before the capture goes, so that its loss is not taken for a cancel
    ::ReleaseCapture();
    ShowDropHighlight(nullptr);
    if (hNew)
        SelectItem(hNew);
    SetDragCursor(DRAG_CURSOR_NORMAL);
}

void CDragTreeCtrl::SetDragCursor(int nType)
{
    HCURSOR hCursor = nullptr;
    switch (nType) {
    case DRAG_CURSOR_NORMAL:
        if (!m_hCursorNormal)
            m_hCursorNormal = ::LoadCursorW(nullptr, IDC_ARROW);
        hCursor = m_hCursorNormal;
        break;
    case DRAG_CURSOR_MOVE: hCursor = m_hCursorMove; break;
    case DRAG_CURSOR_NODROP: hCursor = m_hCursorNoDrop; break;
    case DRAG_CURSOR_COPY: hCursor = m_hCursorCopy; break;
    default: break;
    }
    if (hCursor && ::GetCursor() != hCursor)
        ::SetCursor(hCursor);
}

void CDragTreeCtrl::SetDragCursors(HCURSOR hMove, HCURSOR hNoDrop, HCURSOR hCopy)
{
    m_hCursorMove = hMove;
    m_hCursorNoDrop = hNoDrop;
    m_hCursorCopy = hCopy;
}

int CDragTreeCtrl::DragTest(UINT nKeyFlags, POINT pt, HTREEITEM, HTREEITEM &hTarget)
{
    hTarget = HitTest(pt);
    return DefaultDragType(hTarget != nullptr, IsInClientArea(pt), nKeyFlags);
}

bool CDragTreeCtrl::CanDrop(HTREEITEM &hDragItem, HTREEITEM &hTarget, POINT pt, bool bMove)
{
    if (!hDragItem)
        return false;
    if (!hTarget)
        return IsInClientArea(pt);
    if (hTarget == hDragItem) {
        if (bMove)
            return false;
        // A copy onto itself lands beside the node.
        hTarget = GetParentItem(hDragItem);
        return true;
    }
    if (IsInSubtree(hTarget, hDragItem))
        return false;
    if (bMove && hTarget == GetParentItem(hDragItem))
        return false;
    return true;
}

HIMAGELIST CDragTreeCtrl::MakeDragImage(HTREEITEM hItem) const
{
    HIMAGELIST hList = CreateDragImage(hItem);
    if (!hList || ::ImageList_GetImageCount(hList) > 0)
        return hList;
    // Some tree views hand back an empty list: draw the node's image and label ourselves.
    ::ImageList_Destroy(hList);
    std::wstring strLabel = GetItemText(hItem);
    int nImage = 0, nSelImage = 0;
    GetItemImage(hItem, nImage, nSelImage);
    int cxIcon = 0, cyIcon = 0;
    if (m_imageList)
        ::ImageList_GetIconSize(m_imageList, &cxIcon, &cyIcon);
    HFONT hFont = GetFont();
    CClientDC dc(m_hWnd);
    CMemDC memDC(::CreateCompatibleDC(dc));
    SIZE sz = {};
    CBitmap bmp;
    int cx = 0, cy = 0;
    {
        CSelectObject font(memDC, hFont ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        ::GetTextExtentPoint32W(memDC, strLabel.c_str(), static_cast<int>(strLabel.size()), &sz);
        cx = cxIcon + 2 + sz.cx;
        cy = cyIcon > sz.cy ? cyIcon : sz.cy;
        bmp.Attach(::CreateCompatibleBitmap(dc, cx, cy));
        CSelectObject selBitmap(memDC, bmp);
        RECT rc = {0, 0, cx, cy};
        ::FillRect(memDC, &rc, ::GetSysColorBrush(COLOR_WINDOW));
        if (m_imageList)
            ::ImageList_Draw(m_imageList, nImage, memDC, 0, (cy - cyIcon) / 2, ILD_NORMAL);
        ::SetBkMode(memDC, TRANSPARENT);
        ::SetTextColor(memDC, ::GetSysColor(COLOR_WINDOWTEXT));
        ::TextOutW(memDC, cxIcon + 2, (cy - sz.cy) / 2, strLabel.c_str(), static_cast<int>(strLabel.size()));
    }
    if (cx <= 0 || cy <= 0 || !bmp)
        return nullptr;
    hList = ::ImageList_Create(cx, cy, ILC_COLOR32, 1, 0);
    if (hList && ::ImageList_Add(hList, bmp, nullptr) < 0) {
        ::ImageList_Destroy(hList);
        hList = nullptr;
    }
    return hList;
}

POINT CDragTreeCtrl::DragImagePoint(POINT pt) const
{
    // The drag image is placed relative to the window's upper-left corner, border included.
    POINT ptScreen = pt;
    ::ClientToScreen(m_hWnd, &ptScreen);
    RECT rcWindow = GetWindowRect();
    return POINT{ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top};
}

void CDragTreeCtrl::ShowDropHighlight(HTREEITEM hTarget)
{
    HTREEITEM hOld = GetDropHilightItem();
    SelectDropTarget(hTarget);
    // Some tree views ignore a null target while no node is selected (as during a drag):
    // then the mark is taken off the node by hand.
    if (!hTarget && hOld && (GetItemState(hOld, TVIS_DROPHILITED) & TVIS_DROPHILITED))
        SetItemState(hOld, 0, TVIS_DROPHILITED);
}

void CDragTreeCtrl::StopDragImage()
{
    if (!m_pDragImage)
        return;
    ::ImageList_DragLeave(m_hWnd);
    ::ImageList_EndDrag();
    m_pDragImage.Close();
}
