// Keys in the item attributes dialog's date-time field, posted to the focused edit box so that
// they pass through the dialog's own message loop as typed keys do.
#include "dialogs/ItemAttrDlg.h"

#include "datetime/DateTimeCmb.h"
#include "datetime/DateTimeCtrl.h"
#include "support/TimeConvert.h"
#include "support/TimeText.h"

#include "ItemAttrHost.h"

namespace {

CDateTimeCmb &Field(CDialog &dlg)
{
    return *static_cast<CItemAttrDlg &>(dlg).GetDateTimeField();
}

// A key as the keyboard gives it to the window with the focus (Alt: the system key form).
void PostKey(UINT nVirtKey, bool bAlt = false)
{
    HWND hFocus = ::GetFocus();
    ASSERT_NE(hFocus, nullptr);
    ::PostMessageW(hFocus, bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, nVirtKey, bAlt ? 0x20000001 : 1);
}

// What the panel writes into the field when the user picks in it.
void PickInPanel(CDateTimeCmb &field, const wchar_t *pszText)
{
    field.GetPanel()->SetValueText(pszText, true);
    field.GetPanel()->EndDropDown(DROP_CHANGED);
}

std::wstring UtcText(const FILETIME &ft)
{
    return FormatFileTime(&ft, TIME_PART_DATE | TIME_PART_TIME);
}

} // namespace

TEST_F(AttrDialogTest, PanelKeysStayInTheFieldAndTheDialogKeepsItsEdits)
{
    ScanSample();
    int nSteps = 0;
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            Click(h, IDC_ATTR_MODE_FILE);
            ::SendDlgItemMessageW(h, IDC_ATTR_FILE_LIST, LB_SETCURSEL, 0, 0);
            ::SendMessageW(h, WM_COMMAND, MAKEWPARAM(IDC_ATTR_FILE_LIST, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(::GetDlgItem(h, IDC_ATTR_FILE_LIST)));
            Click(h, IDC_ATTR_READONLY);
            Click(h, IDC_ATTR_TIME_SPECIFIED);
            Field(dlg).SetValueText(L"2024/03/15 10:20:30");
            ::SetFocus(Field(dlg).GetEdit());
            PostKey(VK_F4);
            Later(h, [&, h] {
                ++nSteps;
                ASSERT_TRUE(Field(dlg).IsDroppedDown()) << "F4 opens";
                PickInPanel(Field(dlg), L"2001/02/03 04:05:06");
                Later(h, [&, h] {
                    EXPECT_EQ(Field(dlg).GetText(), L"2001/02/03 04:05:06");
                    PostKey(VK_ESCAPE);
                    Later(h, [&, h] {
                        ++nSteps;
                        ASSERT_TRUE(::IsWindow(h)) << "Esc closed the dialog";
                        EXPECT_FALSE(Field(dlg).IsDroppedDown());
                        EXPECT_EQ(Field(dlg).GetText(), L"2024/03/15 10:20:30");
                        EXPECT_TRUE(Checked(h, IDC_ATTR_READONLY));
                        EXPECT_EQ(::GetFocus(), Field(dlg).GetEdit());
                        PostKey(VK_DOWN, true);
                        Later(h, [&, h] {
                            ++nSteps;
                            ASSERT_TRUE(Field(dlg).IsDroppedDown()) << "Alt+Down opens";
                            PickInPanel(Field(dlg), L"2002/03/04 05:06:07");
                            PostKey(VK_RETURN);
                            Later(h, [&, h] {
                                ++nSteps;
                                ASSERT_TRUE(::IsWindow(h)) << "Enter closed the dialog";
                                EXPECT_FALSE(Field(dlg).IsDroppedDown());
                                EXPECT_EQ(Field(dlg).GetText(), L"2002/03/04 05:06:07");
                                PostKey(VK_DOWN, true);
                                Later(h, [&, h] {
                                    ASSERT_TRUE(Field(dlg).IsDroppedDown());
                                    PickInPanel(Field(dlg), L"2003/04/05 06:07:08");
                                    PostKey(VK_DOWN, true); // closes, keeping the value
                                    Later(h, [&, h] {
                                        ++nSteps;
                                        EXPECT_FALSE(Field(dlg).IsDroppedDown());
                                        EXPECT_EQ(Field(dlg).GetText(), L"2003/04/05 06:07:08");
                                        // Closed, Enter is the dialog's again.
                                        PostKey(VK_RETURN);
                                    });
                                });
                            });
                        });
                    });
                });
            });
        });
    });
    Tree().EditItemAttributes(m_hDir);
    EXPECT_EQ(nSteps, 5);
    const CItemInfo &x = *Record(m_hDir)->m_listFiles[0];
    EXPECT_TRUE(x.m_dwAttributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(x.m_nTimeMode, TIME_MODE_SPECIFIED);
    EXPECT_EQ(UtcText(x.m_ftSpecified), L"2003/04/05 06:07:08");
}

TEST_F(AttrDialogTest, EscWithThePanelClosedCancelsTheDialog)
{
    ScanSample();
    m_seams.m_listDialogActions.push_back([&](CDialog &dlg) {
        HWND h = dlg.m_hWnd;
        ASSERT_TRUE(::IsWindow(h));
        Later(h, [&, h] {
            Click(h, IDC_ATTR_ARCHIVE);
            ::SetFocus(::GetDlgItem(h, IDC_ATTR_DIR_NAME));
            PostKey(VK_ESCAPE);
            Later(h, [h] {
                ADD_FAILURE() << "Esc left the dialog open";
                Click(h, IDCANCEL);
            });
        });
    });
    const DWORD dwBefore = Record(m_hDir)->m_dwAttributes;
    Tree().EditItemAttributes(m_hDir);
    EXPECT_EQ(Record(m_hDir)->m_dwAttributes, dwBefore);
}
