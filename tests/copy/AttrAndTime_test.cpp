// Attributes and timestamps of real destinations: the rules read the destination as it is, and
// ApplyAttrAndTime gives it the record's attributes and time, logging what fails.
#include "copy/AttrRules.h"
#include "copy/CopyItem.h"
#include "copy/ErrorLogText.h"
#include "copy/CopyRun.h"
#include "tree/DirTreeCtrl.h"

#include "ScriptedSeams.h"
#include "TempDir.h"
#include "TreeViewHost.h"

#include <gtest/gtest.h>

namespace {

const DWORD A = FILE_ATTRIBUTE_ARCHIVE, R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN,
            S = FILE_ATTRIBUTE_SYSTEM, D = FILE_ATTRIBUTE_DIRECTORY;
const uint64_t SECOND = 10000000ull;

FILETIME Ft(uint64_t n)
{
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}
uint64_t U64(const FILETIME &ft)
{
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

// Whole local seconds: 2010/06/15 12:34:56 and 2021/03/01 08:00:00.
FILETIME LocalTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond)
{
    SYSTEMTIME st = {wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, 0};
    FILETIME ftLocal, ftUtc;
    ::SystemTimeToFileTime(&st, &ftLocal);
    ::LocalFileTimeToFileTime(&ftLocal, &ftUtc);
    return ftUtc;
}

DWORD Attributes(const std::wstring &strPath)
{
    return ::GetFileAttributesW(strPath.c_str());
}

uint64_t LastWrite(const std::wstring &strPath)
{
    return U64(ReadDestState(strPath).ftLastWrite);
}

bool SetLastWrite(const std::wstring &strPath, const FILETIME &ft)
{
    HANDLE h = ::CreateFileW(strPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    bool bOk = ::SetFileTime(h, nullptr, nullptr, &ft) != 0;
    ::CloseHandle(h);
    return bOk;
}

class AttrAndTime : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.IsReady());
        Tree().UseErrorLog = 1;
        Run().m_pErrorLog = std::make_unique<std::wstring>();
        Run().m_ftNow = LocalTime(2021, 3, 1, 8, 0, 0);
    }
    CDirTreeCtrl &Tree() { return m_host.m_tree; }
    CCopyRun &Run() { return m_run; }

    CItemInfo &Entry(DWORD dwAttributes, int nTimeMode)
    {
        m_listEntries.push_back(std::make_unique<CItemInfo>(ITEM_KIND_FILE));
        CItemInfo &entry = *m_listEntries.back();
        entry.m_dwAttributes = dwAttributes;
        entry.m_nTimeMode = nTimeMode;
        entry.m_ftSource = LocalTime(2010, 6, 15, 12, 34, 56);
        entry.m_ftSpecified = LocalTime(2005, 1, 2, 3, 4, 5);
        return entry;
    }
    CItemInfo &DirItem(DWORD dwAttributes)
    {
        m_listEntries.push_back(std::make_unique<CItemInfo>(ITEM_KIND_DIR));
        m_listEntries.back()->m_dwAttributes = dwAttributes;
        return *m_listEntries.back();
    }
    // The file rules for an entry and its destination, then the record applied there as after a copy.
    CCopyItem FileRecord(CItemInfo &entry, const std::wstring &strDst)
    {
        CCopyItem item(COPY_KIND_FILE, L"a.txt", &entry);
        Run().ApplyFileRules(item, strDst);
        return item;
    }
    void Apply(CCopyItem &item, const std::wstring &strDst)
    {
        item.strPath = strDst;
        Run().ApplyAttrAndTime(item);
    }
    std::wstring Log() const { return *m_run.m_pErrorLog; }

    CScriptedSeams m_seams;
    CTreeViewHost<CDirTreeCtrl> m_host{TVH_TREE_STAGE};
    CCopyRun m_run{m_host.m_tree};
    CTempDir m_dir;
    std::vector<std::unique_ptr<CItemInfo>> m_listEntries;
};

