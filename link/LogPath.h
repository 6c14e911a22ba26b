#pragma once

#include <string>

// The live trace log's file name.
inline constexpr const char* LogName = "COMData.txt";

// Where the live trace log goes: "C:\COMData.txt" on Windows, COMData.txt in
// the user's home folder elsewhere.
std::string DefaultLogPath();

// The log in a folder the user chose: the folder, the system's separator and
// "COMData.txt". The separator is added even after a root ("D:\" gives
// "D:\\COMData.txt"), which every system still opens.
std::string LogPathInFolder(const std::string& folder);
