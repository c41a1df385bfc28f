// The driver's own tests: a helper window in a second process stands in for the program, so that
// every message crosses a process boundary as it does with Pelnix.exe.
#include <gtest/gtest.h>

#include "Controls.h"
#include "Dialogs.h"
#include "Helper.h"
#include "Program.h"
#include "RemoteBuffer.h"
#include "Screenshot.h"
#include "TreeView.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Lines = std::vector<std::wstring>;

// The failure message of an action, or "" when it did not fail.
std::string ErrorOf(const std::function<void()> &fnAction)
{
    try {
        fnAction();
    } catch (const CDriverError &e) {
        return e.what();
    }
    return "";
}

// A fresh folder under the temporary directory, removed with its contents afterwards.
class CTempFolder {
public:
    CTempFolder()
    {
        static int s_nFolders = 0;
        wchar_t szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        m_strPath = std::wstring(szTemp) + L"pelnix-driver-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                    std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(++s_nFolders);
        std::filesystem::create_directories(std::filesystem::path(m_strPath));
    }
    ~CTempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(m_strPath), ec);
    }
    const std::wstring &Path() const { return m_strPath; }

private:
    std::wstring m_strPath;
};

std::wstring OwnExe()
{
    wchar_t szExe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    return szExe;
}

class Driver : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_helper.Start(OwnExe(), {L"--helper=window"});
        m_hMain = m_helper.WaitMainWindow(HELPER_CAPTION);
        ASSERT_TRUE(::IsWindow(m_hMain));
    }
    void TearDown() override
    {
        if (m_helper.IsRunning()) {
            m_helper.PostClose();
            EXPECT_EQ(m_helper.WaitExit(), 0u);
        }
    }
    // What reached the helper, oldest first.
    Lines Log() const
    {
        HWND hLog = RequireControl(m_hMain, HELPER_ID_LOG);
        return GetText(hLog).empty() ? Lines{} : GetEditLines(hLog);
    }
    HWND Toolbar() const { return RequireControl(m_hMain, HELPER_ID_TOOLBAR); }

    CProgram m_helper;
    HWND m_hMain = nullptr;
};

TEST_F(Driver, ReadsAndSelectsTreeNodesOfAnotherProcess)
{
    HWND hTree = RequireControl(m_hMain, HELPER_ID_TREE);
    EXPECT_EQ(GetTreeOutline(hTree), (Lines{L"[ root ]", L"  ソース", L"    a b", L"    ﾃﾞｨﾚｸﾄﾘ", L"  second"}));
    EXPECT_EQ(FindTreeItem(hTree, {L"[ root ]", L"missing"}), nullptr);
    EXPECT_EQ(FindTreeItem(hTree, {L"[ root ]", L"a b"}), nullptr); // labels follow the levels

    HTREEITEM hItem = FindTreeItem(hTree, {L"[ root ]", L"ソース", L"ﾃﾞｨﾚｸﾄﾘ"});
    ASSERT_NE(hItem, nullptr);
    SelectTreeItem(hTree, hItem);
    EXPECT_EQ(GetSelectedTreeItem(hTree), hItem);
    EXPECT_TRUE(GetTreeItem(hTree, hItem).nState & TVIS_SELECTED);
    EXPECT_EQ(Log(), Lines{L"selected ﾃﾞｨﾚｸﾄﾘ"}); // the program was told, not just the control changed
    EXPECT_EQ(GetNextTreeItem(hTree, hItem, TVGN_PARENT), FindTreeItem(hTree, {L"[ root ]", L"ソース"}));
}

