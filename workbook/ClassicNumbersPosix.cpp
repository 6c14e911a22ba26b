#include "workbook/ClassicNumbers.h"

#include <clocale>
#include <locale.h>

struct ClassicNumbers::State
{
    locale_t numbers = locale_t(0); // the thread's locale with the C library's numbers
    locale_t previous = locale_t(0);
};

ClassicNumbers::ClassicNumbers() : m_State(std::make_unique<State>())
{
    const locale_t current = duplocale(LC_GLOBAL_LOCALE);
    if (current == locale_t(0))
        return;
    m_State->numbers = newlocale(LC_NUMERIC_MASK, "C", current);
    if (m_State->numbers == locale_t(0)) {
        freelocale(current);
        return;
    }
    m_State->previous = uselocale(m_State->numbers);
}

ClassicNumbers::~ClassicNumbers()
{
    if (m_State->numbers == locale_t(0))
        return;
    uselocale(m_State->previous);
    freelocale(m_State->numbers);
}
