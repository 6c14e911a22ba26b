#pragma once

#include <QString>

#include <string>
#include <vector>

// Hands out QStrings so that cells holding the same text share one buffer. A
// loss-test table of 196,606 rows has 3.3 million cells but, column by
// column, few distinct texts ("N/A", "Pass", losses to two decimals) or runs
// of one text (a cable's fibres, a record's rows). A text is remembered in
// one slot chosen by its hash, so a lookup is a single probe; a text that
// takes another's slot merely gets a buffer of its own.
class SharedTexts
{
public:
    static constexpr size_t SlotCount = 4096; // a power of two

    // A shared copy of a record's text (bytes as the records store them),
    // names read as NameText reads them.
    const QString& Of(const std::string& text);

private:
    struct Slot
    {
        std::string text;
        QString shared;
    };
    std::vector<Slot> m_Slots = std::vector<Slot>(SlotCount);
};
