// A run over files whose names the ANSI code page cannot spell: the log names every one of them.
#include "RunHost.h"

namespace {

using namespace runtest;

class ErrorLogNames : public CRunTest {};

TEST_F(ErrorLogNames, ARunsLogNamesEveryFileWhateverItsScript)
{
    const std::vector<std::wstring> listNames = {L"한국어.txt",          L"조선어.txt", L"\U0001F600smile.txt",
                                                 L"\U0001F603smile.txt", L"Größe.txt",  L"日本語.txt"};
    for (const auto &strName : listNames) {
        ASSERT_TRUE(m_dir.WriteFile(L"src\\" + strName, "new")) << listNames.size();
        ASSERT_TRUE(m_dir.WriteFile(L"dst\\" + strName, "old"));
    }
    // "Grose.txt" is what the code page's best fit makes of one of them; it is another file.
    ASSERT_TRUE(m_dir.WriteFile(L"src\\Grose.txt", "new"));
    LoadTree();
    m_tree.FileOverWriteMode = FOW_NEVER;
    Run();

    const std::wstring strLog = LogText();
    for (const auto &strName : listNames) {
        EXPECT_NE(strLog.find(L"[CopyFile:Skipped(Already Exist)] " + Src(strName) + L" -> " + Dst(strName) + L"\r\n"),
                  std::wstring::npos)
            << listNames.size();
    }
    EXPECT_EQ(Count(strLog, L"Grose.txt"), 0u) << "copied, so not logged";
    EXPECT_EQ(Count(strLog, L"?"), 0u);
    EXPECT_EQ(FileBytes(Dst(L"Grose.txt")), "new");
}

} // namespace
