#include "views/KavTabActive.h"

int32_t g_KavTabActive = 0;
