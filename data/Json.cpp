#include "data/Json.h"

#include "data/TextEncoding.h"
#include "platform/DecimalText.h"
#include "platform/files/QuotedName.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_set>

JsonValue JsonValue::Number(double value)
{
    JsonValue v;
    v.type = Type::Number;
    v.number = value;
    return v;
}

JsonValue JsonValue::NumberLiteral(std::string literal)
{
    JsonValue v;
    v.type = Type::Number;
    size_t length = 0;
    v.number = ReadDecimal(literal, length).value_or(0.0);
    v.text = std::move(literal);
    return v;
}

JsonValue JsonValue::String(std::string value)
{
    JsonValue v;
    v.type = Type::String;
    v.text = std::move(value);
    return v;
}

JsonValue JsonValue::Object()
{
    JsonValue v;
    v.type = Type::Object;
    return v;
}

JsonValue& JsonValue::Add(std::string key, JsonValue value)
{
    members.push_back(JsonMember{std::move(key), std::move(value)});
    return members.back().value;
}

namespace {
constexpr int MaxDepth = 64;

class Parser
{
public:
    explicit Parser(std::string_view text) : m_Text(text) {}

    JsonParseResult Run()
    {
        if (m_Text.substr(0, 3) == "\xEF\xBB\xBF")
            m_At = 3;
        JsonParseResult result;
        JsonValue value;
        SkipSpace();
        if (Value(value, 0)) {
            SkipSpace();
            if (m_At == m_Text.size())
                result.value = std::move(value);
            else
                Fail("more text after the end of the JSON value");
        }
        result.error = m_Error;
        return result;
    }

private:
    bool Fail(const std::string& what)
    {
        if (!m_Error.empty())
            return false;
        size_t line = 1, column = 1;
        for (size_t i = 0; i < m_At && i < m_Text.size(); ++i) {
            const bool newLine = m_Text[i] == '\n';
            line += newLine;
            column = newLine ? 1 : column + 1;
        }
        m_Error = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
        return false;
    }

    bool AtEnd() const { return m_At >= m_Text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_Text[m_At]; }

    void SkipSpace()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
            ++m_At;
    }

    bool Value(JsonValue& out, int depth)
    {
        if (AtEnd())
            return Fail("a value was expected, the text ends");
        switch (Peek()) {
        case '{':
            return depth < MaxDepth ? Object(out, depth + 1) : Fail("nested too deeply");
        case '[':
            return depth < MaxDepth ? Array(out, depth + 1) : Fail("nested too deeply");
        case '"':
            out.type = JsonValue::Type::String;
            return String(out.text);
        case 't':
            out.type = JsonValue::Type::Boolean;
            out.boolean = true;
            return Word("true");
        case 'f':
            out.type = JsonValue::Type::Boolean;
            return Word("false");
        case 'n':
            return Word("null");
        default: {
            out.type = JsonValue::Type::Number;
            const size_t start = m_At;
            if (!Number(out.number))
                return false;
            out.text.assign(m_Text.substr(start, m_At - start));
            return true;
        }
        }
    }

    bool Word(std::string_view word)
    {
        if (m_Text.substr(m_At, word.size()) != word)
            return Fail("a value was expected");
        m_At += word.size();
        return true;
    }

    bool Object(JsonValue& out, int depth)
    {
        out.type = JsonValue::Type::Object;
        ++m_At; // {
        SkipSpace();
        if (Peek() == '}') {
            ++m_At;
            return true;
        }
        // The keys so far, so that a file of many keys takes no longer to
        // check than to read.
        std::unordered_set<std::string> keys;
        for (;;) {
            SkipSpace();
            if (Peek() != '"')
                return Fail("a key in double quotes was expected");
            const size_t keyAt = m_At;
            std::string key;
            if (!String(key))
                return false;
            if (!keys.insert(key).second) {
                m_At = keyAt;
                return Fail("the key " + QuotedName(key) + " is given twice");
            }
            SkipSpace();
            if (Peek() != ':')
                return Fail("':' was expected after the key");
            ++m_At;
            SkipSpace();
            JsonValue& value = out.Add(std::move(key), JsonValue());
            if (!Value(value, depth))
                return false;
            SkipSpace();
            if (Peek() == '}') {
                ++m_At;
                return true;
            }
            if (Peek() != ',')
                return Fail("',' or '}' was expected");
            ++m_At;
        }
    }

    bool Array(JsonValue& out, int depth)
    {
        out.type = JsonValue::Type::Array;
        ++m_At; // [
        SkipSpace();
        if (Peek() == ']') {
            ++m_At;
            return true;
        }
        for (;;) {
            SkipSpace();
            out.items.emplace_back();
            if (!Value(out.items.back(), depth))
                return false;
            SkipSpace();
            if (Peek() == ']') {
                ++m_At;
                return true;
            }
            if (Peek() != ',')
                return Fail("',' or ']' was expected");
            ++m_At;
        }
    }

    bool Hex4(uint32_t& code)
    {
        code = 0;
        for (int i = 0; i < 4; ++i, ++m_At) {
            const char c = Peek();
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return Fail("\\u needs four hexadecimal digits");
            code = code * 16 + static_cast<uint32_t>(digit);
        }
        return true;
    }

