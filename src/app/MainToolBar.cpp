#include "app/MainToolBar.h"

#include "res/resource.h"
#include "support/DllVersion.h"
#include "support/Dpi.h"

#include <commctrl.h>

namespace {

const CToolButtonDef kButtons[] = {
    {0, ID_CLEAR_TREE},
    {1, ID_SELECT_SOURCE},
    {10, ID_ADD_LOAD},
    {2, ID_SELECT_DEST},
    {0, 0},
    {6, ID_ADD_DIR},
    {7, ID_DELETE_DIR},
    {0, 0},
    {9, ID_EDIT_ATTRIBUTES},
    {8, ID_OPTIONS},
    {0, 0},
    {3, ID_RUN_DIRS_ONLY},
    {11, ID_RUN_WITH_FILES},
    {0, 0},
    {4, ID_APP_EXIT},
    {0, 0},
    {5, ID_APP_ABOUT},
};

const int TOOL_IMAGE_SIZE = 16;
const int TOOL_IMAGE_COUNT = 16;
const COLORREF TOOL_IMAGE_MASK = RGB(255, 0, 255);

} // namespace

std::vector<CToolButtonDef> MainToolButtons(bool bFlat)
{
    std::vector<CToolButtonDef> list;
    for (const CToolButtonDef &def : kButtons) {
        // Raised buttons of the old library need a gap of their own at both ends of a group.
        if (!bFlat && (def.nCommand == ID_CLEAR_TREE || def.nCommand == ID_APP_ABOUT))
            list.push_back({0, 0});
        list.push_back(def);
    }
    return list;
}

bool CMainToolBar::Create(HWND hParent, UINT nID)
{
    return Create(hParent, nID, IsComCtl470OrLater(), IsComCtl471OrLater());
}

bool CMainToolBar::Create(HWND hParent, UINT nID, bool bFlat, bool bDropDownArrows)
{
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_TOOLTIPS | (bFlat ? TBSTYLE_FLAT : 0);
    RECT rc = {0, 0, 0, 0};
    if (!CreateEx(0, TOOLBARCLASSNAMEW, L"", dwStyle, rc, hParent, nID))
        return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    if (bFlat && bDropDownArrows)
        SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);

    SetImagesForDpi(GetWindowDpi(hParent));

    std::vector<TBBUTTON> list;
    for (const CToolButtonDef &def : MainToolButtons(bFlat)) {
        TBBUTTON tb = {};
        if (def.nCommand) {
            tb.iBitmap = def.nImage;
            tb.idCommand = static_cast<int>(def.nCommand);
            tb.fsState = TBSTATE_ENABLED;
            tb.fsStyle = BTNS_BUTTON;
        } else {
            tb.fsStyle = BTNS_SEP;
        }
        list.push_back(tb);
    }
    SendMessage(TB_ADDBUTTONSW, list.size(), reinterpret_cast<LPARAM>(list.data()));
    SendMessage(TB_AUTOSIZE);
    return true;
}

bool CMainToolBar::SetImagesForDpi(int nDpi)
{
    const int nSize = ArtSizeForDpi(TOOL_IMAGE_SIZE, nDpi);
    const UINT nId = PickArtResource(nDpi, IDB_TOOLBAR, IDB_TOOLBAR_150, IDB_TOOLBAR_200);
    HIMAGELIST hImages = ::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nId), nSize,
                                                TOOL_IMAGE_COUNT, TOOL_IMAGE_MASK, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (!hImages)
        return false;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(nSize, nSize));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    // The old list goes only after the tool bar has let go of it.
    m_images.Attach(hImages);
    SendMessage(TB_AUTOSIZE);
    return true;
}

void CMainToolBar::EnableCommand(UINT nCommand, bool bEnable) const
{
    SendMessage(TB_ENABLEBUTTON, nCommand, MAKELPARAM(bEnable ? TRUE : FALSE, 0));
}

bool CMainToolBar::IsCommandEnabled(UINT nCommand) const
{
    return SendMessage(TB_ISBUTTONENABLED, nCommand) != 0;
}

void CMainToolBar::EnableAllCommands(bool bEnable) const
{
    for (const CToolButtonDef &def : kButtons) {
        if (def.nCommand)
            EnableCommand(def.nCommand, bEnable);
    }
}

int CMainToolBar::GetHeight() const
{
    RECT rc = GetWindowRect();
    return rc.bottom - rc.top;
}
