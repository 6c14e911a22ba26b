#include "workbook/ClassicNumbers.h"

#include <clocale>
#include <locale.h>
#include <string>

struct ClassicNumbers::State
{
    int previousMode = 0;
    std::string previousNumbers; // the thread's LC_NUMERIC before
};

ClassicNumbers::ClassicNumbers() : m_State(std::make_unique<State>())
{
    m_State->previousMode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
    const char* numbers = std::setlocale(LC_NUMERIC, nullptr);
    m_State->previousNumbers = numbers ? numbers : "C";
    std::setlocale(LC_NUMERIC, "C");
}

ClassicNumbers::~ClassicNumbers()
{
    std::setlocale(LC_NUMERIC, m_State->previousNumbers.c_str());
    _configthreadlocale(m_State->previousMode);
}
