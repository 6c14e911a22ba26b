#pragma once

#include <string>

// A file name as a message on a terminal shows it, quoted the way GNU tools
// quote names (ls, cp): as it is when it holds only letters, digits and
// characters a shell leaves alone; otherwise in single quotes, with a single
// quote and every control character written outside them as a shell reads
// it back ('a'$'\n''b'). So a name can never end a line or send the
// terminal an escape sequence, and each failure stays one line. Names are
// UTF-8; a byte that is not is written as an octal escape.
std::string QuotedName(const std::string& name);