TEST_F(AttrAndTime, AReadOnlyDestinationIsMadeWritableForItsTimeAndReadOnlyAgain)
{
    const std::wstring strDst = m_dir / L"a.txt";
    ASSERT_TRUE(m_dir.WriteFile(L"a.txt", "old"));
    ASSERT_TRUE(::SetFileAttributesW(strDst.c_str(), R | A));
    ASSERT_EQ(Attributes(strDst), R | A);

    CItemInfo &entry = Entry(R | A, TIME_MODE_SYSCLOCK);
    CCopyItem item = FileRecord(entry, strDst);
    // Protection on and the attributes untouched by the user: the time only.
    EXPECT_EQ(item.dwKind, COPY_KIND_FILE | COPY_FLAG_SET_TIME);
    EXPECT_EQ(item.pData.pTime, &Run().m_ftNow);

    Apply(item, strDst);
    EXPECT_EQ(LastWrite(strDst), U64(Run().m_ftNow));
    EXPECT_EQ(Attributes(strDst), R | A);
    EXPECT_EQ(Run().m_dwResult, 0u);
    EXPECT_EQ(Log(), L"");
    std::string strBytes;
    ASSERT_TRUE(ReadWholeFile(strDst, strBytes));
    EXPECT_EQ(strBytes, "old");
}

TEST_F(AttrAndTime, ANewFileGetsTheClockOrTheSpecifiedTimeAndTheEntrysAttributes)
{
    const std::wstring strNew1 = m_dir / L"new1.txt", strNew2 = m_dir / L"new2.txt";
    CItemInfo &clock = Entry(A | H, TIME_MODE_SYSCLOCK);
    CItemInfo &specified = Entry(R, TIME_MODE_SPECIFIED);
    CCopyItem item1 = FileRecord(clock, strNew1);
    CCopyItem item2 = FileRecord(specified, strNew2);
    EXPECT_EQ(item1.dwKind, COPY_KIND_FILE | COPY_FLAG_SET_TIME);
    EXPECT_EQ(item2.dwKind, COPY_KIND_FILE | COPY_FLAG_SET_TIME);
    EXPECT_EQ(item2.pData.pTime, &specified.m_ftSpecified);

    // The copy makes them; the time of the copy phase is known only once it starts.
    ASSERT_TRUE(m_dir.WriteFile(L"new1.txt", "1"));
    ASSERT_TRUE(m_dir.WriteFile(L"new2.txt", "2"));
    Run().m_ftNow = LocalTime(2022, 2, 22, 22, 22, 22);
    Apply(item1, strNew1);
    Apply(item2, strNew2);
    EXPECT_EQ(LastWrite(strNew1), U64(Run().m_ftNow));
    EXPECT_EQ(Attributes(strNew1), A | H);
    EXPECT_EQ(LastWrite(strNew2), U64(specified.m_ftSpecified));
    // Wine reports every regular file as archived, whatever was set.
    EXPECT_EQ(Attributes(strNew2) & ~A, R);
    EXPECT_EQ(Log(), L"");
}

