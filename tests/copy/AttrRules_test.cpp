// The attribute and time decisions as tables of values.
#include "copy/AttrRules.h"

#include "copy/CopyItem.h"
#include "tree/ItemInfo.h"

#include <gtest/gtest.h>

namespace {

FILETIME Ft(uint64_t n)
{
    return FILETIME{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
}

const uint64_t SECOND = 10000000ull;
const uint64_t T0 = 132000000000000000ull; // a whole second in 2019

CDestState Missing()
{
    return CDestState{};
}
CDestState Existing(DWORD dwAttributes, uint64_t nTime = T0)
{
    return CDestState{true, dwAttributes, Ft(nTime)};
}

TEST(AttrRules, FileTime)
{
    struct Case {
        int nTimeMode;
        bool bProtect;
        CDestState dest;
        uint64_t nSource;
        int nExpected;
    };
    const DWORD A = FILE_ATTRIBUTE_ARCHIVE;
    const Case cases[] = {
        // The clock and a specified time apply whatever the destination.
        {TIME_MODE_SYSCLOCK, false, Missing(), T0, FILE_TIME_NOW},
        {TIME_MODE_SYSCLOCK, true, Existing(A), T0, FILE_TIME_NOW},
        {TIME_MODE_SPECIFIED, false, Missing(), T0, FILE_TIME_SPECIFIED},
        {TIME_MODE_SPECIFIED, true, Existing(A), T0, FILE_TIME_SPECIFIED},
        // The source's time: a new file gets it from the copy.
        {TIME_MODE_SOURCE, false, Missing(), T0, FILE_TIME_NONE},
        {TIME_MODE_SOURCE, true, Missing(), T0, FILE_TIME_NONE},
        // An existing one only without protection, and only when the seconds differ.
        {TIME_MODE_SOURCE, true, Existing(A, T0), T0 + 5 * SECOND, FILE_TIME_NONE},
        {TIME_MODE_SOURCE, false, Existing(A, T0), T0 + 5 * SECOND, FILE_TIME_SOURCE},
        {TIME_MODE_SOURCE, false, Existing(A, T0 + 5 * SECOND), T0, FILE_TIME_SOURCE},
        {TIME_MODE_SOURCE, false, Existing(A, T0), T0, FILE_TIME_NONE},
        {TIME_MODE_SOURCE, false, Existing(A, T0), T0 + SECOND - 1, FILE_TIME_NONE},
        {TIME_MODE_SOURCE, false, Existing(A, T0 + 9999999), T0 + 1, FILE_TIME_NONE},
        {TIME_MODE_SOURCE, false, Existing(A, T0 - 1), T0, FILE_TIME_SOURCE},
        {TIME_MODE_SOURCE, false, Existing(A, T0), T0 + SECOND, FILE_TIME_SOURCE},
        // Far outside the range a 32-bit count of seconds holds, a difference is still a difference.
        {TIME_MODE_SOURCE, false, Existing(A, 116444736000000000ull - 3600 * SECOND),
         116444736000000000ull - 7200 * SECOND, FILE_TIME_SOURCE},
    };
    int nRow = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(ChooseFileTime(c.nTimeMode, c.bProtect, c.dest, Ft(c.nSource)), c.nExpected) << "row " << nRow;
        ++nRow;
    }
}

TEST(AttrRules, FileAttributes)
{
    struct Case {
        bool bProtect;
        CDestState dest;
        DWORD dwItem;
        bool bAttrSet;
        bool bExpected;
    };
    const DWORD A = FILE_ATTRIBUTE_ARCHIVE, R = FILE_ATTRIBUTE_READONLY, H = FILE_ATTRIBUTE_HIDDEN;
    const Case cases[] = {
        // A file not there yet: the user's edit, whatever the protection.
        {false, Missing(), A | R, false, false},
        {false, Missing(), A | R, true, true},
        // Without protection: the destination's own attributes decide.
        {false, Existing(A), A, false, false},
        {false, Existing(A), A, true, false},
        {false, Existing(A), A | R, false, true},
        {false, Existing(A | R | H), A, false, true},
        // With protection: only the user's own change.
        {true, Missing(), A | R, false, false},
        {true, Missing(), A | R, true, true},
        {true, Existing(A), A | H, false, false},
        {true, Existing(A), A, true, true},
    };
    int nRow = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(NeedsFileAttributes(c.bProtect, c.dest, c.dwItem, c.bAttrSet), c.bExpected) << "row " << nRow;
        ++nRow;
    }
}

TEST(AttrRules, DirectoryAttributes)
{
    struct Case {
        bool bProtect;
        CDestState dest;
        DWORD dwItem;
        bool bCreated;
        bool bExpected;
    };
    const DWORD D = FILE_ATTRIBUTE_DIRECTORY, H = FILE_ATTRIBUTE_HIDDEN, S = FILE_ATTRIBUTE_SYSTEM,
                R = FILE_ATTRIBUTE_READONLY, C = FILE_ATTRIBUTE_COMPRESSED;
    const Case cases[] = {
        {false, Missing(), D | H, false, false},
        {true, Missing(), D | H, false, false},
        // Made by this run: the item's attributes when they differ, protection or not.
        {true, Existing(D), D, true, false},
        {false, Existing(D), D, true, false},
        {true, Existing(D), D | H, true, true},
        {false, Existing(D), D | H | S, true, true},
        {true, Existing(D), D | R, true, true},
        // New on a compressing volume: not taken for an old one.
        {true, Existing(D | C), D | H, true, true},
        // There before, plain or not: kept under protection.
        {true, Existing(D), D | H, false, false},
        {true, Existing(D), D | R, false, false},
        {true, Existing(D | H), D, false, false},
        {true, Existing(D | H), D | S, false, false},
        {false, Existing(D), D | H, false, true},
        {false, Existing(D | H), D, false, true},
        {false, Existing(D | H), D | H, false, false},
        {false, Existing(D | H), D | H | S, false, true},
    };
    int nRow = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(NeedsDirAttributes(c.bProtect, c.dest, c.dwItem, c.bCreated), c.bExpected) << "row " << nRow;
        ++nRow;
    }
}

TEST(AttrRules, FlagsAfterCopy)
{
    const DWORD F = COPY_KIND_FILE, ATTR = COPY_FLAG_SET_ATTR, TIME = COPY_FLAG_SET_TIME;
    struct Case {
        DWORD dwKind;
        int nTimeMode;
        DWORD dwExpected;
    };
    const Case cases[] = {
        {F, TIME_MODE_SOURCE, F},
        {F | TIME, TIME_MODE_SOURCE, F},
        {F | TIME | ATTR, TIME_MODE_SOURCE, F | ATTR},
        {F | ATTR, TIME_MODE_SOURCE, F | ATTR},
        {F | TIME, TIME_MODE_SYSCLOCK, F | TIME},
        {F | TIME | ATTR, TIME_MODE_SPECIFIED, F | TIME | ATTR},
        {F | ATTR, TIME_MODE_SPECIFIED, F | ATTR},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FlagsAfterCopy(c.dwKind, c.nTimeMode), c.dwExpected) << c.dwKind << " mode " << c.nTimeMode;
}

} // namespace
