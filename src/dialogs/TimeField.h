// The date-time field of the attribute dialogs, made the same way in both.
#pragma once
#include "datetime/DateTimeCmb.h"

#include <memory>

// Creates the field in place of the placeholder IDC_ATTR_TIME_PLACEHOLDER with id IDC_DATETIME,
// 9 points; it ends the timestamp radio group, as the placeholder did, for the data exchange and
// the arrow keys. The object is returned even when its window could not be made.
std::unique_ptr<CDateTimeCmb> CreateTimeField(HWND hDlg);

// Makes room in the dialog for its labels, the field's value and the source time, if it shows one.
void FitAttrDialog(HWND hDlg, const CDateTimeCmb *pField);