TEST_F(AttrAndTime, TheSourcesTimeIsGivenOnlyWhenTheSecondsDifferAndNothingIsProtected)
{
    const std::wstring strDst = m_dir / L"a.txt";
    ASSERT_TRUE(m_dir.WriteFile(L"a.txt", "x"));
    ASSERT_TRUE(::SetFileAttributesW(strDst.c_str(), A));
    CItemInfo &entry = Entry(A, TIME_MODE_SOURCE);
    const uint64_t nSource = U64(entry.m_ftSource);
    Tree().ProtectAttrOfExist = 0;

    // Within the same second: nothing to do.
    ASSERT_TRUE(SetLastWrite(strDst, Ft(nSource + SECOND / 2)));
    EXPECT_EQ(FileRecord(entry, strDst).dwKind, COPY_KIND_FILE);

    // A second apart: the source's time.
    ASSERT_TRUE(SetLastWrite(strDst, Ft(nSource + SECOND)));
    CCopyItem item = FileRecord(entry, strDst);
    EXPECT_EQ(item.dwKind, COPY_KIND_FILE | COPY_FLAG_SET_TIME);
    EXPECT_EQ(item.pData.pTime, &entry.m_ftSource);
    Apply(item, strDst);
    EXPECT_EQ(LastWrite(strDst), nSource);
    EXPECT_EQ(Attributes(strDst), A);

    // Under protection an existing destination keeps its time.
    ASSERT_TRUE(SetLastWrite(strDst, Ft(nSource + 100 * SECOND)));
    Tree().ProtectAttrOfExist = 1;
    EXPECT_EQ(FileRecord(entry, strDst).dwKind, COPY_KIND_FILE);
    EXPECT_EQ(Log(), L"");
}

TEST_F(AttrAndTime, AttributesOfAnExistingFileFollowTheProtection)
{
    const std::wstring strDst = m_dir / L"a.txt";
    ASSERT_TRUE(m_dir.WriteFile(L"a.txt", "x"));
    ASSERT_TRUE(::SetFileAttributesW(strDst.c_str(), A | H));
    CItemInfo &entry = Entry(A, TIME_MODE_SOURCE);

    Tree().ProtectAttrOfExist = 1;
    CCopyItem kept = FileRecord(entry, strDst);
    EXPECT_EQ(kept.dwKind, COPY_KIND_FILE);
    Apply(kept, strDst);
    EXPECT_EQ(Attributes(strDst), A | H);

    entry.MarkAttrSet();
    CCopyItem changed = FileRecord(entry, strDst);
    EXPECT_EQ(changed.dwKind, COPY_KIND_FILE | COPY_FLAG_SET_ATTR);
    EXPECT_EQ(changed.pData.pTime, nullptr);
    const uint64_t nBefore = LastWrite(strDst);
    Apply(changed, strDst);
    EXPECT_EQ(Attributes(strDst), A);
    EXPECT_EQ(LastWrite(strDst), nBefore);
}

TEST_F(AttrAndTime, AFileThatCannotBeOpenedForItsTimeIsLoggedAndStillGetsItsAttributes)
{
    const std::wstring strDst = m_dir / L"held.txt";
    ASSERT_TRUE(m_dir.WriteFile(L"held.txt", "x"));
    const uint64_t nBefore = LastWrite(strDst);
    // Another program holds it open without sharing.
    HANDLE hHeld = ::CreateFileW(strDst.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);

    CItemInfo &entry = Entry(R | A, TIME_MODE_SPECIFIED);
    CCopyItem item = FileRecord(entry, strDst);
    ASSERT_TRUE(item.HasFlag(COPY_FLAG_SET_TIME));
    Apply(item, strDst);
    const DWORD dwAfter = Attributes(strDst);
    ::CloseHandle(hHeld);

    EXPECT_EQ(Log(), FormatErrorLogLine(ERROR_SHARING_VIOLATION, L"FileTime:Failed(%s)", L"Open File", strDst, L""));
    EXPECT_EQ(Run().m_dwResult, static_cast<DWORD>(RF_TIME_FAILED));
    EXPECT_EQ(dwAfter, R | A);
    EXPECT_EQ(LastWrite(strDst), nBefore);
}

TEST_F(AttrAndTime, AMissingDestinationLogsTheTimeAndTheAttributes)
{
    const std::wstring strGone = m_dir / L"gone.txt";
    CItemInfo &entry = Entry(A, TIME_MODE_SYSCLOCK);
    CCopyItem item = FileRecord(entry, strGone);
    Apply(item, strGone);
    const DWORD dwError = ERROR_FILE_NOT_FOUND;
    EXPECT_EQ(Log(), FormatErrorLogLine(dwError, L"FileTime:Failed(%s)", L"Open File", strGone, L"") +
                         FormatErrorLogLine(dwError, L"FileAttr:Failed(%s)", L"File", strGone, L""));
    EXPECT_EQ(Run().m_dwResult, static_cast<DWORD>(RF_TIME_FAILED | RF_ATTR_FAILED));
    EXPECT_FALSE(ReadDestState(strGone).bExists);
}