TEST_F(Driver, EndsALabelEditWithEnterOrEscapeWithoutReachingTheWindow)
{
    HWND hTree = RequireControl(m_hMain, HELPER_ID_TREE);
    HTREEITEM hItem = FindTreeItem(hTree, {L"[ root ]", L"ソース", L"a b"});
    ASSERT_NE(hItem, nullptr);
    SelectTreeItem(hTree, hItem); // as a person clicks a node before editing its label

    HWND hEdit = EditTreeLabel(hTree, hItem);
    TypeText(hEdit, L"新しい 名前");
    PressKey(hEdit, VK_RETURN);
    EXPECT_EQ(GetTreeItem(hTree, hItem).strText, L"新しい 名前");

    hEdit = EditTreeLabel(hTree, hItem);
    TypeText(hEdit, L"捨てる");
    PressKey(hEdit, VK_ESCAPE);
    EXPECT_EQ(GetTreeItem(hTree, hItem).strText, L"新しい 名前");
    EXPECT_EQ(Log(), (Lines{L"selected a b", L"renamed 新しい 名前", L"edit cancelled"}));
}

TEST_F(Driver, PressesToolButtonsByCommandIdAndRefusesWhatAPersonCouldNot)
{
    std::vector<CToolButton> listButtons = GetToolButtons(Toolbar());
    ASSERT_EQ(listButtons.size(), 5u);
    EXPECT_EQ(listButtons[0].nCommand, HELPER_CMD_LOG);
    EXPECT_TRUE(listButtons[1].IsSeparator());
    EXPECT_EQ(listButtons[2].nCommand, HELPER_CMD_OFF);
    EXPECT_EQ(listButtons[4].nCommand, HELPER_CMD_FOLDER);
    EXPECT_EQ(listButtons[3].nImage, STD_FILEOPEN);
    EXPECT_TRUE(IsToolButtonEnabled(Toolbar(), HELPER_CMD_LOG));
    EXPECT_FALSE(IsToolButtonEnabled(Toolbar(), HELPER_CMD_OFF));

    PressToolButton(Toolbar(), HELPER_CMD_LOG);
    EXPECT_EQ(Log(), Lines{L"command 32771"}); // handled by the time the press returns

    EXPECT_NE(ErrorOf([&] { PressToolButton(Toolbar(), HELPER_CMD_OFF); }).find("32772 is disabled"),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { PressToolButton(Toolbar(), 40000); }).find("no button with command id 40000"),
              std::string::npos);
    ::EnableWindow(Toolbar(), FALSE);
    EXPECT_NE(ErrorOf([&] { PressToolButton(Toolbar(), HELPER_CMD_LOG); }).find("the tool bar is disabled"),
              std::string::npos);
    m_helper.Sync();
    EXPECT_EQ(Log(), Lines{L"command 32771"});
}

TEST_F(Driver, TypesIntoAnEditAndReadsMultiLineText)
{
    HWND hPath = RequireControl(m_hMain, HELPER_ID_PATH);
    TypeText(hPath, L"Z:\\複写先\\a b");
    EXPECT_EQ(GetText(hPath), L"Z:\\複写先\\a b");
    TypeText(hPath, L"C:\\ｶﾅ"); // replaces, as typing over a selection does
    EXPECT_EQ(GetText(hPath), L"C:\\ｶﾅ");
    SetText(hPath, L"");
    EXPECT_EQ(GetText(hPath), L"");
    EXPECT_EQ(GetEditLines(RequireControl(m_hMain, HELPER_ID_TEXT)), (Lines{L"一行目", L"2 行目", L"third"}));
}

TEST_F(Driver, EnterAndEscapeReachTheDialogManager)
{
    PressKey(m_hMain, VK_RETURN);
    PressKey(m_hMain, VK_ESCAPE);
    EXPECT_EQ(Log(), (Lines{L"ok", L"cancel"}));
    EXPECT_TRUE(m_helper.IsRunning());
}

TEST_F(Driver, AnswersAMessageBoxByCaptionAndButton)
{
    PressToolButton(Toolbar(), HELPER_CMD_BOX);
    // A button the box does not have is refused, and the message says which ones it has.
    std::string strError = ErrorOf([&] { AnswerMessageBox(m_helper, HELPER_BOX_CAPTION, IDCANCEL); });
    EXPECT_NE(strError.find("has no button 2"), std::string::npos) << strError;
    EXPECT_NE(strError.find("(6)"), std::string::npos) << strError;

    EXPECT_EQ(AnswerMessageBox(m_helper, HELPER_BOX_CAPTION, IDNO), HELPER_BOX_TEXT);
    m_helper.Sync();
    EXPECT_EQ(Log(), (Lines{L"command 32773", L"answer 7"}));

    strError = ErrorOf([&] { WaitForDialog(m_helper, L"ない窓", 200); });
    EXPECT_EQ(strError.rfind("timed out after ", 0), 0u) << strError;
    EXPECT_NE(strError.find("waiting for the dialog \"ない窓\""), std::string::npos) << strError;
}

