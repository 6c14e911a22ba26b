#pragma once

#include "ByteSpan.h"

#include <string>

// What a file given on the command line or dropped on the window is, from its
// content: the three result-file signatures, the trace mark 165 at bytes
// 24-27, else by its ending the program's own document of that kind.
enum class FileKind
{
    Unknown,
    OpmResult,
    KavResult,
    OrlResult,
    TraceResult,
    OpmDocument,
    KavDocument,
    OrlDocument,
    TraceDocument
};

struct Recognition
{
    FileKind kind = FileKind::Unknown;
    bool readable = true; // false: the file could not be opened or read
};

Recognition RecognizeFile(const std::string& path);
// The program's own document that the path's ending (in any letter case)
// names, or Unknown.
FileKind DocumentKindOfEnding(const std::string& path);
// The same on the first bytes of the file (28 are enough) and its path.
FileKind RecognizeBytes(ByteSpan head, const std::string& path);
