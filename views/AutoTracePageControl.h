#pragma once

#include "views/AutoTraceControl.h"

#include <string>

class HidTransport;

// The real AUTOTRACE page, talking to the instrument over `transport`;
// `program` names the program and its version in its logs and certificates,
// which follow the remembered report options.
AutoTraceFactory MakeAutoTracePageFactory(std::shared_ptr<HidTransport> transport,
                                          const std::string& program = "kav");
