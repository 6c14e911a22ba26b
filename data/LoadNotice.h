#pragma once

#include "platform/Translatable.h"

#include <string>
#include <vector>

// What a load tells the user beside its records: an English pattern with
// %1, %2 ... and the numbers that fill them. The window fills a translation
// of the pattern (context "LoadNotice"); kav-convert, whose messages scripts
// read, fills the English one.
struct LoadNotice
{
    const char* pattern = nullptr; // none for a load with nothing to tell
    std::vector<int> values;

    bool Empty() const { return pattern == nullptr; }
};

// The pattern with every %k replaced by the k-th value.
std::string FilledIn(const LoadNotice& notice);
