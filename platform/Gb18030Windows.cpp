#include "platform/Gb18030.h"

#include <windows.h>

namespace {
constexpr UINT Gb18030CodePage = 54936;

std::wstring Wide(std::string_view bytes, DWORD flags)
{
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(Gb18030CodePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(Gb18030CodePage, flags, bytes.data(), size, wide.data(), length);
    return wide;
}
} // namespace

bool SystemReadsGb18030()
{
    return IsValidCodePage(Gb18030CodePage) != 0;
}

Gb18030Text Utf8FromGb18030(std::string_view bytes)
{
    Gb18030Text text;
    if (bytes.empty())
        return text;
    if (!SystemReadsGb18030())
        return Gb18030WithoutConverter(bytes);
    std::wstring wide = Wide(bytes, MB_ERR_INVALID_CHARS);
    if (wide.empty()) {
        // Bad sequences become the system's replacement character.
        text.exact = false;
        wide = Wide(bytes, 0);
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return text;
    text.utf8.resize(static_cast<size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.utf8.data(), length, nullptr, nullptr);
    return text;
}
