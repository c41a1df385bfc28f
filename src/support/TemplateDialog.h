// CTemplateDialog: a dialog whose layout is not a resource. A derived class adds its controls one
// by one; the standard dialog template is built in memory from them when the dialog is created,
// modeless (CreateModeless) or modal (InitModal, then DoModal).
#pragma once
#include "framework/Dialog.h"
#include "framework/Handles.h"

#include <string>
#include <vector>

// Predefined control classes, as atoms in a dialog template.
enum : WORD {
    TEMPLATE_CLASS_BUTTON = 0x80,
    TEMPLATE_CLASS_EDIT = 0x81,
    TEMPLATE_CLASS_STATIC = 0x82,
    TEMPLATE_CLASS_LISTBOX = 0x83,
    TEMPLATE_CLASS_SCROLLBAR = 0x84,
    TEMPLATE_CLASS_COMBOBOX = 0x85,
};

// One control of the template, in dialog units.
struct CTemplateItem {
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    short x = 0, y = 0, cx = 50, cy = 14;
    WORD nID = 0;
    WORD nClass = TEMPLATE_CLASS_BUTTON;
    std::wstring strText;
};

class CTemplateDialog : public CDialog {
public:
    CTemplateDialog();
    ~CTemplateDialog() override;

    // Appends a control. Without a rectangle it is 50 x 14 dialog units at 0,0; the style always
    // gets WS_CHILD | WS_VISIBLE.
    void AddItem(WORD nClass, WORD nID, const RECT *pRect = nullptr, const wchar_t *pszText = nullptr,
                 DWORD dwStyle = 0, DWORD dwExStyle = 0);

    // Builds the dialog template in memory and keeps it: the block returned is not the caller's.
    // Stores the position (dialog units), ORs the styles into the members and replaces the caption
    // when one is given; an earlier block is freed. Returns the block, or nullptr after telling the
    // user it could not be allocated.
    HGLOBAL hfBuildTemplate(int left, int top, int right, int bottom, const wchar_t *pszCaption, HWND hOwner,
                            DWORD dwStyle, DWORD dwExStyle);

    // Destroys an earlier window, builds a fresh template and creates the modeless dialog under hOwner.
    bool CreateModeless(int left, int top, int right, int bottom, const wchar_t *pszCaption, HWND hOwner,
                        DWORD dwStyle = 0, DWORD dwExStyle = 0);
    // Builds the template for a modal run under hOwner; DoModal then runs it.
    bool InitModal(int left, int top, int right, int bottom, const wchar_t *pszCaption, HWND hOwner, DWORD dwStyle = 0,
                   DWORD dwExStyle = 0);
    // Runs the dialog prepared by InitModal; -1 when there is no template.
    INT_PTR DoModal();

    int GetItemCount() const { return static_cast<int>(m_listItems.size()); }
    HGLOBAL GetTemplate() const { return m_hTemplate.Get(); }

    // The window's look; derived classes adjust them before creation.
    DWORD m_dwStyle;
    DWORD m_dwExStyle = 0;
    short m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;
    std::wstring m_strCaption;
    std::wstring m_strFaceName;
    WORD m_nPointSize = 9;

protected:
    // Allocates the movable, zero-filled template block.
    virtual HGLOBAL AllocTemplateBlock(SIZE_T cb);

    std::vector<CTemplateItem> m_listItems;

private:
    void DestroyOwnWindow();

    CGlobalMem m_hTemplate;
};
