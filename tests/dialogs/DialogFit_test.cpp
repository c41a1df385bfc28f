// Every dialog shows its labels whole in the font it got. ctest runs these again in prefixes at
// 144 and 192 DPI.
#include "dialogs/BulkAttrDlg.h"
#include "dialogs/ItemAttrDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/VersionDlg.h"

#include "datetime/DateTimeCmb.h"
#include "res/resource.h"
#include "tree/OptionSet.h"

#include "ItemAttrHost.h"
#include "TextFit.h"

namespace {

const wchar_t kTime[] = L"2024/03/15 10:20:30";

RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc = {};
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
    return rc;
}

// No control reaches out of the client area, and the controls of a row keep their order.
void ExpectInsideAndInOrder(HWND hDlg, std::initializer_list<int> row)
{
    RECT rcClient = {}, rcWindow = {}, rcWork = {};
    ::GetClientRect(hDlg, &rcClient);
    ::GetWindowRect(hDlg, &rcWindow);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    // A dialog taller than the screen (192 DPI on a small desktop) is cut by the system, not by us.
    const bool bWholeHeight = rcWindow.bottom - rcWindow.top < rcWork.bottom - rcWork.top;
    for (HWND h : ChildWindows(hDlg)) {
        RECT rc = {};
        ::GetWindowRect(h, &rc);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rc), 2);
        if (ClassOf(h) != L"ComboBox") {
            EXPECT_LE(rc.right, rcClient.right) << ::GetDlgCtrlID(h);
            if (bWholeHeight) {
                EXPECT_LE(rc.bottom, rcClient.bottom) << ::GetDlgCtrlID(h);
            }
        }
    }
    int nRight = -1;
    for (int nID : row) {
        const RECT rc = ChildRect(hDlg, nID);
        EXPECT_GT(rc.left, nRight) << nID;
        nRight = rc.right;
    }
}

// An attribute dialog with the explicit time chosen and a time in its field.
void ExpectWholeTextsWithATime(HWND hDlg, CDateTimeCmb &field)
{
    Click(hDlg, IDC_ATTR_TIME_SPECIFIED);
    field.SetValueText(kTime);
    EXPECT_EQ(TextFitProblems(hDlg), L"");
    EXPECT_EQ(CaptionFitProblem(hDlg), L"");
    EXPECT_EQ(FieldShowsWholeText(field.GetEdit()), L"");
}

class DialogFit : public AttrDialogTest {};

} // namespace

TEST_F(DialogFit, ItemAttributesInFileModeWithATime)
{
    ScanSample();
    bool bRan = false;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            bRan = true;
            Click(h, IDC_ATTR_MODE_FILE);
            ::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_SETCURSEL, 0, 0);
            ::SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_ATTR_FILE_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(::GetDlgItem(h, IDC_ATTR_FILE_LIST)));
            ExpectWholeTextsWithATime(h, *static_cast<CItemAttrDlg &>(dlg).GetDateTimeField());
            ExpectInsideAndInOrder(
                h, {IDC_ATTR_DELETE, IDC_ATTR_SORT, IDC_ATTR_DESCENDING, IDC_ATTR_SORT_BY_NAME, IDC_ATTR_SORT_BY_EXT});
            ExpectInsideAndInOrder(h, {IDC_ATTR_TOTAL_SIZE, IDC_ATTR_SEL_SIZE});
            ExpectInsideAndInOrder(h, {IDC_ATTR_TIME_SPECIFIED, IDC_DATETIME, IDC_ATTR_READONLY});
            Click(h, IDCANCEL);
        });
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_TRUE(bRan);
}

TEST_F(DialogFit, BulkSettingsAndItsExplanationsThreeLines)
{
    bool bRan = false;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        bRan = true;
        HWND h = dlg.m_hWnd;
        Click(h, IDC_BULK_TIME_GROUP);
        ExpectWholeTextsWithATime(h, *static_cast<CBulkAttrDlg &>(dlg).GetTimeField());
        ExpectInsideAndInOrder(h,
                               {IDC_BULK_DIR_ARCHIVE, IDC_BULK_DIR_SYSTEM, IDC_BULK_DIR_HIDE, IDC_BULK_DIR_READONLY});
        ExpectInsideAndInOrder(h, {IDC_ATTR_TIME_SPECIFIED, IDC_DATETIME, IDC_ATTR_READONLY});
        ExpectInsideAndInOrder(h, {IDC_BULK_SORT_ASCENDING, IDC_BULK_SORT_DESCENDING});
        dlg.PostButtonClick(IDCANCEL);
    });
    CBulkAttrDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bRan);
}

TEST_F(DialogFit, Options)
{
    bool bRan = false;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        bRan = true;
        EXPECT_EQ(TextFitProblems(dlg.m_hWnd), L"");
        EXPECT_EQ(CaptionFitProblem(dlg.m_hWnd), L"");
        ExpectInsideAndInOrder(dlg.m_hWnd, {IDC_OPT_ERROR_LOG_DIR, IDC_OPT_BROWSE_LOG_DIR});
        ExpectInsideAndInOrder(dlg.m_hWnd, {IDOK, IDCANCEL});
        dlg.PostButtonClick(IDCANCEL);
    });
    COptionsDlg dlg;
    dlg.LoadFrom(OptionSet());
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bRan);
}

TEST_F(DialogFit, VersionBox)
{
    bool bRan = false;
    CVersionDlg dlg(L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)", IDB_VERSION, nullptr, 0);
    m_seams.m_listDialogActions.push_back([&](CDialog &d) {
        bRan = true;
        EXPECT_EQ(TextFitProblems(d.m_hWnd), L"");
        EXPECT_EQ(CaptionFitProblem(d.m_hWnd), L"");
        d.PostButtonClick(IDOK);
    });
    dlg.DoModal();
    EXPECT_TRUE(bRan);
}
