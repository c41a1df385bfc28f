#include "dialogs/OptionsRules.h"

#include "tree/OptionSet.h"

namespace {
constexpr unsigned DIRECTION_WORD = 0xFFFF0000u;
constexpr unsigned KEY_WORD = 0x0000FFFFu;
} // namespace

int SortDirectionIndex(int nFileSortOrder)
{
    const unsigned nDirection = static_cast<unsigned>(nFileSortOrder) & DIRECTION_WORD;
    if (nDirection == FSO_ASCENDING)
        return 1;
    if (nDirection == FSO_DESCENDING)
        return 2;
    return 0;
}

int SortKeyIndex(int nFileSortOrder)
{
    return (static_cast<unsigned>(nFileSortOrder) & KEY_WORD) == FSO_BY_NAME ? 0 : 1;
}

int MakeFileSortOrder(int nDirectionIndex, int nKeyIndex)
{
    int nOrder = 0;
    if (nDirectionIndex == 1)
        nOrder |= FSO_ASCENDING;
    else if (nDirectionIndex == 2)
        nOrder |= FSO_DESCENDING;
    if (nKeyIndex == 0)
        nOrder |= FSO_BY_NAME;
    else if (nKeyIndex == 1)
        nOrder |= FSO_BY_EXT;
    return nOrder;
}

COptionControlStates OptionControlStates(bool bNotCopyFile, int nDirectionIndex)
{
    if (bNotCopyFile)
        return {false, false, false, false};
    return {true, nDirectionIndex == 1 || nDirectionIndex == 2, true, true};
}

std::wstring LogDirMissingQuestion(const std::wstring &strDir)
{
    return L"※ ﾛｸﾞﾌｧｲﾙの保存先ﾃﾞｨﾚｸﾄﾘ、\n\n   Dir : " + strDir + L"\n\n   は、存在しません。\n\n※ 作成しますか ?";
}

std::wstring LogDirNotCreatedMessage(const std::wstring &strDir)
{
    return L"※ ﾛｸﾞﾌｧｲﾙの保存先ﾃﾞｨﾚｸﾄﾘ、\n\n   Dir : " + strDir +
           L"\n\n   を、作成できませんでした。\n\n※ 指定を見直してください。";
}
