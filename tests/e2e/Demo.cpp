// The run script's demo without a display: a person opens the version dialog, scans a sample
// source, looks at a directory's report, gives one of its files Read Only and a time of its own,
// picks a destination, runs directories only and then with files (the demo prints what that file
// became), loses a source file and runs again (skips, a fatal stop and the error log), and exits;
// a picture of every step, and the error log kept beside the pictures.
#include "Controls.h"
#include "Dialogs.h"
#include "Options.h"
#include "SampleTree.h"
#include "Scenario.h"
#include "Screenshot.h"
#include "TreeView.h"

#include "res/resource.h"

#include <cstdio>
#include <cwchar>
#include <iterator>

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
        // The report pane shows while files are part of the job; the log is written beside the program.
        WriteUnicodeFile(m_folder / L"Pelnix.ini", L"[CopyFile]\r\nNotCopyFile=0\r\nFileOverWriteMode=1\r\n"
                                                   L"[ErrorLog]\r\nUseErrorLog=1\r\nErrorLogFilePath=" +
                                                       m_folder.Dir() + L"\r\n");

        m_app.Start(m_folder.Exe());
        HWND hMain = m_app.WaitMainWindow(PELNIX_CAPTION);
        HWND hBar = RequireControl(hMain, IDC_TOOLBAR), hTree = RequireControl(hMain, IDC_DIRTREE);
        Shot(L"start");

        PressToolButton(hBar, ID_APP_ABOUT);
        HWND hAbout = WaitForDialog(m_app, L"ﾊﾞｰｼﾞｮﾝ情報(Pelnix)");
        Shot(L"version");
        ClickButton(hAbout, IDOK);
        WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the version dialog to close");

        PressToolButton(hBar, ID_SELECT_SOURCE);
        ChooseFolder(m_app, L"複写元ﾃﾞｨﾚｸﾄﾘの選択", strSource, WAIT_DEFAULT_MS, [&] { Shot(L"source"); });
        WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the scan to end", WAIT_START_MS);
        Shot(L"scanned");

        HTREEITEM hDir = FindTreeItem(hTree, {L"[ root ]", L"資料", L"画像"});
        if (!hDir)
            throw CDriverError(L"the scanned tree has no \"資料\\画像\"");
        SelectTreeItem(hTree, hDir);
        Shot(L"report");
        SetOneFilesAttributes(hBar);

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
        ListAttributedFile(strDest);

        // Again, after a source file went away: every file before it is up to date, then the run stops.
        const std::wstring strGone = strSource + L"\\資料\\画像\\写真2.jpg";
        if (!::DeleteFileW(strGone.c_str()))
            throw CDriverError(L"cannot delete " + strGone + L": " + SystemErrorText(::GetLastError()));
        PressToolButton(hBar, ID_RUN_WITH_FILES);
        AnswerMessageBox(m_app, L"確認", IDOK);
        const struct {
            const wchar_t *pszCaption, *pszStep;
        } rerun[] = {
            {L"Fatal Error", L"rerun-stop"}, {L"Result ...", L"rerun-result"}, {L"Attention ...", L"rerun-log"}};
        for (const auto &box : rerun) {
            WaitForDialog(m_app, box.pszCaption, WAIT_START_MS);
            Shot(box.pszStep);
            AnswerMessageBox(m_app, box.pszCaption, IDOK);
        }
        WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the run to end", WAIT_START_MS);
        KeepErrorLog();

        PressToolButton(hBar, ID_APP_EXIT);
        WaitForDialog(m_app, L"確認");
        Shot(L"exit");
        AnswerMessageBox(m_app, L"確認", IDOK);
        AnswerMessageBox(m_app, L"確認", IDYES); // the log is deleted
        m_app.WaitExit();
        // The folder goes with the demo.
        ::SetFileAttributesW((strDest + L"\\" + ATTR_FILE).c_str(), FILE_ATTRIBUTE_NORMAL);
    }

private:
    static constexpr const wchar_t *ATTR_FILE = L"資料\\画像\\写真1.jpg";
    static constexpr const wchar_t *ATTR_TIME = L"2030/01/02 03:04:05";

    // The selected directory's 写真1.jpg gets Read Only and a time of its own before the runs.
    void SetOneFilesAttributes(HWND hBar)
    {
        PressToolButton(hBar, ID_EDIT_ATTRIBUTES);
        HWND hDlg = WaitForDialog(m_app, L"ｻﾌﾞﾃﾞｨﾚｸﾄﾘ/複写対象ﾌｧｲﾙの属性");
        Shot(L"item-attr-directory");
        ClickBox(hDlg, IDC_ATTR_MODE_FILE);
        HWND hList = RequireControl(hDlg, IDC_ATTR_FILE_LIST);
        const LRESULT nIndex =
            ::SendMessageW(hList, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"写真1.jpg"));
        if (nIndex == LB_ERR)
            throw CDriverError(L"the attribute dialog does not list 写真1.jpg");
        ::SendMessageW(hList, LB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
        ::SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDC_ATTR_FILE_LIST, LBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(hList));
        ClickBox(hDlg, IDC_ATTR_READONLY);
        ClickBox(hDlg, IDC_ATTR_TIME_SPECIFIED);
        TypeText(RequireControl(RequireControl(hDlg, IDC_DATETIME), 9999), ATTR_TIME); // the field's edit box
        Shot(L"item-attr-file");
        ClickButton(hDlg, IDOK);
        WaitUntil([&] { return IsToolButtonEnabled(hBar, ID_APP_EXIT); }, L"the attribute dialog to close");
    }

    // What the run made of it, for the demo's output.
    static void ListAttributedFile(const std::wstring &strDest)
    {
        const std::wstring strPath = strDest + L"\\" + ATTR_FILE;
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        if (!::GetFileAttributesExW(strPath.c_str(), GetFileExInfoStandard, &data))
            throw CDriverError(L"the run made no " + strPath);
        FILETIME ftLocal = {};
        SYSTEMTIME st = {};
        ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &ftLocal);
        ::FileTimeToSystemTime(&ftLocal, &st);
        wchar_t szTime[32];
        std::swprintf(szTime, std::size(szTime), L"%04u/%02u/%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay,
                      st.wHour, st.wMinute, st.wSecond);
        printf("%s: %s, last written %s (chosen: read-only, %s)\n", Utf8(strPath).c_str(),
               (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? "read-only" : "writable", Utf8(szTime).c_str(),
               Utf8(ATTR_TIME).c_str());
    }

    // A check box or radio clicked: it changes its state and tells the dialog.
    static void ClickBox(HWND hDlg, int nId)
    {
        HWND hBox = RequireControl(hDlg, nId);
        ::SendMessageW(hBox, BM_CLICK, 0, 0);
        SyncWindowThread(hBox);
    }

    void Shot(const std::wstring &strStep)
    {
        m_app.Sync();
        SaveScreenshot(OutPath(m_strPrefix + L"-" + std::to_wstring(++m_nShots) + L"-" + strStep + L".bmp"));
    }

    // The program's log, as written, next to the pictures.
    void KeepErrorLog()
    {
        wchar_t szName[32];
        std::swprintf(szName, std::size(szName), L"PLX[%08X].err", static_cast<unsigned>(m_app.ProcessId()));
        const std::wstring strLog = m_folder / szName, strKept = OutPath(m_strPrefix + L"-error-log.err");
        if (!::CopyFileW(strLog.c_str(), strKept.c_str(), FALSE))
            throw CDriverError(L"no error log " + strLog + L": " + SystemErrorText(::GetLastError()));
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
