// The date-time field: an edit box holding a date and time as text, and
// a panel with a calendar and a clock that drops down below it. Its value is its committed text,
// empty or canonical ("%Y/%m/%d %H:%M:%S").
#pragma once
#include "datetime/CustomCmb.h"
#include "framework/Time.h"

#include <string>

class CDateTimeCtrl;

class CDateTimeCmb : public CCustomCmb {
public:
    // Takes the place of the placeholder control, one pixel larger all round, and makes the panel
    // object. Reports 1 even when the window could not be made.
    int Create(UINT nPlaceholderID, UINT nID, HWND hParent, const wchar_t *pszFace, int nPoints);

    // Commits typed text first.
    std::wstring GetValueText();
    void SetValueText(const std::wstring &strText);
    void SetValueTime(const CTime &time);
    // Read: the edit box's text becomes the value (canonical or empty). Write: the reverse.
    virtual int UpdateValue(bool bRead);

    void DropDown() override;
    void CloseUp() override;
    void OnDropResult(int nResult, LPARAM lParam) override;
    // The text in the edit box stands, typed or written by the panel.
    void AcceptDropDown() override;

    CDateTimeCtrl *GetPanel() const;
    // The window width that shows any value whole in the field's font.
    int GetIdealWidth() const;

protected:
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnEditKillFocus() override;
    // The edit box's text becomes the value in its canonical form; a date moved into range is told.
    void CommitTypedText();
    void SelectAllShowingStart();

    std::wstring m_strValue;
    std::wstring m_strSaved; // the value when the panel opened
};