TEST_F(AttrAndTime, DirectoriesGetTheItemsAttributesWhenNewAndKeepTheirOwnUnderProtection)
{
    ASSERT_TRUE(m_dir.MakeDir(L"new"));
    ASSERT_TRUE(m_dir.MakeDir(L"old"));
    const std::wstring strNew = m_dir / L"new", strOld = m_dir / L"old";
    ASSERT_EQ(Attributes(strNew), D) << "a new directory is plain";
    ASSERT_TRUE(::SetFileAttributesW(strOld.c_str(), H));
    ASSERT_EQ(Attributes(strOld), D | H);

    CItemInfo &hidden = DirItem(D | H);
    CItemInfo &system = DirItem(D | S);
    CCopyItem toNew(COPY_KIND_DIR_ATTR, strNew, &hidden);
    CCopyItem toOld(COPY_KIND_DIR_ATTR, strOld, &system);
    Run().m_setCreatedDirs.insert(strNew); // as the run's creation phase records what it made
    Run().ApplyDirRule(toNew, strNew);
    Run().ApplyDirRule(toOld, strOld);
    EXPECT_EQ(toNew.dwKind, COPY_KIND_DIR_ATTR | COPY_FLAG_SET_ATTR);
    EXPECT_EQ(toOld.dwKind, COPY_KIND_DIR_ATTR);
    Run().ApplyAttrAndTime(toNew);
    Run().ApplyAttrAndTime(toOld);
    EXPECT_EQ(Attributes(strNew), D | H);
    EXPECT_EQ(Attributes(strOld), D | H);

    // Without protection the existing one takes the item's.
    Tree().ProtectAttrOfExist = 0;
    CCopyItem again(COPY_KIND_DIR_ATTR, strOld, &system);
    Run().ApplyDirRule(again, strOld);
    EXPECT_EQ(again.dwKind, COPY_KIND_DIR_ATTR | COPY_FLAG_SET_ATTR);
    Run().ApplyAttrAndTime(again);
    EXPECT_EQ(Attributes(strOld), D | S);

    // A directory is never opened for a time, even when a record asks for one.
    CCopyItem timed(COPY_KIND_DIR_ATTR | COPY_FLAG_SET_TIME, strNew, &system);
    const uint64_t nBefore = LastWrite(strNew);
    timed.pData.pTime = &Run().m_ftNow;
    Run().ApplyAttrAndTime(timed);
    EXPECT_EQ(Attributes(strNew), D | S);
    EXPECT_EQ(LastWrite(strNew), nBefore);
    EXPECT_EQ(Log(), L"");
    EXPECT_EQ(Run().m_dwResult, 0u);
}

TEST_F(AttrAndTime, AMissingDirectoryGetsNoFlagAndAFailedAttributeIsLogged)
{
    const std::wstring strGone = m_dir / L"gone";
    CItemInfo &hidden = DirItem(D | H);
    CCopyItem item(COPY_KIND_DIR_ATTR, strGone, &hidden);
    Run().ApplyDirRule(item, strGone);
    EXPECT_EQ(item.dwKind, COPY_KIND_DIR_ATTR);

    item.dwKind |= COPY_FLAG_SET_ATTR;
    Run().ApplyAttrAndTime(item);
    EXPECT_EQ(Log(), FormatErrorLogLine(ERROR_FILE_NOT_FOUND, L"FileAttr:Failed(%s)", L"SubDir", strGone, L""));
    EXPECT_EQ(Run().m_dwResult, static_cast<DWORD>(RF_ATTR_FAILED));
}

} // namespace
