#include "data/HeaderFile.h"

#include "data/Json.h"
#include "data/SmallFile.h"
#include "data/TextEncoding.h"
#include "platform/files/QuotedName.h"
#include "platform/files/SafeFileWriter.h"

const char* const HeaderFileEnding = ".kavheader";

namespace {
// Twenty short fields take a few kilobytes; a larger file is not one.
constexpr size_t LargestHeaderFile = 1 << 16;

const InfoFieldInfo* FieldNamed(const std::string& name)
{
    for (const InfoFieldInfo& info : InfoFieldTable)
        if (name == info.name)
            return &info;
    return nullptr;
}

size_t CharacterCount(std::string_view utf8)
{
    size_t count = 0;
    for (size_t at = 0; at < utf8.size(); ++count)
        if (!NextCodePoint(utf8, at))
            ++at;
    return count;
}

HeaderFileResult Refused(std::string error)
{
    HeaderFileResult result;
    result.error = std::move(error);
    return result;
}
} // namespace

HeaderFileResult ParseHeaderFile(std::string_view text)
{
    const JsonParseResult parsed = ParseJson(text);
    if (!parsed.value)
        return Refused(parsed.error);
    if (parsed.value->type != JsonValue::Type::Object)
        return Refused("a JSON object of the header's fields was expected");
    InfoFields fields;
    for (const JsonMember& member : parsed.value->members) {
        const InfoFieldInfo* info = FieldNamed(member.key);
        if (!info)
            return Refused(QuotedName(member.key) + ": not a field of the report's header");
        if (member.value.type != JsonValue::Type::String)
            return Refused(QuotedName(member.key) + ": a string was expected");
        if (CharacterCount(member.value.text) > static_cast<size_t>(info->limit))
            return Refused(QuotedName(member.key) + ": longer than the " + std::to_string(info->limit) +
                           " characters the field takes");
        if (info->field == &InfoFields::ReferenceMethod && !IsReferenceMethod(member.value.text))
            return Refused("\"" + member.key + "\": 1, 2 or 3 (the jumpers of the reference) was expected");
        fields.*info->field = member.value.text;
    }
    HeaderFileResult result;
    result.fields = std::move(fields);
    return result;
}

HeaderFileResult ReadHeaderFile(const std::string& path)
{
    const SmallFileText file = ReadSmallFile(path, LargestHeaderFile, "header file");
    return file.text ? ParseHeaderFile(*file.text) : Refused(file.error);
}

std::string HeaderFileBytes(const InfoFields& fields)
{
    JsonValue root = JsonValue::Object();
    for (const InfoFieldInfo& info : InfoFieldTable)
        root.Add(info.name, JsonValue::String(fields.*info.field));
    return JsonDocument(root);
}

WriteResult SaveHeaderFile(const std::string& path, const InfoFields& fields)
{
    return WriteFileSafely(path, HeaderFileBytes(fields));
}
