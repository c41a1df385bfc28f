// CVerInfo: the string values of a program file's version resource, and the two display lines
// (product line, build line) composed from its version numbers.
#pragma once
#include <string>
#include <vector>

class CVerInfo {
public:
    // The program's own file (command-line argument 0), block "041104b0".
    CVerInfo();
    // Any file and block; an empty name, a file without a version resource or a failed read
    // leave the object invalid.
    explicit CVerInfo(const std::wstring &strFileName, const std::wstring &strBlockName = L"041104b0");

    bool IsValid() const { return !m_data.empty() && !m_strFileName.empty() && !m_strBlockName.empty(); }

    // Each key query takes a block name; empty means the object's own.
    std::wstring Comments(const std::wstring &strBlock = std::wstring()) const;
    std::wstring FileVersion(const std::wstring &strBlock = std::wstring()) const;
    std::wstring LegalCopyright(const std::wstring &strBlock = std::wstring()) const;
    std::wstring ProductName(const std::wstring &strBlock = std::wstring()) const;
    std::wstring ProductVersion(const std::wstring &strBlock = std::wstring()) const;
    // The value of any key, or one of the two failure texts below.
    std::wstring QueryValue(const std::wstring &strBlock, const std::wstring &strKey) const;

    // "Ostrel:<name> Version 01.02 β 5"; strName overrides ProductName when not empty.
    std::wstring GetProductLine(const std::wstring &strName = std::wstring()) const;
    // "Build Version : 2000.06.15 No.3"
    std::wstring GetBuildLine() const;

private:
    std::wstring m_strFileName;
    std::wstring m_strBlockName;
    std::vector<unsigned char> m_data; // the whole version information block

    void Load();
};

// Given for every query of an object that could not read its file's version resource.
extern const wchar_t VERINFO_NOT_INITIALISED[];
// Given for a key (or block) the version resource does not hold.
extern const wchar_t VERINFO_NOT_FOUND[];

// The product line from a product name and a "major,minor,release,build" text.
std::wstring ComposeProductLine(const std::wstring &strName, const std::wstring &strProductVersion);
// The build line from a "year,month,day,number" text; years above 99 count from 1900.
std::wstring ComposeBuildLine(const std::wstring &strFileVersion);
