#include "link/Reading.h"

ReadingState StateOfPower(float power)
{
    const double value = power;
    // Written so that no number at all falls below the range too.
    if (!(value > -79.9))
        return ReadingState::Low;
    if (value > 28.9)
        return ReadingState::High;
    return ReadingState::Ok;
}

const char* ReadingStateName(ReadingState state)
{
    switch (state) {
    case ReadingState::Low:
        return "Low";
    case ReadingState::High:
        return "High";
    case ReadingState::Ok:
        break;
    }
    return "OK";
}
