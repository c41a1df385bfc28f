// The bulk settings dialog on its real template, driven through the modal-dialog seam.
#include "dialogs/BulkAttrDlg.h"

#include "datetime/DateTimeCmb.h"
#include "framework/Captions.h"
#include "res/resource.h"

#include "ScriptedSeams.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Clicks as a person would: auto check boxes and radios change, the dialog gets BN_CLICKED.
void Click(HWND hDlg, int nID)
{
    ::SendMessageW(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

bool Checked(HWND hDlg, int nID)
{
    return ::IsDlgButtonChecked(hDlg, nID) == BST_CHECKED;
}

bool Enabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE;
}

HWND FieldEdit(CDialog &dlg)
{
    CDateTimeCmb *pField = static_cast<CBulkAttrDlg &>(dlg).GetTimeField();
    return pField ? pField->GetEdit() : nullptr;
}

// Every control id in window order with its class and text (null: not compared).
struct CExpected {
    int nID;
    const wchar_t *pszClass;
    const wchar_t *pszText;
};

TEST(BulkAttrDlg, EveryControlInOrderWithTheFieldAfterTheExplicitTimeChoice)
{
    const CExpected expected[] = {
        {-1, L"Static",
         L"※ 現在ﾂﾘｰﾋﾞｭｰに設定されている”全て”のｻﾌﾞﾃﾞｨﾚｸﾄﾘ/複写対象ﾌｧｲﾙの属性ﾌﾗｸﾞとﾀｲﾑｽﾀﾝﾌﾟの指定を一括設定します。"},
        {-1, L"Static", L""},
        {1072, L"Button", L"Sub Directory :"},
        {1057, L"Button", L"Archive"},
        {1058, L"Button", L"System"},
        {1059, L"Button", L"Hide"},
        {1060, L"Button", L"Read Only"},
        {-1, L"Button", L"File :"},
        {-1, L"Static", L""},
        {1073, L"Button", L"ﾀｲﾑｽﾀﾝﾌﾟ :"},
        {1022, L"Button", L"作成時のｼｽﾃﾑｸﾛｯｸ"},
        {1023, L"Button", L"複写元に合わせる"},
        {1024, L"Button", L"指定"},
        {104, nullptr, nullptr},
        {-1, L"Static", L""},
        {1074, L"Button", L"属性 :"},
        {1026, L"Button", L"Archive"},
        {1027, L"Button", L"System"},
        {1028, L"Button", L"Hide"},
        {1029, L"Button", L"Read Only"},
        {-1, L"Static", L""},
        {1075, L"Button", L"Sort :"},
        {1037, L"Button", L"昇順ｿｰﾄ"},
        {1038, L"Button", L"降順ｿｰﾄ"},
        {1039, L"Button", L"名前でｿｰﾄ"},
        {1040, L"Button", L"拡張子でｿｰﾄ"},
        {1069, L"Button", L"処理済ﾌﾗｸﾞをｸﾘｱ"},
        {1, L"Button", L"OK"},
        {2, L"Button", L"ｷｬﾝｾﾙ"},
    };
    CScriptedSeams seams;
    bool bRan = false;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        bRan = true;
        HWND hDlg = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(hDlg));
        EXPECT_EQ(Text(hDlg), L"( ^ _ ^ ; ) 属性･ﾀｲﾑｽﾀﾝﾌﾟをまとめて設定 ( ^ _ ^ ; )");
        const LONG lDlgStyle = ::GetWindowLongW(hDlg, GWL_STYLE);
        EXPECT_FALSE(lDlgStyle & WS_THICKFRAME);
        EXPECT_TRUE(lDlgStyle & WS_SYSMENU);
        std::vector<HWND> children;
        for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            children.push_back(h);
        ASSERT_EQ(children.size(), std::size(expected));
        int nEtched = 0;
        for (size_t i = 0; i < children.size(); ++i) {
            HWND h = children[i];
            const CExpected &e = expected[i];
            EXPECT_EQ(static_cast<short>(::GetDlgCtrlID(h)), e.nID) << i;
            if (e.pszClass) {
                EXPECT_EQ(ClassOf(h), e.pszClass) << i;
            }
            if (e.pszText) {
                EXPECT_EQ(Text(h), e.pszText) << i;
            }
            const LONG style = ::GetWindowLongW(h, GWL_STYLE);
            if (ClassOf(h) == L"Static" && (style & SS_TYPEMASK) == SS_ETCHEDFRAME)
                ++nEtched;
        }
        EXPECT_EQ(nEtched, 4);
        EXPECT_EQ(dlg.GetDlgItem(IDC_ATTR_TIME_PLACEHOLDER), nullptr);
        // The field sits where the placeholder was (one pixel larger all round).
        RECT rcField = {};
        ::GetWindowRect(dlg.GetDlgItem(IDC_DATETIME), &rcField);
        RECT rcUnits = {49, 130, 49 + 74, 130 + 14};
        ::MapDialogRect(hDlg, &rcUnits);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT *>(&rcField), 2);
        EXPECT_EQ(rcField.left, rcUnits.left - 1);
        EXPECT_EQ(rcField.top, rcUnits.top - 1);
        dlg.PostButtonClick(IDCANCEL);
    });
    CBulkAttrDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bRan);
}

