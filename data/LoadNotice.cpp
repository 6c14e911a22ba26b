#include "data/LoadNotice.h"

std::string FilledIn(const LoadNotice& notice)
{
    if (notice.Empty())
        return "";
    std::string text = notice.pattern;
    for (size_t k = notice.values.size(); k >= 1; --k) {
        const std::string mark = "%" + std::to_string(k);
        const std::string value = std::to_string(notice.values[k - 1]);
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    }
    return text;
}
