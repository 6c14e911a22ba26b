#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// JSON for the small files a user keeps beside the program (limit files,
// header files): a reader that accepts strict JSON in UTF-8 only, so that a
// mistyped file is refused rather than half understood, and a writer of the
// same. Strings hold UTF-8.

struct JsonMember;

struct JsonValue
{
    enum class Type
    {
        Null,
        Boolean,
        Number,
        String,
        Array,
        Object
    };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    // A string's UTF-8; a number's literal as it stood in the text, which the
    // writer writes back as it stands (empty: the shortest form of number).
    std::string text;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members; // in the file's order; keys are unique

    static JsonValue Number(double value);
    // A number written as `literal`, which must be a JSON number.
    static JsonValue NumberLiteral(std::string literal);
    static JsonValue String(std::string value);
    static JsonValue Object();
    // Appends a member to an object.
    JsonValue& Add(std::string key, JsonValue value);
};

struct JsonMember
{
    std::string key;
    JsonValue value;
};

struct JsonParseResult
{
    std::optional<JsonValue> value; // nothing: refused
    std::string error;              // where and why: "line 3, column 7: ..."
};

// One JSON value with white space around it; a UTF-8 byte order mark at the
// start is skipped. Refused: anything else after the value, a duplicate key,
// text that is not UTF-8, a number beyond a double, nesting deeper than 64.
JsonParseResult ParseJson(std::string_view text);

// The value as a file: one member or item per line, indented by two spaces,
// with a line feed after the last line.
std::string JsonDocument(const JsonValue& value);

// A string literal, in plain ASCII: quotes, backslashes, control characters
// and everything beyond ASCII are written as escapes.
void AppendJsonString(std::string& out, std::string_view utf8);

// The shortest text that reads back as the same double; null for infinities
// and NaN, which JSON cannot write.
void AppendJsonNumber(std::string& out, double value);
