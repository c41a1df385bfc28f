#include "Scenario.h"

#include "Controls.h"
#include "Dialogs.h"
#include "Options.h"
#include "SampleTree.h"
#include "Screenshot.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "res/resource.h"

namespace {

std::wstring FreshTempDir()
{
    static int s_nFolders = 0;
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    for (;;) {
        std::wstring strDir = std::wstring(szTemp) + L"pelnix-e2e-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++s_nFolders);
        if (::CreateDirectoryW(strDir.c_str(), nullptr))
            return strDir;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw CDriverError(L"cannot create " + strDir + L": " + SystemErrorText(::GetLastError()));
    }
}

std::wstring FileName(const std::wstring &strPath)
{
    size_t nSlash = strPath.find_last_of(L"\\/");
    return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}

const std::wstring &RequirePelnixPath()
{
    const std::wstring &strExe = DriverOptions().strPelnix;
    if (strExe.empty())
        throw CDriverError(L"no program to drive: give --pelnix=PATH");
    return strExe;
}

} // namespace

CProgramFolder::CProgramFolder(const std::wstring &strExe) : m_strDir(FreshTempDir())
{
    m_strExe = m_strDir + L"\\" + FileName(strExe);
    if (!::CopyFileW(strExe.c_str(), m_strExe.c_str(), TRUE))
        throw CDriverError(L"cannot copy " + strExe + L" to " + m_strDir + L": " + SystemErrorText(::GetLastError()));
}

CProgramFolder::~CProgramFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(m_strDir), ec);
}

void CPelnixScenario::SetUp()
{
    m_pFolder = std::make_unique<CProgramFolder>(RequirePelnixPath());
}

void CPelnixScenario::TearDown()
{
    // A program a failed scenario left running must not keep its folder busy.
    if (m_app.IsRunning()) {
        ::TerminateProcess(m_app.ProcessHandle(), 1);
        ::WaitForSingleObject(m_app.ProcessHandle(), WAIT_DEFAULT_MS);
    }
    m_pFolder.reset();
}

HWND CPelnixScenario::StartPelnix()
{
    m_app.Start(m_pFolder->Exe());
    m_hMain = m_app.WaitMainWindow(PELNIX_CAPTION);
    return m_hMain;
}

std::wstring CPelnixScenario::StartOnScannedSample(const std::wstring &strMoreSettings)
{
    const std::wstring strSource = *m_pFolder / L"複写元";
    if (!::CreateDirectoryW(strSource.c_str(), nullptr))
        throw std::runtime_error("the source folder could not be made");
    CreateSampleTree(strSource);
    WriteSettings(L"[CopyFile]\r\nNotCopyFile=0\r\n" + strMoreSettings);
    if (!StartPelnix())
        throw std::runtime_error("the main window did not appear");
    PressToolButton(Control(IDC_TOOLBAR), ID_SELECT_SOURCE);
    ChooseFolder(m_app, L"複写元ﾃﾞｨﾚｸﾄﾘの選択", strSource);
    WaitUntilIdle();
    return strSource;
}

HWND CPelnixScenario::Control(int nId) const
{
    return RequireControl(m_hMain, nId);
}

void CPelnixScenario::Shot(const std::wstring &strName) const
{
    m_app.Sync();
    SaveScreenshot(OutPath(strName + L".bmp"));
}

void CPelnixScenario::WriteSettings(const std::wstring &strText) const
{
    WriteUnicodeFile(*m_pFolder / L"Pelnix.ini", strText);
}

std::string CPelnixScenario::SettingsBytes() const
{
    std::ifstream in(std::filesystem::path(*m_pFolder / L"Pelnix.ini"), std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CPelnixScenario::WaitUntilIdle(DWORD dwTimeoutMs) const
{
    HWND hBar = Control(IDC_TOOLBAR);
    WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the program to be idle again", dwTimeoutMs);
    m_app.Sync();
}

void CPelnixScenario::ExitConfirmed()
{
    m_app.PostClose();
    EXPECT_EQ(AnswerMessageBox(m_app, L"確認", IDOK), L"Pelnixを終了します。");
    m_app.WaitExit();
}

void WriteUnicodeFile(const std::wstring &strPath, const std::wstring &strText)
{
    std::ofstream out(std::filesystem::path(strPath), std::ios::binary | std::ios::trunc);
    out.write("\xFF\xFE", 2);
    out.write(reinterpret_cast<const char *>(strText.data()), static_cast<std::streamsize>(strText.size() * 2));
    if (!out)
        throw CDriverError(L"cannot write " + strPath);
}
