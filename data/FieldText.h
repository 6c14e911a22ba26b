#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// Text in the records' fixed fields. A field read back from a document may
// lack its terminator, so reading never goes past the field's width.

// The length of the text at `text` up to its first zero byte, at most width.
inline size_t BoundedLength(const char* text, size_t width)
{
    const void* zero = std::memchr(text, 0, width);
    return zero != nullptr ? static_cast<size_t>(static_cast<const char*>(zero) - text) : width;
}

template <size_t Width> std::string FieldText(const char (&field)[Width])
{
    return std::string(field, BoundedLength(field, Width));
}

template <size_t Width> std::string_view FieldView(const char (&field)[Width])
{
    return std::string_view(field, BoundedLength(field, Width));
}

// Copies text cut to fit with its terminator; the rest of the field stays zero.
template <size_t Width> void SetFieldText(char (&field)[Width], const std::string& text)
{
    const size_t length = text.size() < Width - 1 ? text.size() : Width - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, Width - length);
}

// Names of up to 16 characters are kept whole, even in a 16-byte field where
// no terminator is left; longer ones are cut like any other text.
template <size_t Width> void SetFieldName(char (&field)[Width], const std::string& name)
{
    constexpr size_t Limit = Width > 16 ? Width - 1 : Width;
    const size_t length = name.size() < Limit ? name.size() : Limit;
    std::memcpy(field, name.data(), length);
    std::memset(field + length, 0, Width - length);
}
