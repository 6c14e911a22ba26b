#pragma once

// The data layer reaching up into the views: the check must refuse it.
#include "views/Page.h"
