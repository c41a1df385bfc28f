#include "support/ItemName.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ItemName, RefusesEveryFormThatIsNotOneEntryInItsParent)
{
    struct {
        std::wstring name;
        ItemNameCheck check;
    } cases[] = {
        {L"", NAME_EMPTY},
        {L".", NAME_DOTS},
        {L"..", NAME_DOTS},
        {L"..\\outside", NAME_BAD_CHAR},
        {L"../outside", NAME_BAD_CHAR},
        {L"a\\b", NAME_BAD_CHAR},
        {L"C:", NAME_BAD_CHAR},
        {L"a:stream", NAME_BAD_CHAR},
        {L"*", NAME_BAD_CHAR},
        {L"what?", NAME_BAD_CHAR},
        {L"\"q\"", NAME_BAD_CHAR},
        {L"<a>", NAME_BAD_CHAR},
        {L"a|b", NAME_BAD_CHAR},
        {L"tab\there", NAME_CONTROL_CHAR},
        {std::wstring(L"nul\0x", 5), NAME_CONTROL_CHAR},
        {L"line\nbreak", NAME_CONTROL_CHAR},
        {L"\x1f", NAME_CONTROL_CHAR},
        {L"name.", NAME_TRAILING},
        {L"name ", NAME_TRAILING},
        {L"...", NAME_TRAILING},
        {L" ", NAME_TRAILING},
        {L"CON", NAME_RESERVED},
        {L"con", NAME_RESERVED},
        {L"Prn.txt", NAME_RESERVED},
        {L"AUX.tar.gz", NAME_RESERVED},
        {L"nul", NAME_RESERVED},
        {L"NUL .txt", NAME_RESERVED},
        {L"COM1", NAME_RESERVED},
        {L"com9.log", NAME_RESERVED},
        {L"LPT1", NAME_RESERVED},
        {L"lpt9", NAME_RESERVED},
        {L"COM\u00B9", NAME_RESERVED},
        {std::wstring(256, L'x'), NAME_TOO_LONG},
        {std::wstring(256, L'漢'), NAME_TOO_LONG},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CheckItemName(c.name), c.check) << c.name;
        EXPECT_FALSE(ItemNameErrorText(c.check).empty()) << c.name;
    }
}

TEST(ItemName, OrdinaryNamesAreAllowedAndMakeExactlyThatDirectory)
{
    const std::wstring allowed[] = {
        L"新規 SubDir", L"写真 2024 夏", L"写真　全角の空白", L"ﾃﾞｨﾚｸﾄﾘ", L" leading blank",
        L".profile",    L"a.b.c",        L"CONSOLE",          L"con1",    L"COM0",
        L"LPT10",       L"COMX",         L"nul-device",       L"x.CON",   std::wstring(255, L'x'),
    };
    CTempDir dir;
    for (const std::wstring &name : allowed) {
        EXPECT_EQ(CheckItemName(name), NAME_OK) << name;
        EXPECT_TRUE(ItemNameErrorText(CheckItemName(name)).empty());
        // The name makes one entry inside the directory, listed back under the very same name.
        const std::wstring strPath = dir / name;
        ASSERT_TRUE(::CreateDirectoryW(strPath.c_str(), nullptr)) << name << L" " << ::GetLastError();
        WIN32_FIND_DATAW fd;
        HANDLE hFind = ::FindFirstFileW((dir / L"*").c_str(), &fd);
        ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
        std::vector<std::wstring> listNames;
        do {
            if (wcscmp(fd.cFileName, L".") != 0 && wcscmp(fd.cFileName, L"..") != 0)
                listNames.push_back(fd.cFileName);
        } while (::FindNextFileW(hFind, &fd));
        ::FindClose(hFind);
        EXPECT_EQ(listNames, std::vector<std::wstring>{name});
        ::RemoveDirectoryW(strPath.c_str());
    }
}

} // namespace
