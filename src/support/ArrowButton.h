// A push button showing the system's arrow bitmaps (the drop button of a field, the calendar's
// month arrows), reloaded when the system colours change.
#pragma once
#include "framework/Handles.h"
#include "support/PushButtonWnd.h"

enum { ARROW_NONE = 0, ARROW_DOWN = 1, ARROW_UP = 2, ARROW_LEFT = 3, ARROW_RIGHT = 4 };

class CArrowButton : public CPushButtonWnd {
public:
    // Types outside 1-4 leave the button without bitmaps (type 0).
    void SetArrowType(int nType);
    int GetArrowType() const { return m_nArrowType; }
    // The normal bitmap's size; a button without one takes the down arrow first.
    SIZE GetBitmapSize();

protected:
    void DrawButton(HDC hDC, int nState) override;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    int m_nArrowType = ARROW_NONE;
    CBitmap m_bmNormal;
    CBitmap m_bmPressed;
    CBitmap m_bmDisabled;
};