TEST(BulkAttrDlg, GroupsEnableTheirControlsAndTheExplicitTimeFillsAnEmptyField)
{
    CScriptedSeams seams;
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        HWND hField = dlg.GetDlgItem(IDC_DATETIME);
        ASSERT_NE(FieldEdit(dlg), nullptr);
        // At first: source time chosen, every group off, only the clearing box usable.
        EXPECT_TRUE(Checked(h, IDC_ATTR_TIME_SOURCE));
        for (int nID : {IDC_BULK_DIR_GROUP, IDC_BULK_TIME_GROUP, IDC_BULK_ATTR_GROUP, IDC_BULK_SORT_GROUP,
                        IDC_BULK_CLEAR_PROCESSED})
            EXPECT_TRUE(Enabled(h, nID)) << nID;
        for (int nID : {IDC_BULK_DIR_ARCHIVE, IDC_ATTR_TIME_SYSCLOCK, IDC_ATTR_TIME_SPECIFIED, IDC_ATTR_READONLY,
                        IDC_BULK_SORT_DESCENDING, IDC_ATTR_SORT_BY_EXT})
            EXPECT_FALSE(Enabled(h, nID)) << nID;
        EXPECT_FALSE(::IsWindowEnabled(hField));
        EXPECT_EQ(Text(FieldEdit(dlg)), L"");

        Click(h, IDC_BULK_DIR_GROUP);
        EXPECT_TRUE(Enabled(h, IDC_BULK_DIR_READONLY));
        Click(h, IDC_BULK_ATTR_GROUP);
        EXPECT_TRUE(Enabled(h, IDC_ATTR_HIDE));
        Click(h, IDC_BULK_SORT_GROUP);
        EXPECT_TRUE(Enabled(h, IDC_BULK_SORT_ASCENDING));
        EXPECT_TRUE(Enabled(h, IDC_ATTR_SORT_BY_NAME));
        Click(h, IDC_BULK_TIME_GROUP);
        EXPECT_TRUE(Enabled(h, IDC_ATTR_TIME_SYSCLOCK));
        EXPECT_FALSE(::IsWindowEnabled(hField));
        Click(h, IDC_ATTR_TIME_SPECIFIED);
        EXPECT_TRUE(::IsWindowEnabled(hField));
        EXPECT_TRUE(::IsWindowEnabled(FieldEdit(dlg)));
        // Now, in the field's text form.
        const std::wstring strNow = Text(FieldEdit(dlg));
        ASSERT_EQ(strNow.size(), 19u) << strNow;
        SYSTEMTIME st = {};
        ::GetLocalTime(&st);
        EXPECT_EQ(strNow.substr(0, 5), std::to_wstring(st.wYear) + L"/");

        // Unchecking the group disables the field but keeps its text.
        Click(h, IDC_BULK_TIME_GROUP);
        EXPECT_FALSE(::IsWindowEnabled(hField));
        EXPECT_FALSE(Enabled(h, IDC_ATTR_TIME_SPECIFIED));
        EXPECT_EQ(Text(FieldEdit(dlg)), strNow);
        dlg.PostButtonClick(IDCANCEL);
    });
    CBulkAttrDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(seams.m_nDialogs, 1);
}

