#include "app/FileReport.h"

#include "support/GroupDigits.h"
#include "tree/ItemInfo.h"

#include <cwchar>
#include <vector>

namespace {

const wchar_t kReportTemplate[] = L"----- << %%ls >> に含まれる複写対象ﾌｧｲﾙの情報 -----\r\n"
                                  L"ﾌｧｲﾙの複写元 : %%ls\r\n"
                                  L"      ﾌｧｲﾙ数 : %%%du file(s) [ %%%du file(s) ]\r\n"
                                  L"合計ﾌｧｲﾙｻｲｽﾞ : %%%dls byte(s) [ %%%dls byte(s) ]";

const wchar_t kNoReport[] = L"--- << %ls >> には複写対象ﾌｧｲﾙの情報はありません ---";

} // namespace

namespace {

// What the scan could not read of the item, below its figures.
std::wstring ScanNote(DWORD dwScanFlags)
{
    if (dwScanFlags & ITEM_FLAG_UNREADABLE)
        return L"\r\n※ このﾃﾞｨﾚｸﾄﾘは読み込めなかった為、ﾌｧｲﾙ情報が不完全です。";
    if (dwScanFlags & ITEM_FLAG_NOT_FOLLOWED)
        return L"\r\n※ このﾃﾞｨﾚｸﾄﾘはﾘﾝｸ(又は上位と同じﾃﾞｨﾚｸﾄﾘ)の為、中を検索していません。";
    return std::wstring();
}

std::wstring FormatFigures(const CFileReportFigures &fig)
{
    std::vector<wchar_t> buf(fig.strName.size() + fig.strSourcePath.size() + 512);
    if (fig.dwCount == 0 && fig.nTreeSize == 0) {
        std::swprintf(buf.data(), buf.size(), kNoReport, fig.strName.c_str());
        return buf.data();
    }
    const std::wstring strSource = fig.strSourcePath.empty() ? L"(N/A)" : fig.strSourcePath;
    const std::wstring strSize = GroupDigits(fig.nSize);
    const std::wstring strTreeSize = GroupDigits(fig.nTreeSize);
    const int nSizeWidth = static_cast<int>(strSize.size());
    const int nTreeWidth = static_cast<int>(strTreeSize.size());

    // The widths go into the format first; the figures then fill it.
    wchar_t szFormat[256];
    std::swprintf(szFormat, std::size(szFormat), kReportTemplate, nSizeWidth, nTreeWidth, nSizeWidth, nTreeWidth);
    std::swprintf(buf.data(), buf.size(), szFormat, fig.strName.c_str(), strSource.c_str(),
                  static_cast<unsigned>(fig.dwCount), static_cast<unsigned>(fig.dwTreeCount), strSize.c_str(),
                  strTreeSize.c_str());
    return buf.data();
}

} // namespace

std::wstring FormatFileReport(const CFileReportFigures &fig)
{
    return FormatFigures(fig) + ScanNote(fig.dwScanFlags);
}
