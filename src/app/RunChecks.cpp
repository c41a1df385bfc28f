#include "app/RunChecks.h"

#include "support/GroupDigits.h"

const wchar_t kRunNoDirectories[] = L"作成するﾃﾞｨﾚｸﾄﾘを設定してください。";
const wchar_t kRunNoDirsOrFiles[] = L"作成するﾃﾞｨﾚｸﾄﾘ/複写するﾌｧｲﾙを設定してください。";
const wchar_t kRunNothingLeft[] = L"※ 現在のﾃﾞｨﾚｸﾄﾘﾂﾘｰ情報の中には\n   未処理のﾌｧｲﾙ情報はありません。\n\n"
                                  L"処理を実行してもよろしいですか ?";

std::wstring RunConfirmText(const std::wstring &strDest, bool bDirectoryOnly, bool bOnlyUnprocessed)
{
    std::wstring text = L"\"" + strDest + L"\"に作成" + (bDirectoryOnly ? L"" : L"/複写") + L"します。\n";
    if (!bDirectoryOnly && bOnlyUnprocessed)
        text += L"\n※ 前回実行した時に、複写先容量不足等のｴﾗｰや\n※ 処理の中止が原因で処理されなかったﾌｧｲﾙのみ\n"
                L"※ 複写対象にします。\n※ (上書きﾁｪｯｸの結果複写されなかったﾌｧｲﾙは除きます)\n\n";
    return text + L"よろしいですか ?";
}

std::wstring DiskShortQuestion(uint64_t nTotal, uint64_t nFree)
{
    return L"※ 複写先ﾃﾞｨｽｸに充分な空き容量がありません。\n\n   複写予定ﾌｧｲﾙｻｲｽﾞ合計 : " + GroupDigits(nTotal) +
           L" byte(s)\n   複写先の空きﾃﾞｨｽｸ容量 : " + GroupDigits(nFree) +
           L" byte(s)\n\n処理を実行してもよろしいですか ?";
}

RunSpaceQuestion RunSpaceCheck(uint64_t nTotal, uint64_t nFree, bool bOnlyUnprocessed)
{
    if (nTotal > nFree)
        return RUN_SPACE_SHORT;
    if (bOnlyUnprocessed && nTotal == 0)
        return RUN_SPACE_NOTHING_LEFT;
    return RUN_SPACE_NONE;
}
