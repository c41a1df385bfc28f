#include "copy/CopyTreeDisplay.h"
#include "tree/DirTreeCtrl.h"

CCopyTreeDisplay::CCopyTreeDisplay(CDirTreeCtrl &tree, bool bFollow) : m_tree(tree), m_bFollow(bFollow), m_hold(tree) {}

CCopyTreeDisplay::~CCopyTreeDisplay()
{
    Draw();
}

void CCopyTreeDisplay::BeginDirectory(HTREEITEM hItem)
{
    if (!m_bFollow || !hItem)
        return;
    m_hold.Hold();
    // Every call that names a node costs the control a search through all its nodes, so an
    // ancestor looked at since the last drawing is not looked at again; above it all were.
    for (HTREEITEM h = m_tree.GetParentItem(hItem); h && m_setOpen.insert(h).second; h = m_tree.GetParentItem(h)) {
        // A node opened before tells nobody when it opens again: its image is set here.
        if (!(m_tree.GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED)) {
            m_tree.Expand(h, TVE_EXPAND);
            m_tree.UpdateItemImage(h);
        }
    }
    m_hCurrent = hItem;
}

void CCopyTreeDisplay::ShowMarked(HTREEITEM hItem)
{
    m_hold.Hold();
    m_tree.UpdateItemImage(hItem);
}

void CCopyTreeDisplay::Draw()
{
    // Selected while drawing, so that the control scrolls it into view.
    m_hold.Draw([this] {
        if (m_hCurrent && m_tree.GetSelectedItem() != m_hCurrent)
            m_tree.SelectItem(m_hCurrent);
    });
    m_hCurrent = nullptr;
    // The user may have closed a node meanwhile: the copy opens it again.
    m_setOpen.clear();
}