TEST_F(Driver, ChoosesAFolderInTheShellPickerOrCancelsIt)
{
    CTempFolder base;
    const std::wstring strChoice = base.Path() + L"\\選択 先";
    ASSERT_TRUE(::CreateDirectoryW(strChoice.c_str(), nullptr));

    PressToolButton(Toolbar(), HELPER_CMD_FOLDER);
    ChooseFolder(m_helper, HELPER_PICKER_CAPTION, strChoice);
    PressToolButton(Toolbar(), HELPER_CMD_FOLDER);
    CancelFolderPicker(m_helper, HELPER_PICKER_CAPTION);
    m_helper.Sync();
    EXPECT_EQ(Log(), (Lines{L"command 32774", L"folder " + strChoice, L"command 32774", L"folder cancelled"}));
}

TEST_F(Driver, RemoteBufferRoundTripAndBounds)
{
    CRemoteBuffer buf(m_hMain, 64);
    buf.WriteValue<int>(42, 4);
    buf.WriteString(L"ﾃﾞｨﾚｸﾄﾘ", 8);
    EXPECT_EQ(buf.ReadValue<int>(4), 42);
    EXPECT_EQ(buf.ReadStringAt(buf.Address(8), 100), L"ﾃﾞｨﾚｸﾄﾘ");
    EXPECT_EQ(buf.ReadStringAt(buf.Address(8), 3), L"ﾃﾞｨ");
    EXPECT_NE(ErrorOf([&] { buf.WriteValue<int>(1, 62); }).find("beyond"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { buf.ReadValue<int>(64); }).find("beyond"), std::string::npos);
}

TEST(DriverWait, FailsAfterTheDeadlineNamingWhatItAwaited)
{
    ULONGLONG start = ::GetTickCount64();
    std::string strError = ErrorOf([] { WaitUntil([] { return false; }, L"the moon to rise", 200); });
    EXPECT_GE(::GetTickCount64() - start, 200u);
    EXPECT_EQ(strError.rfind("timed out after 0.", 0), 0u) << strError;
    EXPECT_NE(strError.find("s waiting for the moon to rise"), std::string::npos) << strError;

    int nPolls = 0;
    EXPECT_EQ(WaitFor<int>([&] { return ++nPolls == 3 ? 7 : 0; }, L"the third poll"), 7);

    CProgram missing;
    EXPECT_NE(ErrorOf([&] { missing.Start(L"C:\\no such folder\\Pelnix.exe"); }).find("cannot start"),
              std::string::npos);
    EXPECT_FALSE(missing.IsRunning());
}

// Needs a real screen: runs with the scenarios under the X server.
TEST(ScreenCapture, WritesTheScreenAsA24BitBmp)
{
    CTempFolder folder;
    const std::wstring strPath = folder.Path() + L"\\screen.bmp";
    SaveScreenshot(strPath);

    std::ifstream file(std::filesystem::path(strPath), std::ios::binary);
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    file.read(reinterpret_cast<char *>(&bfh), sizeof bfh).read(reinterpret_cast<char *>(&bih), sizeof bih);
    ASSERT_TRUE(file.good());
    file.seekg(0, std::ios::end);
    EXPECT_EQ(bfh.bfType, 0x4D42);
    EXPECT_EQ(bfh.bfSize, static_cast<DWORD>(file.tellg()));
    EXPECT_EQ(bih.biWidth, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(bih.biHeight, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(bih.biBitCount, 24);
    EXPECT_EQ(bfh.bfSize, bfh.bfOffBits + ((bih.biWidth * 3 + 3) & ~3) * bih.biHeight);
}

} // namespace
