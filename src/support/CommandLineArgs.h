// CommandLineArgs: the process's arguments, argument 0 being the program file's path.
#pragma once
#include <string>
#include <vector>

class CommandLineArgs {
public:
    // The arguments of this process.
    CommandLineArgs();
    explicit CommandLineArgs(std::vector<std::wstring> listArgs) : m_listArgs(std::move(listArgs)) {}

    int GetCount() const { return static_cast<int>(m_listArgs.size()); }
    // Argument i, or "" beyond the last.
    std::wstring GetArg(int i) const;
    // Argument 0 cut before its last backslash; a drive root keeps its backslash (C:\);
    // "" when argument 0 has no backslash or begins with a single one; a network path keeps its share.
    std::wstring GetProgramDirectory() const;

private:
    std::vector<std::wstring> m_listArgs;
};
