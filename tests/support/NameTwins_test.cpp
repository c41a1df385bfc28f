#include "support/NameTwins.h"

#include <gtest/gtest.h>

namespace {

constexpr size_t N = kNoTwin;

TEST(NameTwins, NamesOneDestinationCannotTellApartPointToTheFirst)
{
    const struct {
        std::vector<std::wstring> names;
        std::vector<size_t> twins;
    } cases[] = {
        {{L"Index.html", L"index.html", L"INDEX.HTML"}, {N, 0, 0}},
        {{L"ftrail.", L"ftrail ", L"ftrail", L"ftrail. ."}, {N, 0, 0, 0}},
        {{L"a.txt", L"a.txt.bak", L"b.txt", L".profile", L"profile"}, {N, N, N, N, N}},
        // names of nothing but dots or spaces keep them: they differ from each other
        {{L"...", L"..", L" "}, {N, N, N}},
        {{L"ﾃﾞｰﾀ.txt", L"データ.txt", L"Ｍｅｍｏ", L"ｍｅｍｏ"}, {N, N, N, 2}},
        {{}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindNameTwins(c.names), c.twins) << (c.names.empty() ? std::wstring() : c.names[0]);
}

} // namespace
