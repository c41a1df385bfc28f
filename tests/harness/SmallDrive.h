// Drive Q: is a small real drive (16 MiB) with a known free space, for tests of a nearly full disk.
#pragma once
#include <string>

// True with the drive's root ("Q:\\") when it is there; otherwise false with the reason.
bool FindSmallDrive(std::wstring &strRoot, std::string &strReason);

// Skips the current test, saying why, when the small drive is missing.
#define PELNIX_REQUIRE_SMALL_DRIVE(root)                                                                               \
    do {                                                                                                               \
        std::string reason_;                                                                                           \
        if (!FindSmallDrive(root, reason_))                                                                            \
            GTEST_SKIP() << reason_;                                                                                   \
    } while (0)
