#include "data/FileKind.h"

#include "data/RecordKinds.h"
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

} // namespace

RecordKind RecordKindOf(FileKind kind)
{
    const RecordKindData* data = DataOfFile(kind);
    return data ? data->kind : RecordKind::Opm;
}

bool IsDocument(FileKind kind)
{
    const RecordKindData* data = DataOfFile(kind);
    return data && data->document == kind;
}

FileKind DocumentKindOfEnding(const std::string& path)
{
    for (const RecordKindData& data : RecordKindTable())
        if (EndsWithIgnoringCase(path, data.documentEnding))
            return data.document;
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
    if (named != FileKind::Unknown && DataOfFile(named)->fitsDocument(bytes))
        return named;
    if (HasTraceMark(bytes))
        return FileKind::TraceResult;
    return FileKind::Unknown;
}
