// A month calendar drawn by the program: a year-and-month box between two arrow buttons, the
// weekday names, six weeks of days and a "today" line. The user picks a day, steps through the
// months, jumps through a year-and-month menu or clicks the today line; each is reported to the
// owner as a result with the held date packed into lParam.
#pragma once
#include "datetime/CalendarRules.h"
#include "datetime/DropDownWnd.h"
#include "framework/Time.h"
#include "support/ArrowButton.h"

#include <string>

// Results of the calendar's notification.
enum {
    CALENDAR_CANCELLED = 0,
    CALENDAR_PICKED = 1,   // a day or the today line clicked in a popup
    CALENDAR_CHANGED = 2,  // the same in a child window, and every month step or menu jump
    CALENDAR_DRAGGING = 3, // the left button held over the days
};

// Child ids and commands.
enum : UINT { IDC_CALENDAR_PREV = 9999, IDC_CALENDAR_NEXT = 9998 };

class CCalendarCtrl : public CCustomCmbDropDownWnd {
public:
    CCalendarCtrl();

    bool Create(DWORD dwExStyle, DWORD dwStyle, const RECT &rc, UINT nID, HWND hParent, const wchar_t *pszFace,
                int nPoints) override;
    RECT GetIdealRect() override;
    void EndDropDown(int nResult) override;
    bool OnMouseMessage(UINT uMsg, WPARAM wKeys, int x, int y) override;

    virtual void DrawCell(HDC hDC, int nColumn, int nRow, const std::wstring &strText, COLORREF crText);
    virtual void DrawHeader(HDC hDC);
    virtual void DrawToday(HDC hDC);
    virtual void DrawCalendar(HDC hDC);
    // nDay -1: an empty cell; bHeading: the weekday row.
    virtual COLORREF GetDayColor(int nYear, int nMonth, int nDay, int nColumn, bool bHeading);
    virtual std::wstring GetWeekdayName(int nColumn);
    virtual bool SelectDay(HDC hDC, int nDay);
    virtual bool HitTestPoint(HDC hDC, int x, int y);
    virtual bool SelectCell(HDC hDC, int nColumn, int nRow);
    virtual void ShowYearMonthMenu(int x, int y);

    // Empty text holds today.
    void SetDateText(const std::wstring &strText, bool bRedraw);
    void SetDate(const CTime &date, bool bRedraw);
    const std::wstring &GetDateText() const { return m_strDate; }
    const CTime &GetDate() const { return m_date; }
    int GetCellWidth() const { return m_cxCell; }
    int GetCellHeight() const { return m_cyCell; }
    const RECT &GetHeaderRect() const { return m_rcHeader; }
    const RECT &GetTodayRect() const { return m_rcToday; }
    const CCalendarMeasures &GetMeasures() const { return m_measures; }
    HWND GetPrevButton() const { return m_btnPrev; }
    HWND GetNextButton() const { return m_btnNext; }
    bool IsMenuOpen() const { return m_bMenuOpen != 0; }

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    // A picked date ends a popup (or a window with the popup style), and only changes a child.
    int PickedResult() const;
    RECT CellRect(int nColumn, int nRow) const;
    // Moves to a date given as numbers, through the text form so that it is clamped like typing.
    void MoveToDate(int nYear, int nMonth, int nDay);

    CArrowButton m_btnPrev;
    CArrowButton m_btnNext;
    int m_aDays[CALENDAR_GRID_SIZE] = {};
    int m_bMenuOpen = 0;
    int m_cxCell = 0;
    int m_cyCell = 0;
    CCalendarMeasures m_measures = CalendarMeasuresFor(kBaseDpi); // at the window's DPI from the first layout
    RECT m_rcHeader = {};
    RECT m_rcToday = {};
    RECT m_rcFocus = {};
    std::wstring m_strDate;
    CTime m_date;

private:
    void LayOut();
    void OnCommand(UINT nID);
};
