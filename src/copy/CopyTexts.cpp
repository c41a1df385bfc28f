#include "copy/CopyTexts.h"
#include "copy/CopyWorker.h"

const wchar_t OVERWRITE_CAPTION[] = L"上書き確認";

std::wstring FormatOverwriteQuestion(const std::wstring &strSrc, const std::wstring &strSrcTime, uint64_t nSrcSize,
                                     const std::wstring &strDst, const std::wstring &strDstTime, uint64_t nDstSize)
{
    return L"複写先にすでに同名のﾌｧｲﾙが存在します。\n\n    複写元 : " + strSrc + L" [" + strSrcTime + L"] [" +
           std::to_wstring(nSrcSize) + L"]\n    複写先 : " + strDst + L" [" + strDstTime + L"] [" +
           std::to_wstring(nDstSize) + L"]\n\n上書きしますか ?\n\n( [はい]:上書き   [いいえ]:ｽｷｯﾌﾟ   [ｷｬﾝｾﾙ]:中止 )";
}

std::wstring FormatFatalCopyMessage(int nResult, const std::wstring &strSrc, const std::wstring &strDst,
                                    const std::wstring &strErrorText)
{
    const std::wstring strPaths = L"\n処理を中止します。\n\n   複写元 : " + strSrc + L"\n   複写先 : " + strDst;
    switch (nResult) {
    case CR_SYSERR: return L"ﾌｧｲﾙの複写処理でｴﾗｰが発生しました。" + strPaths + L"\n\n(" + strErrorText + L")";
    case CR_SAME_PATH: return L"ﾌｧｲﾙの複写元と複写先が同じです。" + strPaths;
    case CR_SRC_NOT_FOUND: return L"複写元ﾌｧｲﾙが見つかりません。" + strPaths;
    default: return std::wstring();
    }
}
