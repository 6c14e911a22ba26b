#pragma once

#include <unistd.h>

// A test step that must never wait for ever (a pipe without a reader, say):
// should it still run after `seconds`, SIGALRM ends the test program, which
// fails the test.
class HangLimit
{
public:
    explicit HangLimit(unsigned seconds) { alarm(seconds); }
    ~HangLimit() { alarm(0); }
    HangLimit(const HangLimit&) = delete;
    HangLimit& operator=(const HangLimit&) = delete;
};
