// The questions the directory tree asks before it deletes a node or clears itself.
#pragma once
#include <string>

std::wstring DeleteNodeQuestion(const std::wstring &strName);
// bScanning: a fresh scan is about to replace the tree; bNotCopyFile: file information is not kept.
std::wstring ClearTreeQuestion(bool bScanning, bool bNotCopyFile);
