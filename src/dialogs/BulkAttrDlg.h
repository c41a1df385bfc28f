// The bulk settings dialog (IDD_BULK_ATTR): one set of choices for every directory and file entry
// of the tree. It only collects the choices; ApplyBulkAttributes applies them.
#pragma once
#include "dialogs/BulkAttrRules.h"
#include "framework/Dialog.h"
#include "support/DpiArt.h"

#include <memory>

class CDateTimeCmb;

class CBulkAttrDlg : public CDialog {
public:
    explicit CBulkAttrDlg(HWND hParent = nullptr);
    ~CBulkAttrDlg() override;

    CBulkAttrChoices m_choices;

    // The field that took the placeholder's place; null before initialisation.
    CDateTimeCmb *GetTimeField() const { return m_pTimeField.get(); }

protected:
    void DoDataExchange(CDataExchange &dx) override;
    BOOL OnInitDialog() override;
    // Takes the explicit time when "指定" is chosen; an empty field keeps the dialog open.
    void OnOK() override;
    bool OnCommand(UINT nID, UINT nCode, HWND hCtrl) override;

    void UpdateControlStates();

private:
    CWindowIcons m_icons; // the caption's icons at the dialog's DPI
    std::unique_ptr<CDateTimeCmb> m_pTimeField;
};
