#include "framework/Handles.h"
#include "framework/Wnd.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

// Owners can only be moved; borrowers copy. A copyable owner would close its handle twice.
template <class T>
constexpr bool kMoveOnly = !std::is_copy_constructible_v<T> && !std::is_copy_assignable_v<T> &&
                           std::is_nothrow_move_constructible_v<T> && std::is_nothrow_move_assignable_v<T>;
static_assert(kMoveOnly<CFileHandle> && kMoveOnly<CFindHandle> && kMoveOnly<CEventHandle> && kMoveOnly<CThreadHandle>);
static_assert(kMoveOnly<CFont> && kMoveOnly<CBitmap> && kMoveOnly<CPen> && kMoveOnly<CBrush> && kMoveOnly<CRgn>);
static_assert(kMoveOnly<CIcon> && kMoveOnly<CCursor> && kMoveOnly<CMemDC> && kMoveOnly<CImageList> &&
              kMoveOnly<CGlobalMem>);
static_assert(std::is_copy_constructible_v<CFontHandle> && std::is_copy_assignable_v<CBitmapHandle> &&
              std::is_copy_constructible_v<CIconHandle> && std::is_copy_constructible_v<CCursorHandle> &&
              std::is_copy_assignable_v<CImageListHandle>);
// Scoped owners that neither copy nor move.
static_assert(!std::is_copy_constructible_v<CClientDC> && !std::is_copy_constructible_v<CSelectObject> &&
              !std::is_copy_constructible_v<CCriticalSection> && !std::is_copy_constructible_v<CLock>);
static_assert(!std::is_copy_constructible_v<CWnd> && !std::is_copy_assignable_v<CWnd>);

TEST(Handles, OwnerClosesAndMoveTransfersOwnership)
{
    CTempDir dir;
    std::wstring path = dir / L"ファイル.txt";
    {
        CFileHandle h(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        CFileHandle moved(std::move(h));
        EXPECT_FALSE(h.IsValid());
        EXPECT_TRUE(moved.IsValid());
        // Exclusive: while it is open, nobody else may open it.
        HANDLE h2 = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(h2, INVALID_HANDLE_VALUE);
    }
    HANDLE h3 = ::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h3, INVALID_HANDLE_VALUE);
    ::CloseHandle(h3);
}

TEST(Handles, BorrowedHandleDoesNotClose)
{
    CEventHandle owner(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    ASSERT_TRUE(owner);
    {
        CHandleT<CSyncTraits, false> borrowed(owner.Get());
        CHandleT<CSyncTraits, false> copy = borrowed;
        EXPECT_EQ(copy.Get(), owner.Get());
    }
    EXPECT_TRUE(::SetEvent(owner));
    EXPECT_EQ(::WaitForSingleObject(owner, 0), WAIT_OBJECT_0);
}

TEST(Handles, FindHandleAndGdiOwners)
{
    CTempDir dir;
    ASSERT_TRUE(dir.WriteFile(L"a.txt", "x"));
    WIN32_FIND_DATAW fd;
    CFindHandle find(::FindFirstFileW((dir / L"*").c_str(), &fd));
    EXPECT_TRUE(find.IsValid());
    find.Close();
    EXPECT_FALSE(find.IsValid());

    CFont font(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック"));
    ASSERT_TRUE(font);
    HFONT raw = font.Detach();
    EXPECT_FALSE(font);
    EXPECT_NE(::GetObjectType(raw), 0u);
    font.Attach(raw);
}

} // namespace
