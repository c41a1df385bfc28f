// The attribute dialogs' icon is linked with an image of its own for each size a window asks for.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <set>

#include <windows.h>

TEST(AttrIcon, EachSizeHasItsOwnImage)
{
    HMODULE hModule = ::GetModuleHandleW(nullptr);
    HRSRC hGroup = ::FindResourceW(hModule, MAKEINTRESOURCEW(IDI_ATTR), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(hGroup, nullptr);
    auto *pDir = static_cast<BYTE *>(::LockResource(::LoadResource(hModule, hGroup)));
    ASSERT_NE(pDir, nullptr);
    std::set<int> ids;
    for (int nSize : {16, 20, 24, 32, 48}) {
        const int nImage = ::LookupIconIdFromDirectoryEx(pDir, TRUE, nSize, nSize, LR_DEFAULTCOLOR);
        ASSERT_NE(nImage, 0) << nSize;
        ids.insert(nImage);
        HRSRC hImage = ::FindResourceW(hModule, MAKEINTRESOURCEW(nImage), MAKEINTRESOURCEW(3)); // RT_ICON
        ASSERT_NE(hImage, nullptr) << nSize;
        auto *pBits = static_cast<BYTE *>(::LockResource(::LoadResource(hModule, hImage)));
        HICON hIcon = ::CreateIconFromResourceEx(pBits, ::SizeofResource(hModule, hImage), TRUE, 0x00030000, nSize,
                                                 nSize, LR_DEFAULTCOLOR);
        ASSERT_NE(hIcon, nullptr) << nSize;
        ::DestroyIcon(hIcon);
    }
    // The program icon's images are numbered from 1: these must not be among them.
    EXPECT_EQ(ids.size(), 5u);
    EXPECT_GT(*ids.begin(), 6);
}
