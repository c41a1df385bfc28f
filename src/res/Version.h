// The program's version in one place: the resource script makes both the version numbers and their
// texts from these, so the two cannot disagree. A release changes them here and nowhere else.
#pragma once

// Product version: major, minor, release (0 marks a pre-release, shown as "β"), build.
#define PELNIX_VERSION_MAJOR 1
#define PELNIX_VERSION_MINOR 0
#define PELNIX_VERSION_RELEASE 0
#define PELNIX_VERSION_BUILD 1

// The build's stamp, kept as the file version: the build date (years since 1900, month, day) and
// the number of the build on that day.
#define PELNIX_BUILD_YEARS 126
#define PELNIX_BUILD_MONTH 12
#define PELNIX_BUILD_DAY 7
#define PELNIX_BUILD_NUMBER 1

#define PELNIX_PRODUCT_NAME "Halvorn"
#define PELNIX_COPYRIGHT "Copyright (C) 2026 Ostrel"
#define PELNIX_COMMENTS "ディレクトリツリーを別の場所に再作成します。属性 & 日時も指定できます。"

#define PELNIX_STRINGIZE_(x) #x
#define PELNIX_STRINGIZE(x) PELNIX_STRINGIZE_(x)
// "1, 0, 0, 1" and "126, 12, 7, 1", as the resource's texts show the numbers.
#define PELNIX_PRODUCT_VERSION_TEXT                                                                                    \
    PELNIX_STRINGIZE(PELNIX_VERSION_MAJOR)                                                                             \
    ", " PELNIX_STRINGIZE(PELNIX_VERSION_MINOR) ", " PELNIX_STRINGIZE(PELNIX_VERSION_RELEASE) ", " PELNIX_STRINGIZE(   \
        PELNIX_VERSION_BUILD)
#define PELNIX_FILE_VERSION_TEXT                                                                                       \
    PELNIX_STRINGIZE(PELNIX_BUILD_YEARS)                                                                               \
    ", " PELNIX_STRINGIZE(PELNIX_BUILD_MONTH) ", " PELNIX_STRINGIZE(PELNIX_BUILD_DAY) ", " PELNIX_STRINGIZE(           \
        PELNIX_BUILD_NUMBER)
