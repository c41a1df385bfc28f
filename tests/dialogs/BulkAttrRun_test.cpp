// What the bulk settings chose reaches the disk: a run afterwards gives every copied file its
// source's time and only the archive bit, whatever its entry said before.
#include "../copy/RunHost.h"

#include "dialogs/BulkAttrRules.h"

namespace {

using namespace runtest;

class BulkAttrRun : public CRunTest {};

TEST_F(BulkAttrRun, SourceTimeAndArchiveOnlyReachEveryCopiedFile)
{
    const FILETIME ftSource = LocalFileTime(2001, 2, 3, 4, 5, 6);
    ASSERT_TRUE(m_dir.MakeDir(L"src\\sub"));
    for (const wchar_t *pszFile : {L"a.txt", L"sub\\b.txt"}) {
        ASSERT_TRUE(m_dir.WriteFile(std::wstring(L"src\\") + pszFile, "bytes"));
        ASSERT_TRUE(SetLastWrite(Src(pszFile), ftSource));
        // The platform's copy carries this over; the run must put the chosen word instead.
        ASSERT_TRUE(::SetFileAttributesW(Src(pszFile).c_str(), FILE_ATTRIBUTE_HIDDEN));
    }
    LoadTree();
    CItemInfo &a = *File(L"", L"a.txt"), &b = *File(L"sub", L"b.txt");
    a.m_nTimeMode = TIME_MODE_SYSCLOCK;
    b.m_nTimeMode = TIME_MODE_SPECIFIED;
    b.m_ftSpecified = LocalFileTime(2020, 1, 1, 0, 0, 0);
    b.m_dwAttributes = FILE_ATTRIBUTE_READONLY;

    CBulkAttrChoices choices;
    choices.m_bTimeGroup = 1;
    choices.m_nTimeMode = TIME_MODE_SOURCE;
    choices.m_bAttrGroup = 1;
    choices.m_bArchive = 1;
    for (const auto &pRecord : m_tree.GetItemDataList())
        ApplyBulkToRecord(*pRecord, choices, false);
    Run();

    for (const wchar_t *pszFile : {L"a.txt", L"sub\\b.txt"}) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ASSERT_TRUE(::GetFileAttributesExW(Dst(pszFile).c_str(), GetFileExInfoStandard, &data)) << pszFile;
        EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE)) << pszFile;
        EXPECT_EQ(U64(data.ftLastWriteTime), U64(ftSource)) << pszFile;
    }
}

} // namespace
