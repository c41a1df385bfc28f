// Makes a dialog's labelled controls (statics, check boxes, radio buttons, group boxes, push
// buttons) large enough for their texts in the fonts they really got, moving the other controls
// and growing the dialog as FitBoxes says. Called once at initialisation, before the texts
// change at run time: the template's texts are the longest the controls show.
#pragma once
#include <windows.h>

#include <vector>

// A least window width for a control that is not a label (a field sized for its value).
struct CTextNeed {
    int nID;
    int cxNeed;
};

// True when anything moved. The dialog keeps its centre.
bool FitDialogToTexts(HWND hDlg, const std::vector<CTextNeed> &extra = {});

// The least window size a labelled control needs for its text (0 on an axis without need). A
// multi-line static needs the height of its lines at its present width, and no width.
SIZE LabelNeed(HWND hCtrl);

SIZE WindowSize(HWND hWnd);

// The least window width that shows the window's caption whole beside its icon and buttons;
// 0 without a caption.
int CaptionNeed(HWND hWnd);

// The width of the widest canonical date-time text ("2024/03/15 10:20:30") in hWnd's font.
int DateTimeTextWidth(HWND hWnd);
