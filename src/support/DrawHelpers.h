// Drawing helpers shared by the self-drawn controls: points between two windows, fonts handed down
// to every descendant, and a text placed in a rectangle in a normal, bold or disabled look.
#pragma once
#include "framework/Handles.h"

#include <windows.h>
#include <string>

// DrawTextInRect flags.
constexpr UINT DTR_HCENTER = 0x1;
constexpr UINT DTR_RIGHT = 0x2;
constexpr UINT DTR_HMASK = 0x0F;
constexpr UINT DTR_VCENTER = 0x10;
constexpr UINT DTR_BOTTOM = 0x20;
constexpr UINT DTR_VMASK = 0xF0;
constexpr UINT DTR_DISABLED = 0x100;
constexpr UINT DTR_PREFIX = 0x200; // & marks the next letter
constexpr UINT DTR_BOLD = 0x400;

extern const wchar_t *const kDefaultFontFace; // "ＭＳ Ｐゴシック"

// A point in hFrom's client coordinates, moved into hTo's.
POINT MapClientPoint(int x, int y, HWND hFrom, HWND hTo);

// A font of the face at nPoints for the display that hWnd is on; nullptr when it cannot be made.
HFONT CreatePointFont(const wchar_t *pszFace, int nPoints, HWND hWnd);
// A new font with the same logical description, or nullptr when hFont is no font.
HFONT CopyFont(HFONT hFont);

// Replaces font with a copy of hFont (or the default face at 9 points for hWnd's parent when hFont
// is no font) and sends it to every descendant of hWnd. Without a parent and without a font, font
// stays empty and nothing is sent. Returns 0.
int SetControlFont(HWND hWnd, HFONT hFont, bool bRedraw, CFont &font);

// Draws strText at its measured size, placed in the rectangle by the DTR_ flags and moved by the
// offsets (centred: offset added; right or bottom: offset subtracted; neither: from the edge).
void DrawTextInRect(HDC hDC, const std::wstring &strText, int nLeft, int nTop, int nRight, int nBottom, int dx, int dy,
                    UINT nFlags);
