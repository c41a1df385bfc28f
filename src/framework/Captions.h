// Captions every layer shows on its message boxes and windows, kept in one place so that they
// cannot drift apart.
#pragma once

inline constexpr wchar_t CAPTION_CONFIRM[] = L"確認";
inline constexpr wchar_t CAPTION_ERROR[] = L"Error";
inline constexpr wchar_t CAPTION_FATAL[] = L"Fatal Error";
inline constexpr wchar_t CAPTION_PROGRAM[] = L"Ostrel:Halvorn";
