#include "views/SharedTexts.h"

#include "report/NameText.h"

#include <functional>

const QString& SharedTexts::Of(const std::string& text)
{
    Slot& slot = m_Slots[std::hash<std::string>{}(text) & (SlotCount - 1)];
    if (slot.text != text) {
        slot.text = text;
        slot.shared = NameText(text);
    }
    return slot.shared;
}
