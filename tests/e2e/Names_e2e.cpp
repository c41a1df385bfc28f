// A directory name typed by a person that could lead outside its parent: refused with a message,
// and the edit stays open with what was typed.
#include "Controls.h"
#include "Dialogs.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

namespace {

class Names : public CPelnixScenario {
protected:
    HWND LabelEdit() const
    {
        return WaitFor<HWND>(
            [&] { return reinterpret_cast<HWND>(::SendMessageW(Control(IDC_DIRTREE), TVM_GETEDITCONTROL, 0, 0)); },
            L"the label edit");
    }
};

TEST_F(Names, ALabelLeadingOutOfItsParentIsRefusedAndTheEditStaysOpen)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE);
    PressToolButton(Control(IDC_TOOLBAR), ID_ADD_DIR);
    HWND hEdit = LabelEdit();
    TypeText(hEdit, L"..\\x");
    PressKey(hEdit, VK_RETURN);

    WaitForDialog(m_app, L"Error");
    Shot(L"names-refused");
    const std::wstring strText = AnswerMessageBox(m_app, L"Error", IDOK);
    EXPECT_NE(strText.find(L"\\ / : * ? \" < > |"), std::wstring::npos) << Utf8(strText);

    // The same node is being edited again, with what was typed; its name is unchanged.
    hEdit = LabelEdit();
    EXPECT_EQ(GetText(hEdit), L"..\\x");
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  新規 SubDir"}));
    Shot(L"names-edit-open");

    // Corrected, it is taken.
    SetText(hEdit, L"x");
    PressKey(hEdit, VK_RETURN);
    WaitUntil([&] { return ::SendMessageW(hTree, TVM_GETEDITCONTROL, 0, 0) == 0; }, L"the edit to close");
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]", L"  x"}));
    ExitConfirmed();
}

} // namespace
