#include "FileKind.h"

#include "ByteReader.h"
#include "FileBytes.h"
#include "ResultFrame.h"
#include "TraceFile.h"

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
} // namespace

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

FileKind RecognizeBytes(ByteSpan head, const std::string& path)
{
    if (HasSignature(head, OpmSignature))
        return FileKind::OpmResult;
    if (HasSignature(head, KavSignature))
        return FileKind::KavResult;
    if (HasSignature(head, OrlSignature))
        return FileKind::OrlResult;
    if (head.size >= TraceHeaderSize && ByteReader(head, 24).U32() == TraceMark)
        return FileKind::TraceResult;
    return DocumentKindOfEnding(path);
}

Recognition RecognizeFile(const std::string& path)
{
    Recognition recognition;
    const FileBytes file = ReadFileBytes(path, TraceHeaderSize);
    if (!file.opened) {
        recognition.readable = false;
        return recognition;
    }
    recognition.kind = RecognizeBytes({file.bytes.data(), file.bytes.size()}, path);
    return recognition;
}
