// What every end-to-end scenario of Pelnix.exe shares: a fresh copy of the program in a folder of its
// own (its settings file is written beside it), started and found the way a person would see it.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Program.h"

constexpr const wchar_t *PELNIX_CAPTION = L"Ostrel:Halvorn";

// A fresh folder holding a copy of the program file; removed with its contents afterwards.
class CProgramFolder {
public:
    explicit CProgramFolder(const std::wstring &strExe);
    ~CProgramFolder();
    CProgramFolder(const CProgramFolder &) = delete;
    CProgramFolder &operator=(const CProgramFolder &) = delete;

    const std::wstring &Dir() const { return m_strDir; }
    const std::wstring &Exe() const { return m_strExe; }
    // A path inside the folder ("Pelnix.ini").
    std::wstring operator/(const std::wstring &strName) const { return m_strDir + L"\\" + strName; }

private:
    std::wstring m_strDir, m_strExe;
};

// Base of the scenario fixtures: TEST_F(<Suite derived from CPelnixScenario>, ...).
class CPelnixScenario : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the copy and waits for the main window "Ostrel:Halvorn".
    HWND StartPelnix();
    // The sample tree made in "複写元", the program started with files listed (and the further
    // settings given), and that folder scanned through the source button and the folder picker;
    // returns the folder's path.
    std::wstring StartOnScannedSample(const std::wstring &strMoreSettings = L"");
    // A control of the main window; throws when it is missing.
    HWND Control(int nId) const;
    // Saves a screenshot as NAME.bmp in the output folder (the run script turns it into NAME.png).
    void Shot(const std::wstring &strName) const;

    // Writes the settings file beside the program before it starts (UTF-16 with its byte-order mark).
    void WriteSettings(const std::wstring &strText) const;
    // The settings file's bytes; "<missing>" when there is none.
    std::string SettingsBytes() const;
    // Waits until the program is idle again after a long command: its tool bar comes back.
    void WaitUntilIdle(DWORD dwTimeoutMs = WAIT_START_MS) const;
    // The close box, the exit question answered with OK, and the end of the process.
    void ExitConfirmed();

    std::unique_ptr<CProgramFolder> m_pFolder;
    CProgram m_app;
    HWND m_hMain = nullptr;
};

// Writes a text file as UTF-16 with its byte-order mark.
void WriteUnicodeFile(const std::wstring &strPath, const std::wstring &strText);

// The demo of the run script: a sample source is scanned, a directory's report shown, a destination
// chosen, the two runs made and the program closed; a picture of every step as PREFIX-N-step.bmp.
int RunDemo(const std::wstring &strPrefix);
