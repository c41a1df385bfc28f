#include "tree/DirList.h"

#include "ScanHost.h"

#include <algorithm>

namespace {

using Paths = std::vector<std::vector<std::wstring>>;

std::string Utf8(const std::wstring &str)
{
    std::string out(static_cast<size_t>(str.size() * 4), '\0');
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, str.data(), static_cast<int>(str.size()), out.data(),
                                        static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string Sjis(const std::wstring &str)
{
    std::string out(static_cast<size_t>(str.size() * 2), '\0');
    const int n = ::WideCharToMultiByte(932, 0, str.data(), static_cast<int>(str.size()), out.data(),
                                        static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<size_t>(n));
    return out;
}

// "表" and "ソ" end in the byte of a backslash in code page 932: only the decoded text is split.
const std::wstring LIST = L"2026年度\\総務\\会議資料\r\n\r\n  \"2026年度\\表示ソフト\"  \r\n2026年度/経理/\n営業\r";
const Paths EXPECTED = {
    {L"2026年度", L"総務", L"会議資料"}, {L"2026年度", L"表示ソフト"}, {L"2026年度", L"経理"}, {L"営業"}};

TEST(DirList, UnderstandsTheEncodingsASpreadsheetSaves)
{
    for (const std::string &strBytes : {Utf8(LIST), "\xEF\xBB\xBF" + Utf8(LIST), Sjis(LIST)}) {
        Paths paths;
        std::vector<CDirListRefusal> refused;
        ASSERT_TRUE(ParseDirList(strBytes, paths, refused));
        EXPECT_EQ(paths, EXPECTED);
        EXPECT_TRUE(refused.empty());
    }
    Paths paths;
    std::vector<CDirListRefusal> refused;
    EXPECT_TRUE(ParseDirList("", paths, refused));
    EXPECT_TRUE(paths.empty());
    EXPECT_FALSE(ParseDirList("\x81\xFF\n", paths, refused)); // neither encoding
    EXPECT_TRUE(refused.empty());
}

TEST(DirList, EveryRefusedLineIsToldByItsNumberAndNothingIsKept)
{
    const std::wstring strList = L"ok\\fine\r\n..\\up\r\nC:\\abs\r\n\\\\server\\share\r\na\\\\b\r\nx\\con\r\n"
                                 L"trail.\\y\r\nwild*\r\nok2\r\n/rooted\r\n";
    Paths paths = {{L"stale"}};
    std::vector<CDirListRefusal> refused;
    EXPECT_FALSE(ParseDirList(Utf8(strList), paths, refused));
    EXPECT_TRUE(paths.empty());
    std::vector<size_t> lines;
    for (const auto &r : refused) {
        lines.push_back(r.nLine);
        EXPECT_FALSE(r.strReason.empty());
    }
    EXPECT_EQ(lines, (std::vector<size_t>{2, 3, 4, 5, 6, 7, 8, 10}));
    ASSERT_EQ(refused.size(), 8u);
    EXPECT_EQ(refused[0].strText, L"..\\up");
    EXPECT_NE(refused[4].strReason.find(L"con"), std::wstring::npos); // names the level refused
}

class DirListAdd : public ScanTest {
protected:
    static Labels Sorted(Labels list)
    {
        std::sort(list.begin(), list.end());
        return list;
    }
};

TEST_F(DirListAdd, AddsBelowTheNodeSharingLevelsAndNamesItAlreadyHas)
{
    auto pOld = std::make_unique<CItemInfo>(ITEM_KIND_DIR);
    pOld->m_strName = L"2026年度";
    const HTREEITEM hOld = Tree().InsertItemData(Root(), std::move(pOld), TVI_SORT);
    ASSERT_NE(hOld, nullptr);
    EXPECT_EQ(AddDirList(Tree(), Root(), EXPECTED), 5u);
    EXPECT_EQ(Sorted(Children(Root())), (Labels{L"2026年度", L"営業"}));
    EXPECT_EQ(Sorted(Children(hOld)), (Labels{L"経理", L"総務", L"表示ソフト"}));
    const HTREEITEM hMeeting = Child(Child(hOld, L"総務"), L"会議資料");
    ASSERT_NE(hMeeting, nullptr);
    EXPECT_TRUE(Record(hMeeting)->IsKind(ITEM_KIND_DIR));
    EXPECT_EQ(Record(hMeeting)->m_hTreeItem, hMeeting);
    // The same list again adds nothing.
    EXPECT_EQ(AddDirList(Tree(), Root(), EXPECTED), 0u);
    EXPECT_EQ(Tree().GetCount(), 7u);
}

} // namespace
