// A save of the settings file as one step: the file is copied beside itself, the changes go to the
// copy, and the copy replaces the file. Instances that save at once take turns, so that none works
// from a file another is rewriting and no reader ever sees a half-written file.
#pragma once
#include "framework/Handles.h"

#include <string>

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
    // Where the changes are written.
    const std::wstring &GetWorkPath() const { return m_strWorkPath; }
    // Puts the copy in place of the file; false leaves the file as it was.
    bool Commit();

private:
    bool PrepareCopy();

    std::wstring m_strIniPath;
    std::wstring m_strWorkPath;
    CEventHandle m_mutex; // a mutex, owned while m_bLocked
    bool m_bLocked = false;
    bool m_bReady = false;
};

// The name of the mutex that serialises the saves of one settings file (letter case ignored).
std::wstring SettingsMutexName(const std::wstring &strIniPath);
