// The directory tree as a person first meets it: the single root, selected, whose name cannot be edited.
#include "Scenario.h"
#include "TreeView.h"

#include "res/resource.h"

namespace {

class DirTree : public CPelnixScenario {};

TEST_F(DirTree, StartsWithTheRootWhoseNameCannotBeEdited)
{
    ASSERT_NE(StartPelnix(), nullptr);
    HWND hTree = Control(IDC_DIRTREE);
    EXPECT_EQ(GetTreeOutline(hTree), (std::vector<std::wstring>{L"[ root ]"}));
    HTREEITEM hRoot = GetNextTreeItem(hTree, nullptr, TVGN_ROOT);
    ASSERT_NE(hRoot, nullptr);
    EXPECT_EQ(GetSelectedTreeItem(hTree), hRoot);
    CTreeItem root = GetTreeItem(hTree, hRoot);
    EXPECT_EQ(root.nImage, 0); // an empty folder: no file entries, closed
    EXPECT_EQ(root.nSelectedImage, 0);
    EXPECT_NE(::SendMessageW(hTree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);

    // Editing the root's label is refused.
    EXPECT_EQ(::SendMessageW(hTree, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(hRoot)), 0);
    EXPECT_EQ(::SendMessageW(hTree, TVM_GETEDITCONTROL, 0, 0), 0);
    Shot(L"dir-tree-start");

    ExitConfirmed();
}

} // namespace