TEST(BulkAttrDlg, EmptiedExplicitTimeIsAnErrorUntilAClickRefillsIt)
{
    CScriptedSeams seams;
    seams.m_listMessageAnswers.push_back(IDOK);
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_NE(FieldEdit(dlg), nullptr);
        Click(h, IDC_BULK_TIME_GROUP);
        Click(h, IDC_ATTR_TIME_SPECIFIED);
        ASSERT_FALSE(Text(FieldEdit(dlg)).empty());
        // Typed away, never committed: OK still sees the empty text.
        ::SetWindowTextW(FieldEdit(dlg), L"");
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_EQ(seams.m_listMessages.size(), 1u);
        EXPECT_EQ(seams.m_listMessages[0].strText, L"設定するﾀｲﾑｽﾀﾝﾌﾟを入力してください。");
        EXPECT_EQ(seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(seams.m_listMessages[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_TRUE(::IsWindow(h));
        EXPECT_EQ(Text(FieldEdit(dlg)), L"");

        // Any handled click refills it.
        Click(h, IDC_BULK_SORT_GROUP);
        EXPECT_EQ(Text(FieldEdit(dlg)).size(), 19u);

        ::SetWindowTextW(FieldEdit(dlg), L"2020/01/02 03:04:05");
        Click(h, IDC_BULK_SORT_DESCENDING);
        Click(h, IDC_BULK_CLEAR_PROCESSED);
        Click(h, IDC_BULK_DIR_GROUP);
        Click(h, IDC_BULK_DIR_SYSTEM);
        dlg.PostButtonClick(IDOK);
    });
    CBulkAttrDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seams.m_listMessages.size(), 1u);
    const CBulkAttrChoices &c = dlg.m_choices;
    EXPECT_EQ(c.m_bTimeGroup, 1);
    EXPECT_EQ(c.m_nTimeMode, TIME_MODE_SPECIFIED);
    // 2020/01/02 03:04:05 in Tokyo is 2020/01/01 18:04:05 UTC.
    SYSTEMTIME stUtc = {2020, 1, 3, 1, 18, 4, 5, 0};
    FILETIME ftExpected = {};
    ASSERT_TRUE(::SystemTimeToFileTime(&stUtc, &ftExpected));
    EXPECT_EQ(c.m_ftSpecified.dwLowDateTime, ftExpected.dwLowDateTime);
    EXPECT_EQ(c.m_ftSpecified.dwHighDateTime, ftExpected.dwHighDateTime);
    EXPECT_EQ(c.m_bSortGroup, 1);
    EXPECT_EQ(c.m_nSortOrder, 1);
    EXPECT_EQ(c.m_nSortKey, 0);
    EXPECT_EQ(c.m_bClearProcessed, 1);
    EXPECT_EQ(c.m_bDirGroup, 1);
    EXPECT_EQ(c.m_bDirSystem, 1);
    EXPECT_EQ(c.m_bDirArchive, 0);
    EXPECT_EQ(c.m_bAttrGroup, 0);
}

TEST(BulkAttrDlg, OtherTimeChoicesTakeNoTimeAndShowThePresetSort)
{
    CScriptedSeams seams;
    CBulkAttrDlg dlg;
    dlg.m_choices.m_nSortOrder = 1;
    dlg.m_choices.m_nSortKey = 1;
    seams.m_listDialogActions.push_back([&](CDialog &d) {
        HWND h = d.m_hWnd;
        EXPECT_TRUE(Checked(h, IDC_BULK_SORT_DESCENDING));
        EXPECT_TRUE(Checked(h, IDC_ATTR_SORT_BY_EXT));
        Click(h, IDC_BULK_TIME_GROUP);
        Click(h, IDC_ATTR_TIME_SPECIFIED); // fills the field
        Click(h, IDC_ATTR_TIME_SYSCLOCK);
        EXPECT_FALSE(::IsWindowEnabled(d.GetDlgItem(IDC_DATETIME)));
        Click(h, IDC_BULK_ATTR_GROUP);
        Click(h, IDC_ATTR_ARCHIVE);
        Click(h, IDC_ATTR_READONLY);
        d.PostButtonClick(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(seams.m_listMessages.empty());
    const CBulkAttrChoices &c = dlg.m_choices;
    EXPECT_EQ(c.m_nTimeMode, TIME_MODE_SYSCLOCK);
    EXPECT_EQ(c.m_ftSpecified.dwLowDateTime | c.m_ftSpecified.dwHighDateTime, 0u);
    EXPECT_EQ(BulkFileAttributes(c), 0x21u);
    EXPECT_EQ(c.m_bSortGroup, 0);
    EXPECT_EQ(c.m_nSortOrder, 1);
    EXPECT_EQ(c.m_nSortKey, 1);
}

} // namespace