    bool Escape(std::string& out)
    {
        ++m_At; // the backslash
        const char c = Peek();
        ++m_At;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            break;
        default:
            --m_At;
            return Fail("unknown escape in a string");
        }
        uint32_t code;
        if (!Hex4(code))
            return false;
        if (code >= 0xDC00 && code <= 0xDFFF)
            return Fail("a lone low surrogate in a string");
        if (code >= 0xD800 && code <= 0xDBFF) {
            uint32_t low;
            if (m_Text.substr(m_At, 2) != "\\u")
                return Fail("a high surrogate without its low surrogate");
            m_At += 2;
            if (!Hex4(low))
                return false;
            if (low < 0xDC00 || low > 0xDFFF)
                return Fail("a high surrogate without its low surrogate");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    bool String(std::string& out)
    {
        ++m_At; // the opening quote
        for (;;) {
            if (AtEnd())
                return Fail("a string is not closed");
            const char c = Peek();
            if (c == '"') {
                ++m_At;
                return true;
            }
            if (c == '\\') {
                if (!Escape(out))
                    return false;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return Fail("a control character in a string");
            const size_t start = m_At;
            if (!NextCodePoint(m_Text, m_At))
                return Fail("text that is not UTF-8");
            out.append(m_Text.substr(start, m_At - start));
        }
    }

    bool Digits()
    {
        const size_t start = m_At;
        while (Peek() >= '0' && Peek() <= '9')
            ++m_At;
        return m_At != start;
    }

    bool Number(double& out)
    {
        const size_t start = m_At;
        if (Peek() == '-')
            ++m_At;
        if (Peek() == '0')
            ++m_At;
        else if (!Digits())
            return Fail("a value was expected");
        if (Peek() == '.') {
            ++m_At;
            if (!Digits())
                return Fail("digits were expected after the decimal point");
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++m_At;
            if (Peek() == '+' || Peek() == '-')
                ++m_At;
            if (!Digits())
                return Fail("digits were expected in the exponent");
        }
        size_t length = 0;
        const std::optional<double> parsed = ReadDecimal(m_Text.substr(start, m_At - start), length);
        if (!parsed) {
            m_At = start;
            return Fail("a number beyond the range of a double");
        }
        out = *parsed;
        return true;
    }

    std::string_view m_Text;
    size_t m_At = 0;
    std::string m_Error;
};

// \u and four lowercase hexadecimal digits of a UTF-16 code unit.
void AppendEscape(std::string& out, uint32_t unit)
{
    const char* const digits = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[(unit >> shift) & 0xF];
}

void AppendIndent(std::string& out, int depth)
{
    out.append(static_cast<size_t>(depth) * 2, ' ');
}

void AppendValue(std::string& out, const JsonValue& value, int depth)
{
    switch (value.type) {
    case JsonValue::Type::Null:
        out += "null";
        break;
    case JsonValue::Type::Boolean:
        out += value.boolean ? "true" : "false";
        break;
    case JsonValue::Type::Number:
        if (value.text.empty())
            AppendJsonNumber(out, value.number);
        else
            out += value.text;
        break;
    case JsonValue::Type::String:
        AppendJsonString(out, value.text);
        break;
    case JsonValue::Type::Array:
        if (value.items.empty()) {
            out += "[]";
            break;
        }
        out += "[\n";
        for (size_t i = 0; i < value.items.size(); ++i) {
            AppendIndent(out, depth + 1);
            AppendValue(out, value.items[i], depth + 1);
            out += i + 1 < value.items.size() ? ",\n" : "\n";
        }
        AppendIndent(out, depth);
        out += ']';
        break;
    case JsonValue::Type::Object:
        if (value.members.empty()) {
            out += "{}";
            break;
        }
        out += "{\n";
        for (size_t i = 0; i < value.members.size(); ++i) {
            AppendIndent(out, depth + 1);
            AppendJsonString(out, value.members[i].key);
            out += ": ";
            AppendValue(out, value.members[i].value, depth + 1);
            out += i + 1 < value.members.size() ? ",\n" : "\n";
        }
        AppendIndent(out, depth);
        out += '}';
        break;
    }
}
} // namespace

JsonParseResult ParseJson(std::string_view text)
{
    return Parser(text).Run();
}

std::string JsonDocument(const JsonValue& value)
{
    std::string out;
    AppendValue(out, value, 0);
    return out + "\n";
}

void AppendJsonString(std::string& out, std::string_view utf8)
{
    out += '"';
    for (size_t at = 0; at < utf8.size();) {
        const char c = utf8[at];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
            ++at;
            continue;
        }
        const std::optional<uint32_t> code = NextCodePoint(utf8, at);
        if (!code) {
            AppendEscape(out, 0xFFFD); // stands for a byte that is not UTF-8
            ++at;
        } else if (*code >= 0x20 && *code < 0x7F) {
            out += static_cast<char>(*code);
        } else if (*code < 0x10000) {
            AppendEscape(out, *code);
        } else {
            AppendEscape(out, 0xD800 + ((*code - 0x10000) >> 10));
            AppendEscape(out, 0xDC00 + ((*code - 0x10000) & 0x3FF));
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) {
        out += "null"; // JSON has no such numbers
        return;
    }
    char text[32];
    const std::to_chars_result printed = std::to_chars(text, text + sizeof text, value);
    out.append(text, static_cast<size_t>(printed.ptr - text));
}
