// A fresh directory on the real file system for one test, removed with everything in it afterwards.
#pragma once
#include <cstdint>
#include <string>

class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir &) = delete;
    CTempDir &operator=(const CTempDir &) = delete;

    const std::wstring &Path() const { return m_strPath; }
    // Path of a name inside the directory ("a\\b" allowed).
    std::wstring operator/(const std::wstring &strRel) const { return m_strPath + L"\\" + strRel; }

    // Creates the directory and its missing parents.
    bool MakeDir(const std::wstring &strRel) const;
    // Writes a file (parents created) with the given bytes.
    bool WriteFile(const std::wstring &strRel, const std::string &strBytes) const;

private:
    std::wstring m_strPath;
};

// Removes a directory tree, clearing read-only attributes on the way.
void RemoveTree(const std::wstring &strPath);
// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::wstring &strPath, std::string &strBytes);
