// The main window's tool bar (IDC_TOOLBAR): the program's twelve commands as buttons with the
// images of IDB_TOOLBAR. Its tooltips ask the parent for their texts.
#pragma once
#include "framework/Handles.h"
#include "framework/Wnd.h"

#include <vector>

struct CToolButtonDef {
    int nImage;    // index into the 16-image strip
    UINT nCommand; // 0: a separator
};

// The buttons left to right. Without the flat look (a common-controls library before 4.70) a
// separator goes in front of the first button and in front of the version button as well.
std::vector<CToolButtonDef> MainToolButtons(bool bFlat);

class CMainToolBar : public CWnd {
public:
    // A child tool bar at the top of hParent, flat from common controls 4.70 on, with drop-down
    // arrows drawn from 4.71 on.
    bool Create(HWND hParent, UINT nID);
    // The same with the library's abilities given.
    bool Create(HWND hParent, UINT nID, bool bFlat, bool bDropDownArrows);

    void EnableCommand(UINT nCommand, bool bEnable) const;
    bool IsCommandEnabled(UINT nCommand) const;
    // Every command button at once.
    void EnableAllCommands(bool bEnable) const;
    // The window's current height.
    int GetHeight() const;
    // Loads the images drawn for the scale nearest to nDpi (16, 24 or 32 px) and resizes the buttons.
    bool SetImagesForDpi(int nDpi);

private:
    CImageList m_images;
};
