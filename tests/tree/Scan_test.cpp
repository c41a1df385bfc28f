// Fresh scans of real directories into the directory tree in the main window's dialog: what the
// tree and the records hold afterwards, the filters, the file order, the messages and the question.
#include "support/EnumDirectory.h"
#include "support/SystemError.h"

#include "ScanHost.h"

namespace {

const UINT kErrorBox = MB_OK | MB_ICONERROR | MB_SYSTEMMODAL;

// The names of a directory as the scan lists them when nothing is sorted.
Labels Listed(const std::wstring &strDir, bool bDirs)
{
    CFindDataList list;
    EnumDirectory(strDir, L"*.*", list, ENUM_FINDDATA | ENUM_DIRPASS, false);
    Labels names;
    for (const WIN32_FIND_DATAW &fd : list) {
        if (((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == bDirs)
            names.push_back(fd.cFileName);
    }
    return names;
}

WIN32_FIND_DATAW FindData(const std::wstring &strPath)
{
    WIN32_FIND_DATAW fd = {};
    HANDLE h = ::FindFirstFileW(strPath.c_str(), &fd);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    if (h != INVALID_HANDLE_VALUE)
        ::FindClose(h);
    return fd;
}

class ScanFresh : public ScanTest {
protected:
    // a.txt 5, B.doc 3, sub1\x.txt 7, sub1\deep\y 11, Sub2 empty
    void MakeSample()
    {
        Make(L"a.txt", 5);
        Make(L"B.doc", 3);
        Make(L"sub1\\x.txt", 7);
        Make(L"sub1\\deep\\y", 11);
        Make(L"Sub2\\");
    }
};

TEST_F(ScanFresh, WithFilesEveryDirectoryIsANodeAndEveryFileAnEntryOfItsDirectory)
{
    MakeSample();
    Tree().NotCopyFile = 0;
    m_dlg.m_listSelected.clear();
    // Listed: 4 at the top, 2 in sub1, 1 in deep, none in Sub2.
    EXPECT_EQ(Scan(m_src.Path()), 7);
    EXPECT_TRUE(m_seams.m_listMessages.empty());
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectScanEnded();

    const HTREEITEM hRoot = Root();
    EXPECT_EQ(Tree().GetCount(), 4u);
    EXPECT_EQ(Children(hRoot), (Labels{L"sub1", L"Sub2"}));
    const HTREEITEM hSub1 = Child(hRoot, L"sub1"), hSub2 = Child(hRoot, L"Sub2");
    const HTREEITEM hDeep = Child(hSub1, L"deep");
    ASSERT_NE(hDeep, nullptr);
    EXPECT_EQ(Children(hDeep), Labels{});

    const CItemInfo *pRoot = Record(hRoot);
    EXPECT_TRUE(pRoot->IsKind(ITEM_KIND_ROOT));
    EXPECT_EQ(pRoot->m_strName, L"[ root ]");
    EXPECT_EQ(pRoot->m_strSourcePath, m_src.Path());
    EXPECT_EQ(FileNames(pRoot), Listed(m_src.Path(), false));
    EXPECT_EQ(pRoot->m_dwSize, 8u);
    const CItemInfo *pFile = pRoot->m_listFiles.front().get();
    const WIN32_FIND_DATAW fd = FindData(m_src / pFile->m_strName);
    EXPECT_TRUE(pFile->IsKind(ITEM_KIND_FILE));
    EXPECT_EQ(pFile->m_nTimeMode, TIME_MODE_SOURCE);
    EXPECT_EQ(pFile->m_dwAttributes, fd.dwFileAttributes);
    EXPECT_EQ(CompareFileTime(&pFile->m_ftSource, &fd.ftLastWriteTime), 0);
    EXPECT_EQ(pFile->m_dwSize, fd.nFileSizeLow);

    const CItemInfo *pSub1 = Record(hSub1);
    const WIN32_FIND_DATAW fdSub1 = FindData(m_src / L"sub1");
    EXPECT_TRUE(pSub1->IsKind(ITEM_KIND_DIR));
    EXPECT_EQ(pSub1->m_strSourcePath, m_src / L"sub1");
    EXPECT_EQ(pSub1->m_dwAttributes, fdSub1.dwFileAttributes);
    EXPECT_TRUE(pSub1->m_dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(CompareFileTime(&pSub1->m_ftSource, &fdSub1.ftLastWriteTime), 0);
    EXPECT_EQ(pSub1->m_nTimeMode, TIME_MODE_SYSCLOCK);
    EXPECT_EQ(FileNames(pSub1), Labels{L"x.txt"});
    EXPECT_EQ(pSub1->m_dwSize, 7u);
    EXPECT_EQ(Record(hDeep)->m_strSourcePath, m_src / L"sub1\\deep");
    EXPECT_EQ(Record(hDeep)->m_dwSize, 11u);
    EXPECT_EQ(Record(hSub2)->m_strSourcePath, m_src / L"Sub2");
    EXPECT_TRUE(Record(hSub2)->m_listFiles.empty());
    DWORD dwCount = 0;
    EXPECT_EQ(Tree().CountFiles(hRoot, dwCount, false), 26u);
    EXPECT_EQ(dwCount, 4u);

    // Every node was selected as it came, which opened its parents; the root is selected last.
    std::vector<HTREEITEM> listOrder = {hRoot};
    for (const std::wstring &name : Listed(m_src.Path(), true)) {
        listOrder.push_back(Child(hRoot, name));
        if (name == L"sub1")
            listOrder.push_back(hDeep);
    }
    listOrder.push_back(hRoot);
    EXPECT_EQ(m_dlg.m_listSelected, listOrder);
    EXPECT_EQ(Tree().GetSelectedItem(), hRoot);
    // Images: files +8, open with child nodes +1.
    EXPECT_EQ(Image(hRoot), 9);
    EXPECT_EQ(Image(hSub1), 9);
    EXPECT_EQ(Image(hDeep), 8);
    EXPECT_EQ(Image(hSub2), 0);
    // The tree draws again: a node added now is laid out at once.
    auto pAdded = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pAdded->m_strName = L"added";
    HTREEITEM hAdded = Tree().InsertItemData(hSub1, std::move(pAdded), TVI_SORT);
    RECT rc = {};
    EXPECT_TRUE(Tree().GetItemRect(hAdded, rc, false));
}

TEST_F(ScanFresh, WithoutFilesOnlyDirectoriesAreListedAndTheTreeStaysClosed)
{
    MakeSample();
    Tree().NotCopyFile = 1;
    Tree().NoExpandOnSearch = 1;
    m_dlg.m_listSelected.clear();
    EXPECT_EQ(Scan(m_src.Path()), 3); // sub1 and Sub2, deep
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectScanEnded();
    const HTREEITEM hRoot = Root(), hSub1 = Child(hRoot, L"sub1");
    EXPECT_EQ(Children(hRoot), (Labels{L"sub1", L"Sub2"}));
    EXPECT_EQ(Children(hSub1), Labels{L"deep"});
    for (const auto &pRecord : Tree().GetItemDataList()) {
        EXPECT_TRUE(pRecord->m_listFiles.empty());
        EXPECT_EQ(pRecord->m_dwSize, 0u);
    }
    EXPECT_TRUE(Record(hRoot)->m_strSourcePath.empty());
    EXPECT_EQ(Record(hSub1)->m_strSourcePath, m_src / L"sub1");
    // Nothing was selected on the way; at the end the root is, and it is opened one level.
    EXPECT_EQ(m_dlg.m_listSelected, std::vector<HTREEITEM>{hRoot});
    EXPECT_TRUE(Tree().GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(Tree().GetItemState(hSub1, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(Image(hRoot), 1);
    EXPECT_EQ(Image(hSub1), 0);
}

TEST_F(ScanFresh, HiddenAndSystemEntriesAreLeftOutAsTheOptionsSay)
{
    Make(L"dir\\in.txt");
    Make(L"hid\\inner\\");
    Make(L"hid\\f.txt");
    Make(L"sys\\g.txt");
    Make(L"h.txt");
    Make(L"s.txt");
    Make(L"n.txt");
    SetAttributes(L"hid", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(L"sys", FILE_ATTRIBUTE_SYSTEM);
    SetAttributes(L"h.txt", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(L"s.txt", FILE_ATTRIBUTE_SYSTEM);
    Tree().NotCopyFile = 0;
    Tree().FileSortOrder = FSO_ASCENDING | FSO_BY_NAME;
    const struct {
        int nSkipSystem, nSkipHidden;
        Labels dirs, files;
        int nCount; // 6 at the top, 1 in dir, 2 in hid, 1 in sys: a directory left out is not read
    } cases[] = {
        {0, 0, {L"dir", L"hid", L"sys"}, {L"h.txt", L"n.txt", L"s.txt"}, 10},
        {0, 1, {L"dir", L"sys"}, {L"n.txt", L"s.txt"}, 8},
        {1, 0, {L"dir", L"hid"}, {L"h.txt", L"n.txt"}, 9},
        {1, 1, {L"dir"}, {L"n.txt"}, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nCount);
        Tree().SkipSystemDir = c.nSkipSystem;
        Tree().SkipHiddenDir = c.nSkipHidden;
        if (Tree().GetCount() > 1)
            m_seams.m_listMessageAnswers.push_back(IDOK); // replace the tree
        EXPECT_EQ(Scan(m_src.Path()), c.nCount);
        EXPECT_EQ(Children(Root()), c.dirs);
        EXPECT_EQ(FileNames(Record(Root())), c.files);
        EXPECT_EQ(Tree().GetCount(), c.dirs.size() + 1 + (c.nSkipHidden ? 0 : 1)); // hid\inner
    }
}

TEST_F(ScanFresh, OnlyHiddenDirectoriesLeftOutIsNoErrorAndCountsWhatWasListed)
{
    Make(L"h1\\x\\");
    Make(L"h2\\");
    SetAttributes(L"h1", FILE_ATTRIBUTE_HIDDEN);
    SetAttributes(L"h2", FILE_ATTRIBUTE_HIDDEN);
    Tree().SkipHiddenDir = 1;
    EXPECT_EQ(Scan(m_src.Path()), 2);
    EXPECT_TRUE(m_seams.m_listMessages.empty());
    EXPECT_EQ(Tree().GetCount(), 1u);
    EXPECT_EQ(m_seams.m_listBeeps, std::vector<UINT>{MB_ICONINFORMATION});
    ExpectScanEnded();
}

TEST_F(ScanFresh, FileListsInTheOrderFileSortOrderAsksForDirectoriesUnaffected)
{
    for (const wchar_t *name : {L"b.TXT", L"a.doc", L"C.txt", L"d", L"e.A"})
        Make(name);
    Make(L"zdir\\");
    Make(L"Adir\\");
    Tree().NotCopyFile = 0;
    const struct {
        int nOrder;
        Labels files;
    } cases[] = {
        {FSO_ASCENDING | FSO_BY_NAME, {L"a.doc", L"b.TXT", L"C.txt", L"d", L"e.A"}},
        {FSO_DESCENDING | FSO_BY_NAME, {L"e.A", L"d", L"C.txt", L"b.TXT", L"a.doc"}},
        // extension first (none sorts first), then the rest of the name
        {FSO_ASCENDING | FSO_BY_EXT, {L"d", L"e.A", L"a.doc", L"b.TXT", L"C.txt"}},
        {FSO_DESCENDING | FSO_BY_EXT, {L"C.txt", L"b.TXT", L"a.doc", L"e.A", L"d"}},
        {FSO_ASCENDING, {L"d", L"e.A", L"a.doc", L"b.TXT", L"C.txt"}},
        {FSO_BY_EXT, Listed(m_src.Path(), false)}, // the file system's order
        {FSO_BY_NAME, Listed(m_src.Path(), false)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nOrder);
        Tree().FileSortOrder = c.nOrder;
        if (Tree().GetCount() > 1)
            m_seams.m_listMessageAnswers.push_back(IDOK);
        EXPECT_EQ(Scan(m_src.Path()), 7);
        EXPECT_EQ(FileNames(Record(Root())), c.files);
        EXPECT_EQ(Children(Root()), (Labels{L"Adir", L"zdir"}));
    }
}

TEST_F(ScanFresh, DirectoriesTakeTheTreeViewsSortedPositionWhateverTheListingOrder)
{
    // Names equal but for case cannot both exist: the file system ignores case.
    const Labels names = {L"a_b", L"ab", L"a-b", L"A b", L"ａｂ", L"データ", L"abc", L"AB c", L"a.b", L"z", L"Z1"};
    for (const std::wstring &name : names)
        Make(name + L"\\");
    Tree().NoExpandOnSearch = 1;
    EXPECT_EQ(Scan(m_src.Path()), static_cast<int>(names.size()));

    // The same names inserted one by one at the sorted position, in the order the scan met them.
    CTreeCtrl reference;
    ASSERT_TRUE(reference.CreateEx(0, WC_TREEVIEWW, L"", WS_CHILD, RECT{0, 0, 100, 100}, m_dlg.m_hWnd, 0));
    for (const std::wstring &name : Listed(m_src.Path(), true))
        reference.InsertItem(name, 0, 0, TVI_ROOT, TVI_SORT);
    Labels expected;
    for (HTREEITEM h = reference.GetRootItem(); h; h = reference.GetNextSiblingItem(h))
        expected.push_back(reference.GetItemText(h));
    EXPECT_EQ(Children(Root()), expected);
}

TEST_F(ScanFresh, NothingListedShowsTheErrorKeepsTheRootAndCountsNothing)
{
    Make(L"files\\only.txt", 4);
    Make(L"empty\\");
    const struct {
        int nNotCopyFile;
        std::wstring strPath, strText;
    } cases[] = {
        {1, m_src / L"files", L"指定されたﾃﾞｨﾚｸﾄﾘ配下にはｻﾌﾞﾃﾞｨﾚｸﾄﾘが存在しません。"},
        {0, m_src / L"empty", L"指定されたﾃﾞｨﾚｸﾄﾘ配下にはｻﾌﾞﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙが存在しません。"},
        // a directory that cannot be listed is not an empty one: it is named, with the system's reason
        {0, m_src / L"none",
         L"読み込めなかった為、ﾌｧｲﾙが複写対象に追加されなかったﾃﾞｨﾚｸﾄﾘが 1 件 あります。\n    " + (m_src / L"none") +
             L"\n        (" + GetSystemErrorText(ERROR_PATH_NOT_FOUND, true) + L")"},
    };
    for (const auto &c : cases) {
        Tree().NotCopyFile = c.nNotCopyFile;
        m_seams.m_listMessages.clear();
        m_seams.m_listMessageAnswers.push_back(IDOK);
        EXPECT_EQ(Scan(c.strPath), 0);
        ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
        EXPECT_EQ(m_seams.m_listMessages[0].strText, c.strText);
        EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"Error");
        EXPECT_EQ(m_seams.m_listMessages[0].nType, kErrorBox);
        EXPECT_EQ(Tree().GetCount(), 1u);
        EXPECT_EQ(Tree().GetItemText(Root()), L"[ root ]");
        EXPECT_TRUE(m_seams.m_listBeeps.empty());
        ExpectScanEnded();
    }
    // An empty directory with files wanted; then adding it below the root changes nothing.
    Tree().NotCopyFile = 0;
    ASSERT_EQ(Scan(m_src / L"files"), 1);
    const size_t nRecords = Tree().GetItemDataList().size();
    m_seams.m_listMessages.clear();
    m_seams.m_listMessageAnswers.push_back(IDOK);
    EXPECT_EQ(Scan(m_src / L"empty", nullptr, true), 0);
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText, L"指定されたﾃﾞｨﾚｸﾄﾘ配下にはｻﾌﾞﾃﾞｨﾚｸﾄﾘ/ﾌｧｲﾙが存在しません。");
    EXPECT_EQ(Tree().GetItemDataList().size(), nRecords);
    EXPECT_EQ(FileNames(Record(Root())), Labels{L"only.txt"});
    ExpectScanEnded();
}

TEST_F(ScanFresh, DecliningTheReplacementLeavesTheTreeAsItWas)
{
    MakeSample();
    Tree().NotCopyFile = 0;
    ASSERT_EQ(Scan(m_src.Path()), 7);
    const HTREEITEM hRoot = Root();
    const UINT nCount = Tree().GetCount();
    m_seams.m_listBeeps.clear();

    m_seams.m_listMessageAnswers.push_back(IDCANCEL);
    EXPECT_EQ(Scan(m_src / L"sub1"), 0);
    ASSERT_EQ(m_seams.m_listMessages.size(), 1u);
    EXPECT_EQ(m_seams.m_listMessages[0].strText,
              L"現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ/ﾌｧｲﾙ情報は消去されて新しく検索されたﾃﾞｨﾚｸﾄﾘﾂﾘｰに置き換えられます。\nよろしいですか ?");
    EXPECT_EQ(m_seams.m_listMessages[0].strCaption, L"確認");
    EXPECT_EQ(m_seams.m_listMessages[0].nType, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(Root(), hRoot);
    EXPECT_EQ(Tree().GetCount(), nCount);
    EXPECT_EQ(Record(hRoot)->m_dwSize, 8u);
    EXPECT_TRUE(m_seams.m_listBeeps.empty());
    ExpectScanEnded();

    // Agreeing replaces it.
    m_seams.m_listMessageAnswers.push_back(IDOK);
    EXPECT_EQ(Scan(m_src / L"sub1"), 3);
    EXPECT_EQ(Children(Root()), Labels{L"deep"});
    EXPECT_EQ(FileNames(Record(Root())), Labels{L"x.txt"});
}

} // namespace
