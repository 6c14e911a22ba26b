#pragma once

#include "data/ByteSpan.h"

#include <string>

// What a file is: one of the instrument's result files or one of the
// program's own documents.
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

// The records a file holds, whether it is a result file or a document.
enum class RecordKind
{
    Opm,
    Kav,
    Orl,
    Trace
};

// Only meaningful for a known kind.
RecordKind RecordKindOf(FileKind kind);
bool IsDocument(FileKind kind);

// The program's own document that the path's ending (in any letter case)
// names, or Unknown.
FileKind DocumentKindOfEnding(const std::string& path);

// The kind of a file from its whole content and its path, in this order: the
// three result-file signatures (a result file may have any name); then the
// document that the ending names, if the length fits that document's layout;
// then the trace mark 165 at bytes 24-27, which a document can hold by chance
// and so comes last.
FileKind RecognizeBytes(ByteSpan bytes, const std::string& path);
