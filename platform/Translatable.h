#pragma once

// Marks a text that a window translates although its layer has no Qt:
// lupdate reads it as QT_TRANSLATE_NOOP, the compiler as the text itself.
#define KAV_TRANSLATABLE(context, text) text
