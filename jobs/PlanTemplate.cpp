#include "jobs/JobPlan.h"

#include <algorithm>
#include <cctype>

namespace {
// A template that makes more fibres than this is a typing slip.
constexpr size_t LargestPlan = 1000000;

bool IsDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(
               text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsLetter(const std::string& text)
{
    return text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])) != 0;
}

// The texts of one range, first to last either way; an error otherwise.
bool ExpandRange(const std::string& first, const std::string& last, std::vector<std::string>& texts,
                 std::string& error)
{
    if (IsDigits(first) && IsDigits(last) && first.size() <= 9 && last.size() <= 9) {
        const long from = std::stol(first), to = std::stol(last);
        const bool padded = (first.size() > 1 && first[0] == '0') || (last.size() > 1 && last[0] == '0');
        const size_t width = padded ? std::max(first.size(), last.size()) : 0;
        if (static_cast<size_t>(std::labs(to - from)) >= LargestPlan) {
            error = "{" + first + ".." + last + "} makes more than " + std::to_string(LargestPlan) + " names";
            return false;
        }
        for (long n = from;; n += from <= to ? 1 : -1) {
            std::string text = std::to_string(n);
            texts.push_back(std::string(width > text.size() ? width - text.size() : 0, '0') + text);
            if (n == to)
                return true;
        }
    }
    const bool sameCase = IsLetter(first) && IsLetter(last) &&
                          (std::isupper(static_cast<unsigned char>(first[0])) != 0) ==
                              (std::isupper(static_cast<unsigned char>(last[0])) != 0);
    if (!sameCase) {
        error = "{" + first + ".." + last + "} is not a range of numbers or of letters";
        return false;
    }
    for (char c = first[0];; c = static_cast<char>(c + (first[0] <= last[0] ? 1 : -1))) {
        texts.emplace_back(1, c);
        if (c == last[0])
            return true;
    }
}

// Every name a part makes: its literal text with each range in turn.
bool ExpandPart(const std::string& part, std::vector<std::string>& names, std::string& error)
{
    names = {""};
    for (size_t at = 0; at < part.size();) {
        std::vector<std::string> pieces;
        if (part[at] == '}') {
            error = "a \"}\" without its \"{\"";
            return false;
        }
        if (part[at] != '{') {
            const size_t end = part.find_first_of("{}", at);
            pieces.push_back(part.substr(at, end == std::string::npos ? std::string::npos : end - at));
            at = end == std::string::npos ? part.size() : end;
        } else {
            const size_t close = part.find('}', at);
            const size_t dots = part.find("..", at);
            if (close == std::string::npos || dots == std::string::npos || dots > close) {
                error = "a \"{\" without a range {first..last}";
                return false;
            }
            if (!ExpandRange(part.substr(at + 1, dots - at - 1), part.substr(dots + 2, close - dots - 2),
                             pieces, error))
                return false;
            at = close + 1;
        }
        if (names.size() * pieces.size() > LargestPlan) {
            error = "makes more than " + std::to_string(LargestPlan) + " names";
            return false;
        }
        std::vector<std::string> longer;
        longer.reserve(names.size() * pieces.size());
        for (const std::string& name : names)
            for (const std::string& piece : pieces)
                longer.push_back(name + piece);
        names = std::move(longer);
    }
    return true;
}
} // namespace

PlanReading PlanFromTemplate(const std::string& text)
{
    PlanReading reading;
    const size_t slash = text.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == text.size()) {
        reading.error = "a template is CABLE/FIBER, such as CAB-{01..12}/F{001..144}";
        return reading;
    }
    std::vector<std::string> cables, fibers;
    if (!ExpandPart(text.substr(0, slash), cables, reading.error) ||
        !ExpandPart(text.substr(slash + 1), fibers, reading.error))
        return reading;
    if (cables.size() * fibers.size() > LargestPlan) {
        reading.error = "the template makes more than " + std::to_string(LargestPlan) + " fibres";
        return reading;
    }
    JobPlan plan{{}, "the template " + text};
    for (const std::string& cable : cables)
        for (const std::string& fiber : fibers)
            plan.fibres.push_back({cable, fiber});
    reading.plan = std::move(plan);
    return reading;
}
