#include "platform/Gb18030.h"

#include <iconv.h>

#include <cerrno>

namespace {
constexpr const char* Replacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

// One converter per thread, opened at first use: opening one costs more
// than converting a name.
class Converter
{
public:
    Converter() : m_Handle(iconv_open("UTF-8", "GB18030")) {}
    ~Converter()
    {
        if (Usable())
            iconv_close(m_Handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Usable() const
    {
        // iconv_open's failure is this cast, as the C library defines it.
        return m_Handle != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }
    iconv_t Handle() const { return m_Handle; }

private:
    iconv_t m_Handle;
};
} // namespace

bool SystemReadsGb18030()
{
    thread_local Converter converter;
    return converter.Usable();
}

Gb18030Text Utf8FromGb18030(std::string_view bytes)
{
    thread_local Converter converter;
    if (!converter.Usable())
        return Gb18030WithoutConverter(bytes);
    Gb18030Text text;
    iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);
    // A GB18030 character of at most four bytes is at most four in UTF-8.
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* to = out.data();
    size_t toLeft = out.size();
    while (inLeft > 0) {
        if (iconv(converter.Handle(), &in, &inLeft, &to, &toLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte that starts no character, or a character cut off at the end.
        text.exact = false;
        for (const char* r = Replacement; *r != '\0'; ++r, --toLeft)
            *to++ = *r;
        ++in;
        --inLeft;
        iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - toLeft);
    text.utf8 = std::move(out);
    return text;
}
