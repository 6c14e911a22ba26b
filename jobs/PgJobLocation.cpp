#include "jobs/PgJobLocation.h"

#include <cctype>
#include <utility>
#include <vector>

namespace {
using Pairs = std::vector<std::pair<std::string, std::string>>;

bool IsUri(const std::string& location)
{
    for (const char* scheme : {"postgresql://", "postgres://"})
        if (location.rfind(scheme, 0) == 0)
            return true;
    return false;
}

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// key = value pairs as libpq reads them: a value in single quotes may hold
// spaces, with \' and \\ for a quote and a backslash.
std::optional<Pairs> ReadPairs(const std::string& text)
{
    Pairs pairs;
    size_t i = 0;
    const auto skipSpaces = [&] {
        while (i < text.size() && IsSpace(text[i]))
            ++i;
    };
    for (skipSpaces(); i < text.size(); skipSpaces()) {
        std::string key;
        while (i < text.size() && text[i] != '=' && !IsSpace(text[i]))
            key += text[i++];
        skipSpaces();
        if (key.empty() || i >= text.size() || text[i] != '=')
            return std::nullopt;
        ++i;
        skipSpaces();
        std::string value;
        if (i < text.size() && text[i] == '\'') {
            for (++i; i < text.size() && text[i] != '\''; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                value += text[i];
            }
            if (i >= text.size())
                return std::nullopt;
            ++i;
        } else {
            while (i < text.size() && !IsSpace(text[i])) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                value += text[i++];
            }
        }
        pairs.emplace_back(std::move(key), std::move(value));
    }
    return pairs;
}

std::string WritePairs(const Pairs& pairs)
{
    std::string text;
    for (const auto& [key, value] : pairs) {
        text += (text.empty() ? "" : " ") + key + "='";
        for (const char c : value) {
            if (c == '\'' || c == '\\')
                text += '\\';
            text += c;
        }
        text += '\'';
    }
    return text;
}

// A URI query's value: what is not plainly safe is percent-encoded.
std::string PercentEncoded(const std::string& text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || c == '-' || c == '_' || c == '.' || c == '~')
            encoded += c;
        else
            encoded += {'%', Hex[byte >> 4], Hex[byte & 15]};
    }
    return encoded;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(const std::string& text)
{
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// The URI's query without the parameters `drop` names; the job's name
// where `job` is given.
std::string QueryWithout(const std::string& query, const std::vector<std::string>& drop, std::string* job)
{
    std::string kept;
    size_t start = 0;
    while (start <= query.size()) {
        size_t end = query.find('&', start);
        if (end == std::string::npos)
            end = query.size();
        const std::string parameter = query.substr(start, end - start);
        const std::string key = parameter.substr(0, parameter.find('='));
        bool dropped = false;
        for (const std::string& name : drop)
            dropped = dropped || key == name;
        if (key == "job" && job != nullptr && parameter.size() > key.size())
            *job = PercentDecoded(parameter.substr(key.size() + 1));
        if (!dropped && !parameter.empty())
            kept += (kept.empty() ? "" : "&") + parameter;
        start = end + 1;
    }
    return kept;
}

// The URI without the parameters `drop` names, and without its password
// where `hidePassword`.
std::string UriWithout(const std::string& uri, const std::vector<std::string>& drop, bool hidePassword,
                       std::string* job)
{
    const size_t authority = uri.find("://") + 3;
    const size_t question = uri.find('?', authority);
    std::string head = uri.substr(0, question);
    if (hidePassword) {
        const size_t path = head.find('/', authority);
        const size_t at = head.rfind('@', path);
        if (at != std::string::npos && at >= authority) {
            const size_t colon = head.find(':', authority);
            if (colon != std::string::npos && colon < at)
                head.erase(colon, at - colon);
        }
    }
    if (question == std::string::npos)
        return head;
    const std::string query = QueryWithout(uri.substr(question + 1), drop, job);
    return query.empty() ? head : head + "?" + query;
}

bool HasKey(const Pairs& pairs, const std::string& key)
{
    for (const auto& pair : pairs)
        if (pair.first == key)
            return true;
    return false;
}
} // namespace

bool IsPgJobLocation(const std::string& location)
{
    if (IsUri(location))
        return true;
    const std::optional<Pairs> pairs = ReadPairs(location);
    return pairs && HasKey(*pairs, "job");
}

std::optional<PgJobLocation> ParsePgJobLocation(const std::string& location)
{
    PgJobLocation parsed;
    if (IsUri(location)) {
        parsed.conninfo = UriWithout(location, {"job"}, false, &parsed.job);
        return parsed;
    }
    std::optional<Pairs> pairs = ReadPairs(location);
    if (!pairs)
        return std::nullopt;
    Pairs kept;
    for (auto& pair : *pairs)
        if (pair.first == "job")
            parsed.job = pair.second;
        else
            kept.push_back(std::move(pair));
    parsed.conninfo = WritePairs(kept);
    return parsed;
}

std::string PgJobLocationOf(const std::string& conninfo, const std::string& job)
{
    if (IsUri(conninfo))
        return conninfo + (conninfo.find('?') == std::string::npos ? "?" : "&") +
               "job=" + PercentEncoded(job);
    // A string libpq would not read stays as it was given, to be refused
    // as such when it is opened.
    const std::optional<Pairs> pairs = ReadPairs(conninfo);
    const std::string named = WritePairs({{"job", job}});
    return pairs ? WritePairs(*pairs) + (pairs->empty() ? "" : " ") + named : conninfo + " " + named;
}

std::string PgJobLocationShown(const std::string& location)
{
    if (IsUri(location))
        return UriWithout(location, {"password"}, true, nullptr);
    const std::optional<Pairs> pairs = ReadPairs(location);
    if (!pairs)
        return location;
    Pairs kept;
    for (const auto& pair : *pairs)
        if (pair.first != "password")
            kept.push_back(pair);
    return WritePairs(kept);
}
