#include "framework/Handles.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolbarBitmap, SixteenImagesOfSixteenPixelsTwelveDrawnOnMagenta)
{
    CBitmap bmp(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TOOLBAR),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(bmp.IsValid());
    DIBSECTION ds = {};
    ASSERT_EQ(::GetObjectW(bmp, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
    EXPECT_EQ(ds.dsBm.bmWidth, 16 * 16);
    EXPECT_EQ(ds.dsBm.bmHeight, 16);
    ASSERT_EQ(ds.dsBm.bmBitsPixel, 24);

    // Count the pixels of each image that are not the transparent colour.
    auto *pBits = static_cast<const BYTE *>(ds.dsBm.bmBits);
    for (int nImage = 0; nImage < 16; ++nImage) {
        int nDrawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = nImage * 16; x < nImage * 16 + 16; ++x) {
                const BYTE *p = pBits + y * ds.dsBm.bmWidthBytes + x * 3; // blue, green, red
                if (!(p[0] == 255 && p[1] == 0 && p[2] == 255))
                    ++nDrawn;
            }
        if (nImage < 12) {
            EXPECT_GT(nDrawn, 30) << nImage;
            EXPECT_LT(nDrawn, 256) << nImage; // some background shows through
        } else {
            EXPECT_EQ(nDrawn, 0) << nImage;
        }
    }

    CImageList images(::ImageList_LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TOOLBAR), 16, 0,
                                             RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION));
    ASSERT_TRUE(images.IsValid());
    EXPECT_EQ(::ImageList_GetImageCount(images), 16);
}

} // namespace
