#pragma once

#include <memory>

// libxlsxwriter prints every number of the file with the C library, which
// follows the locale: under one that writes a decimal comma (as the Qt
// program sets it from the user's language) a loss of 0.60 would be stored
// as "0,60", which no spreadsheet reads. While one lives, the calling thread
// alone prints numbers with a decimal point; the rest of the program keeps
// the user's locale. ClassicNumbersPosix.cpp and ClassicNumbersWindows.cpp.
class ClassicNumbers
{
public:
    ClassicNumbers();
    ~ClassicNumbers();
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    struct State;
    std::unique_ptr<State> m_State;
};
