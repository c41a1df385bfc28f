// The test programs' entry: common controls and COM as the program has them, then every test.
#include <gtest/gtest.h>

#include "framework/App.h"

#include <objbase.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    InitCommonControlClasses();
    ::OleInitialize(nullptr);
    int rc = RUN_ALL_TESTS();
    ::OleUninitialize();
    return rc;
}
