#pragma once

#include <string>

// Windows takes and gives paths and messages as UTF-16; the program's
// strings are UTF-8.
std::wstring Wide(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
