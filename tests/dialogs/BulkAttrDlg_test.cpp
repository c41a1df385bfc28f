// The bulk settings dialog on its real template, driven through the modal-dialog seam.
#include "dialogs/BulkAttrDlg.h"

#include "datetime/DateTimeCmb.h"
#include "res/resource.h"

#include "ScriptedSeams.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

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
        // At 96 DPI: the image of its icon that LoadIcon picks.
        EXPECT_EQ(IconPixels(reinterpret_cast<HICON>(dlg.SendMessage(WM_GETICON, ICON_BIG))),
                  IconPixels(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ATTR))));
        const std::vector<HWND> children = ChildWindows(hDlg);
        ASSERT_EQ(children.size(), std::size(expected));
        int nEtched = 0;
        for (size_t i = 0; i < children.size(); ++i) {
            HWND h = children[i];
            const CExpected &e = expected[i];
            ExpectControl(h, e, i);
            const LONG style = ::GetWindowLongW(h, GWL_STYLE);
            if (ClassOf(h) == L"Static" && (style & SS_TYPEMASK) == SS_ETCHEDFRAME)
                ++nEtched;
        }
        EXPECT_EQ(nEtched, 4);
        EXPECT_EQ(dlg.GetDlgItem(IDC_ATTR_TIME_PLACEHOLDER), nullptr);
        // The field sits where the placeholder was (one pixel larger all round), beside the
        // explicit choice; it and the rows above may have moved to make room for their texts.
        RECT rcField = {}, rcChoice = {};
        ::GetWindowRect(dlg.GetDlgItem(IDC_DATETIME), &rcField);
        ::GetWindowRect(dlg.GetDlgItem(IDC_ATTR_TIME_SPECIFIED), &rcChoice);
        RECT rcUnits = {49, 130, 49 + 74, 130 + 14};
        ::MapDialogRect(hDlg, &rcUnits);
        EXPECT_GE(rcField.right - rcField.left, rcUnits.right - rcUnits.left + 2);
        EXPECT_EQ(rcField.bottom - rcField.top, rcUnits.bottom - rcUnits.top + 2);
        EXPECT_GT(rcField.left, rcChoice.right);
        EXPECT_LT(rcField.top, rcChoice.bottom);
        EXPECT_GT(rcField.bottom, rcChoice.top);
        dlg.PostButtonClick(IDCANCEL);
    });
    CBulkAttrDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bRan);
}

TEST(BulkAttrDlg, GroupsEnableTheirControlsAndAnEmptiedExplicitTimeKeepsTheDialogOpen)
{
    CScriptedSeams seams;
    seams.m_listMessageAnswers.push_back(IDOK);
    seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd, hField = dlg.GetDlgItem(IDC_DATETIME), hEdit = FieldEdit(dlg);
        ASSERT_NE(hEdit, nullptr);
        // At first: the source's time chosen, every group off, so only the group boxes are usable.
        EXPECT_TRUE(Checked(h, IDC_ATTR_TIME_SOURCE));
        for (int nID : {IDC_BULK_DIR_ARCHIVE, IDC_ATTR_TIME_SPECIFIED, IDC_ATTR_READONLY, IDC_ATTR_SORT_BY_EXT})
            EXPECT_FALSE(Enabled(h, nID)) << nID;
        EXPECT_TRUE(Enabled(h, IDC_BULK_CLEAR_PROCESSED));
        EXPECT_FALSE(::IsWindowEnabled(hField));
        EXPECT_EQ(Text(hEdit), L"");
        const std::pair<int, int> groups[] = {{IDC_BULK_DIR_GROUP, IDC_BULK_DIR_READONLY},
                                              {IDC_BULK_ATTR_GROUP, IDC_ATTR_HIDE},
                                              {IDC_BULK_SORT_GROUP, IDC_ATTR_SORT_BY_NAME},
                                              {IDC_BULK_TIME_GROUP, IDC_ATTR_TIME_SYSCLOCK}};
        for (auto [nGroup, nMember] : groups) {
            Click(h, nGroup);
            EXPECT_TRUE(Enabled(h, nMember)) << nMember;
        }
        EXPECT_FALSE(::IsWindowEnabled(hField));
        Click(h, IDC_ATTR_TIME_SPECIFIED);
        EXPECT_TRUE(::IsWindowEnabled(hField));
        EXPECT_EQ(Text(hEdit).size(), 19u) << "now, as \"YYYY/MM/DD hh:mm:ss\"";

        // Typed away, never committed: OK still sees the empty text, says so and stays open.
        ::SetWindowTextW(hEdit, L"");
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_EQ(seams.m_listMessages.size(), 1u);
        EXPECT_EQ(seams.m_listMessages[0].strText, L"設定するﾀｲﾑｽﾀﾝﾌﾟを入力してください。");
        EXPECT_EQ(seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(seams.m_listMessages[0].nType & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
        EXPECT_EQ(Text(hEdit), L"");
        // Any handled click refills it.
        Click(h, IDC_BULK_SORT_DESCENDING);
        EXPECT_EQ(Text(hEdit).size(), 19u);

        ::SetWindowTextW(hEdit, L"2020/01/02 03:04:05");
        Click(h, IDC_BULK_CLEAR_PROCESSED);
        Click(h, IDC_BULK_DIR_SYSTEM);
        Click(h, IDC_ATTR_ARCHIVE);
        dlg.PostButtonClick(IDOK);
    });
    CBulkAttrDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(seams.m_listMessages.size(), 1u);
    const CBulkAttrChoices &c = dlg.m_choices;
    EXPECT_EQ(c.m_nTimeMode, TIME_MODE_SPECIFIED);
    // 2020/01/02 03:04:05 in Tokyo is 2020/01/01 18:04:05 UTC.
    SYSTEMTIME stUtc = {2020, 1, 3, 1, 18, 4, 5, 0};
    FILETIME ftExpected = {};
    ASSERT_TRUE(::SystemTimeToFileTime(&stUtc, &ftExpected));
    EXPECT_EQ(c.m_ftSpecified.dwLowDateTime, ftExpected.dwLowDateTime);
    EXPECT_EQ(c.m_ftSpecified.dwHighDateTime, ftExpected.dwHighDateTime);
    const int got[] = {c.m_bDirGroup, c.m_bDirSystem, c.m_bDirArchive, c.m_bTimeGroup, c.m_bAttrGroup,     c.m_bArchive,
                       c.m_bHide,     c.m_bSortGroup, c.m_nSortOrder,  c.m_nSortKey,   c.m_bClearProcessed};
    const int expected[] = {1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1};
    EXPECT_TRUE(std::equal(std::begin(got), std::end(got), std::begin(expected)));
}

} // namespace
