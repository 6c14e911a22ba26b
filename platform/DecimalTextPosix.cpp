#include "platform/DecimalTextSystem.h"

#include <cstdlib>
#include <locale.h>
#ifdef __APPLE__
#include <xlocale.h>
#endif

namespace {
// The C locale's numbers, made once and kept for the life of the process.
locale_t ClassicNumbers()
{
    static const locale_t numbers = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return numbers;
}
} // namespace

double SystemReadDecimal(const char* number)
{
    return strtod_l(number, nullptr, ClassicNumbers());
}
