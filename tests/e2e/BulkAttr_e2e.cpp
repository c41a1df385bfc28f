// The bulk settings as a person reaches them: after a run with files, Shift held while the options
// button is pressed, the processed marks cleared and the directories hidden; the tree's images change.
#include "Controls.h"
#include "Dialogs.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

#include <map>

namespace {

const DWORD WAIT_RUN_MS = 60000;
const wchar_t BULK_CAPTION[] = L"( ^ _ ^ ; ) 属性･ﾀｲﾑｽﾀﾝﾌﾟをまとめて設定 ( ^ _ ^ ; )";

class BulkAttr : public CPelnixScenario {};

// A key held down or let go as the keyboard would: the system's key state changes for every program.
void SendKey(WORD vk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &in, sizeof(in));
}

void Collect(const std::vector<CTreeNode> &nodes, const std::wstring &strPath, std::map<std::wstring, int> &images)
{
    for (const CTreeNode &node : nodes) {
        const std::wstring strNode = strPath + L"/" + node.item.strText;
        images[strNode] = node.item.nImage;
        Collect(node.listChildren, strNode, images);
    }
}

std::map<std::wstring, int> NodeImages(HWND hTree)
{
    std::map<std::wstring, int> images;
    Collect(GetTree(hTree), L"", images);
    return images;
}

void ClickBox(HWND hDlg, int nId)
{
    HWND hBox = RequireControl(hDlg, nId);
    ::SendMessageW(hBox, BM_CLICK, 0, 0);
    SyncWindowThread(hBox);
}

TEST_F(BulkAttr, ShiftWithOptionsClearsTheProcessedMarksAfterARun)
{
    StartOnScannedSample();
    HWND hTree = Control(IDC_DIRTREE), hBar = Control(IDC_TOOLBAR);
    ASSERT_GT(GetTreeOutline(hTree).size(), 1u) << "the source scan filled no tree";
    const std::map<std::wstring, int> scanned = NodeImages(hTree);

    const std::wstring strDest = *m_pFolder / L"複写先";
    TypeText(Control(IDC_DEST_PATH), strDest);
    PressToolButton(hBar, ID_RUN_WITH_FILES);
    AnswerMessageBox(m_app, L"確認", IDOK);
    AnswerMessageBox(m_app, L"Result ...", IDOK, WAIT_RUN_MS);
    WaitUntilIdle();
    const std::map<std::wstring, int> copied = NodeImages(hTree);
    ASSERT_NE(copied, scanned) << "the run marked no directory as copied";

    SendKey(VK_SHIFT, true);
    PressToolButton(hBar, ID_OPTIONS);
    HWND hDlg = WaitForDialog(m_app, BULK_CAPTION);
    SendKey(VK_SHIFT, false);
    ASSERT_NE(hDlg, nullptr);
    ClickBox(hDlg, IDC_BULK_CLEAR_PROCESSED);
    ClickBox(hDlg, IDC_BULK_DIR_GROUP);
    ClickBox(hDlg, IDC_BULK_DIR_HIDE);
    ClickBox(hDlg, IDC_BULK_TIME_GROUP);
    ClickBox(hDlg, IDC_ATTR_TIME_SPECIFIED);
    Shot(L"bulk-attr-dialog");
    ClickButton(hDlg, IDOK);
    WaitUntil([&] { return !::IsWindow(hDlg); }, L"the bulk settings to close");
    WaitUntilIdle();
    Shot(L"bulk-attr-applied");

    // Every directory now shows the hidden look (hidden only) and no copied mark; the root keeps its
    // own attributes.
    const std::map<std::wstring, int> after = NodeImages(hTree);
    ASSERT_EQ(after.size(), copied.size());
    for (const auto &[strNode, nImage] : after) {
        if (strNode == L"/[ root ]")
            continue;
        EXPECT_EQ(nImage & ~1, (scanned.at(strNode) & 8) + 2) << Utf8(strNode);
    }
    ExitConfirmed();
}

} // namespace
