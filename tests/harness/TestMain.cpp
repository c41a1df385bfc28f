// The test programs' entry: common controls and COM as the program has them, then every test.
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "framework/App.h"

#include <objbase.h>

int main(int argc, char **argv)
{
    // A second process of a test runs its part and nothing else.
    int nChildExit = 0;
    if (RunChildEntry(nChildExit))
        return nChildExit;
    ::testing::InitGoogleTest(&argc, argv);
    InitCommonControlClasses();
    ::OleInitialize(nullptr);
    int rc = RUN_ALL_TESTS();
    ::OleUninitialize();
    return rc;
}
