#include "data/FileKind.h"

#include "data/Documents.h"
#include "data/ResultFrame.h"
#include "data/TraceFile.h"

#include <algorithm>
#include <cctype>

namespace {
bool EndsWithIgnoringCase(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool FitsDocument(FileKind kind, ByteSpan bytes)
{
    switch (kind) {
    case FileKind::OpmDocument:
        return FitsOpmDocument(bytes);
    case FileKind::KavDocument:
        return FitsKavDocument(bytes);
    case FileKind::OrlDocument:
        return FitsOrlDocument(bytes);
    case FileKind::TraceDocument:
        return FitsTraceDocument(bytes);
    default:
        return false;
    }
}
} // namespace

RecordKind RecordKindOf(FileKind kind)
{
    switch (kind) {
    case FileKind::KavResult:
    case FileKind::KavDocument:
        return RecordKind::Kav;
    case FileKind::OrlResult:
    case FileKind::OrlDocument:
        return RecordKind::Orl;
    case FileKind::TraceResult:
    case FileKind::TraceDocument:
        return RecordKind::Trace;
    default:
        return RecordKind::Opm;
    }
}

bool IsDocument(FileKind kind)
{
    return kind == FileKind::OpmDocument || kind == FileKind::KavDocument || kind == FileKind::OrlDocument ||
           kind == FileKind::TraceDocument;
}

FileKind DocumentKindOfEnding(const std::string& path)
{
    if (EndsWithIgnoringCase(path, ".opm"))
        return FileKind::OpmDocument;
    if (EndsWithIgnoringCase(path, ".orl"))
        return FileKind::OrlDocument;
    if (EndsWithIgnoringCase(path, ".kav"))
        return FileKind::KavDocument;
    if (EndsWithIgnoringCase(path, ".trace"))
        return FileKind::TraceDocument;
    return FileKind::Unknown;
}

FileKind RecognizeBytes(ByteSpan bytes, const std::string& path)
{
    if (HasSignature(bytes, OpmSignature))
        return FileKind::OpmResult;
    if (HasSignature(bytes, KavSignature))
        return FileKind::KavResult;
    if (HasSignature(bytes, OrlSignature))
        return FileKind::OrlResult;
    const FileKind named = DocumentKindOfEnding(path);
    if (FitsDocument(named, bytes))
        return named;
    if (HasTraceMark(bytes))
        return FileKind::TraceResult;
    return FileKind::Unknown;
}
