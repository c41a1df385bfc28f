// The panel of the date-time field: the calendar and the clock side by side and, below a popup,
// "< 現在の日時 >" (now), OK and cancel. Every change is written into the field at once.
#pragma once
#include "datetime/CalendarCtrlEx.h"
#include "datetime/ClockCtrl.h"
#include "datetime/DropDownWnd.h"
#include "framework/Time.h"
#include "support/TextButton.h"

#include <string>

enum : UINT {
    IDC_PANEL_CALENDAR = 9999,
    IDC_PANEL_CLOCK = 9998,
    IDC_PANEL_OK = 9997,
    IDC_PANEL_CANCEL = 9996,
};

// The calendar inside the panel: presses on its arrows are passed on to them, and after its menu
// the field gets the capture back.
class CDateTimeCtrlCalendar : public CCalendarCtrlEx {
public:
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override;
    void ShowYearMonthMenu(int x, int y) override;
    HWND m_hWndCaptureReturn = nullptr;
};

// The clock inside the panel: presses on its spin controls are passed on to them, which give the
// capture back to the field.
class CDateTimeCtrlClock : public CClockCtrl {
public:
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override;
    void SetSpinCaptureReturn(HWND hWnd);
};

class CDateTimeCtrl : public CCustomCmbDropDownWnd {
public:
    bool Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace,
                int nPoints) override;
    RECT GetIdealRect() override;
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override;
    virtual void OnCalendarChanged();
    virtual void OnClockChanged();

    // Empty text holds now. With bPropagate the calendar and the clock show the value.
    void SetValueText(const std::wstring &strText, bool bPropagate);
    void SetValueTime(const CTime &time, bool bPropagate);
    const std::wstring &GetValueText() const { return m_strValue; }

    CDateTimeCtrlCalendar &GetCalendar() { return m_calendar; }
    CDateTimeCtrlClock &GetClock() { return m_clock; }
    HWND GetOkButton() const { return m_btnOK; }
    HWND GetCancelButton() const { return m_btnCancel; }

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC hDC);
    // A child's rectangle in the panel's client coordinates.
    RECT ChildRect(HWND hChild) const;
    // The "now" row left of the buttons, in client coordinates.
    RECT NowRect() const;

    CTime m_time;
    std::wstring m_strValue;
    CDateTimeCtrlCalendar m_calendar;
    CDateTimeCtrlClock m_clock;
    CTextButton m_btnOK;
    CTextButton m_btnCancel;
};
