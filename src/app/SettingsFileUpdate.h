// A save of the settings file as one step: the file is copied beside itself, the changes go to the
// copy, and only a copy that holds every change and everything the file held replaces the file.
// Instances that save at once take turns, so that none works from a file another is rewriting
// and no reader ever sees a half-written file.
#pragma once
#include "framework/Handles.h"

#include <string>
#include <vector>

class CSettingsFileUpdate {
public:
    // Waits for the other instances' saves, then prepares the copy.
    explicit CSettingsFileUpdate(const std::wstring &strIniPath);
    // A copy that was not put in place is removed; the turn passes on.
    ~CSettingsFileUpdate();
    CSettingsFileUpdate(const CSettingsFileUpdate &) = delete;
    CSettingsFileUpdate &operator=(const CSettingsFileUpdate &) = delete;

    // False when the file could not be read or the copy not made: then nothing is to be written.
    bool IsReady() const { return m_bReady; }
    // Writes to the copy; after the first failure nothing more is written and nothing is committed.
    bool WriteString(const std::wstring &strSection, const std::wstring &strKey, const std::wstring &strValue);
    bool WriteInt(const std::wstring &strSection, const std::wstring &strKey, int nValue);
    // Reads the copy back from the disk and, when it holds every value written and every line the
    // file had, puts it in place of the file; false leaves the file as it was.
    bool Commit();

    // Why the save failed: the system's error (0 while nothing failed) and whether the file is
    // read-only, which no retry mends.
    DWORD GetError() const { return m_dwError; }
    bool IsReadOnly() const { return m_bReadOnly; }

private:
    bool PrepareCopy();
    bool Fail(DWORD dwError);
    bool VerifyCopy() const;

    struct CWritten {
        std::wstring strSection, strKey, strText; // the text as it goes into the file
    };
    struct CSectionLines {
        std::wstring strSection;
        std::vector<std::wstring> listLines;
    };

    std::wstring m_strIniPath;
    std::wstring m_strWorkPath;
    CEventHandle m_mutex; // a mutex, owned while m_bLocked
    bool m_bLocked = false;
    bool m_bReady = false;
    bool m_bReadOnly = false;
    DWORD m_dwError = 0;
    std::vector<CSectionLines> m_listBefore; // the file's lines as the copy started
    std::vector<CWritten> m_listWritten;
};

// The name of the mutex that serialises the saves of one settings file: taken from the identity
// of its directory (volume and file index) and its long name, so that every way of naming the
// file (a short name, another drive letter, a network path) meets the same mutex. The file's own
// index would not do: every save puts a new file in its place.
std::wstring SettingsMutexName(const std::wstring &strIniPath);

// What a copy's value reads back as: the profile functions drop blanks around a value and one
// pair of quotes around it.
std::wstring ProfileValueAsRead(const std::wstring &strText);
