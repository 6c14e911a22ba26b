#pragma once

#include <cstdint>

// 1 while the KAV tab is selected, otherwise not 1; the Edit menu's
// information commands are enabled exactly while it is 1.
extern int32_t g_KavTabActive;
