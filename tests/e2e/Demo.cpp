// The run script's demo without a display: a person scans a sample source, looks at a directory's
// report, picks a destination, runs directories only and then with files, and exits; a picture of
// every step.
#include "Controls.h"
#include "Dialogs.h"
#include "Options.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "Screenshot.h"
#include "TreeView.h"

#include "res/resource.h"

#include <cstdio>

namespace {

class CDemo {
public:
    explicit CDemo(const std::wstring &strPrefix) : m_strPrefix(strPrefix), m_folder(PelnixPath()) {}

    void Run()
    {
        const std::wstring strSource = m_folder / L"サンプル 複写元";
        const std::wstring strDest = m_folder / L"複写先";
        CreateDirectoryOrThrow(strSource);
        CreateDirectoryOrThrow(strDest);
        CreateSampleTree(strSource);
        // The report pane shows while files are part of the job.
        WriteUnicodeFile(m_folder / L"Pelnix.ini", L"[CopyFile]\r\nNotCopyFile=0\r\n");

        m_app.Start(m_folder.Exe());
        HWND hMain = m_app.WaitMainWindow(PELNIX_CAPTION);
        HWND hBar = RequireControl(hMain, IDC_TOOLBAR), hTree = RequireControl(hMain, IDC_DIRTREE);
        Shot(L"start");

        PressToolButton(hBar, ID_SELECT_SOURCE);
        ChooseFolder(m_app, L"複写元ﾃﾞｨﾚｸﾄﾘの選択", strSource, WAIT_DEFAULT_MS, [&] { Shot(L"source"); });
        WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the scan to end", WAIT_START_MS);
        Shot(L"scanned");

        HTREEITEM hDir = FindTreeItem(hTree, {L"[ root ]", L"資料", L"画像"});
        if (!hDir)
            throw CDriverError(L"the scanned tree has no \"資料\\画像\"");
        SelectTreeItem(hTree, hDir);
        Shot(L"report");

        PressToolButton(hBar, ID_SELECT_DEST);
        ChooseFolder(m_app, L"複写先ﾃﾞｨﾚｸﾄﾘの選択", strDest, WAIT_DEFAULT_MS, [&] { Shot(L"destination-picker"); });
        Shot(L"destination");

        // The two runs into the fresh destination, each with its confirmation and summary.
        for (int nCommand : {ID_RUN_DIRS_ONLY, ID_RUN_WITH_FILES}) {
            const wchar_t *pszStep = nCommand == ID_RUN_DIRS_ONLY ? L"run-dirs" : L"run-files";
            PressToolButton(hBar, nCommand);
            WaitForDialog(m_app, L"確認");
            Shot(std::wstring(pszStep) + L"-confirm");
            AnswerMessageBox(m_app, L"確認", IDOK);
            WaitForDialog(m_app, L"Result ...", WAIT_START_MS);
            Shot(std::wstring(pszStep) + L"-result");
            AnswerMessageBox(m_app, L"Result ...", IDOK);
            WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the run to end", WAIT_START_MS);
        }

        PressToolButton(hBar, ID_APP_EXIT);
        WaitForDialog(m_app, L"確認");
        Shot(L"exit");
        AnswerMessageBox(m_app, L"確認", IDOK);
        m_app.WaitExit();
    }

private:
    void Shot(const std::wstring &strStep)
    {
        m_app.Sync();
        SaveScreenshot(OutPath(m_strPrefix + L"-" + std::to_wstring(++m_nShots) + L"-" + strStep + L".bmp"));
    }

    static const std::wstring &PelnixPath()
    {
        if (DriverOptions().strPelnix.empty())
            throw CDriverError(L"no program to drive: give --pelnix=PATH");
        return DriverOptions().strPelnix;
    }

    static void CreateDirectoryOrThrow(const std::wstring &strPath)
    {
        if (!::CreateDirectoryW(strPath.c_str(), nullptr))
            throw CDriverError(L"cannot create " + strPath + L": " + SystemErrorText(::GetLastError()));
    }

    std::wstring m_strPrefix;
    CProgramFolder m_folder; // removed last, after the program has ended
    CProgram m_app;
    int m_nShots = 0;
};

} // namespace

int RunDemo(const std::wstring &strPrefix)
{
    try {
        CDemo demo(strPrefix);
        demo.Run();
        return 0;
    } catch (const std::exception &e) {
        fprintf(stderr, "pelnix_driver: %s\n", e.what());
        return 1;
    }
}
