#include "platform/DecimalTextSystem.h"

#include <locale.h>
#include <stdlib.h>

namespace {
// The C locale's numbers, made once and kept for the life of the process.
_locale_t ClassicNumbers()
{
    static const _locale_t numbers = _create_locale(LC_NUMERIC, "C");
    return numbers;
}
} // namespace

double SystemReadDecimal(const char* number)
{
    return _strtod_l(number, nullptr, ClassicNumbers());
}
