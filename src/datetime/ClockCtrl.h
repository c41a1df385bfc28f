// An analog clock to pick a time of day: hour marks on an inner ring, minute marks on an outer
// ring, hands, and digit boxes with spin buttons below. Each change is reported to the owner with
// the time packed into lParam; a click in the centre is OK.
#pragma once
#include "datetime/ClockRules.h"
#include "datetime/DropDownWnd.h"
#include "support/CaptureSpinCtrl.h"

#include <string>

// Results of the clock's notification.
enum { CLOCK_CANCELLED = 0, CLOCK_OK = 1, CLOCK_CHANGED = 2 };
// HitTest results.
enum { CLOCK_HIT_NONE = 0, CLOCK_HIT_HOUR = 1, CLOCK_HIT_MINUTE = 2, CLOCK_HIT_CENTRE = 4 };
// Spin control ids.
enum : UINT { IDC_CLOCK_HOURS = 9999, IDC_CLOCK_MINUTES = 9998, IDC_CLOCK_SECONDS = 9997 };

constexpr COLORREF CLOCK_HOUR_COLOR = RGB(0, 255, 255);
constexpr COLORREF CLOCK_HOUR_COLOR_DISABLED = RGB(0, 128, 128);
constexpr COLORREF CLOCK_MINUTE_COLOR = RGB(0, 0, 255);
constexpr COLORREF CLOCK_MINUTE_COLOR_DISABLED = RGB(0, 0, 128);
constexpr COLORREF CLOCK_SECOND_COLOR = RGB(255, 0, 0);

class CClockCtrl : public CCustomCmbDropDownWnd {
public:
    bool Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace,
                int nPoints) override;
    RECT GetIdealRect() override;
    void EndDropDown(int nResult) override;
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override;

    // Applies a spin step to the field of the spin control; returns the mask of changed fields.
    virtual int OnSpinDelta(UINT nID, int nPos, int nDelta);
    virtual void DrawClock(HDC hDC);
    virtual void DrawFace(HDC hDC);
    virtual void DrawMarks(HDC hDC, const RECT &rc, bool bHourRing);
    virtual void DrawDigits(HDC hDC, int nMask);
    virtual void DrawHands(HDC hDC);
    virtual COLORREF GetHandColor(bool bHour);
    virtual void DrawOkLabel(HDC hDC);
    virtual int HitTest(UINT uMsg, POINT pt);
    virtual bool SetByClick(POINT pt, bool bHourRing);

    // Limits each field to its range (negative values become 0).
    void SetTime(int nHours, int nMinutes, int nSeconds);
    std::wstring GetTimeText() const;
    CClockTime GetTime() const { return m_time; }
    const CClockLayout &GetLayout() const { return m_layout; }
    HWND GetSpin(int nField) const;
    // Where the spin controls give the capture back in drop-down mode; none: the parent.
    HWND m_hWndCaptureReturn = nullptr;
    bool m_bHideOkLabel = false;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void RedrawDigits(int nMask);
    int PickedResult() const;

    CClockTime m_time = {0, 0, 0};
    CCaptureSpinCtrl m_spinHours;
    CCaptureSpinCtrl m_spinMinutes;
    CCaptureSpinCtrl m_spinSeconds;
    CClockLayout m_layout = {};
};
