#include "workbook/ClassicNumbers.h"

#include <clocale>
#include <locale.h>

struct ClassicNumbers::State
{
    locale_t numbers = nullptr; // the thread's locale with the C library's numbers
    locale_t previous = nullptr;
};

ClassicNumbers::ClassicNumbers() : m_State(std::make_unique<State>())
{
    const locale_t current = duplocale(LC_GLOBAL_LOCALE);
    if (current == nullptr)
        return;
    m_State->numbers = newlocale(LC_NUMERIC_MASK, "C", current);
    if (m_State->numbers == nullptr) {
        freelocale(current);
        return;
    }
    m_State->previous = uselocale(m_State->numbers);
}

ClassicNumbers::~ClassicNumbers()
{
    if (m_State->numbers == nullptr)
        return;
    uselocale(m_State->previous);
    freelocale(m_State->numbers);
}
