#pragma once

#include "views/AutoTraceControl.h"

class HidTransport;

// The real AUTOTRACE page, talking to the instrument over `transport`.
AutoTraceFactory MakeAutoTracePageFactory(std::shared_ptr<HidTransport> transport);
