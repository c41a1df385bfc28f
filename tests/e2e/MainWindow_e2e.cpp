// The main window as a person meets it: it opens, shows its controls, takes a typed destination,
// stays open on Enter and Escape, and ends the process when closed.
#include "Controls.h"
#include "Scenario.h"

#include "res/resource.h"

namespace {

class MainWindow : public CPelnixScenario {};

TEST_F(MainWindow, OpensTakesInputAndClosesLikeAPersonUsesIt)
{
    ASSERT_NE(StartPelnix(), nullptr);
    ASSERT_TRUE(::IsWindowVisible(m_hMain));
    EXPECT_EQ(GetText(m_hMain), PELNIX_CAPTION);
    EXPECT_EQ(WindowClass(Control(IDC_DIRTREE)), WC_TREEVIEWW);
    EXPECT_EQ(WindowClass(Control(IDC_FILEINFO)), L"Edit");
    EXPECT_EQ(GetText(Control(IDC_SELECT_DEST)), L"複写先 :");

    TypeText(Control(IDC_DEST_PATH), L"Z:\\tmp\\複写先 ﾃｽﾄ");
    EXPECT_EQ(GetText(Control(IDC_DEST_PATH)), L"Z:\\tmp\\複写先 ﾃｽﾄ");

    // Enter and Escape go through the dialog manager as IDOK and IDCANCEL; neither closes the window.
    PressKey(m_hMain, VK_RETURN);
    PressKey(m_hMain, VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(m_hMain));
    EXPECT_TRUE(m_app.IsRunning());
    Shot(L"main-window");

    m_app.PostClose();
    m_app.WaitExit();
    EXPECT_FALSE(m_app.IsRunning());
    EXPECT_FALSE(::IsWindow(m_hMain));
}

} // namespace
