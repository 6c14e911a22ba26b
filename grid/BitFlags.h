#pragma once

#include <type_traits>

// Set operations for scoped enums whose values are bits. An enum takes part by
// specialising BitFlagsEnabled; every other enum keeps the plain scoped rules,
// so a mode cannot be or-ed by mistake.
template <typename Enum> struct BitFlagsEnabled : std::false_type
{
};

template <typename Enum, typename Result = Enum>
using IfBitFlags = std::enable_if_t<BitFlagsEnabled<Enum>::value, Result>;

template <typename Enum> constexpr IfBitFlags<Enum, std::underlying_type_t<Enum>> BitsOf(Enum flags)
{
    return static_cast<std::underlying_type_t<Enum>>(flags);
}

template <typename Enum> constexpr IfBitFlags<Enum> operator|(Enum a, Enum b)
{
    return static_cast<Enum>(BitsOf(a) | BitsOf(b));
}

template <typename Enum> constexpr IfBitFlags<Enum> operator&(Enum a, Enum b)
{
    return static_cast<Enum>(BitsOf(a) & BitsOf(b));
}

// The complement stays within the underlying type, so a narrow enum compares
// equal to its own bits after a round trip.
template <typename Enum> constexpr IfBitFlags<Enum> operator~(Enum a)
{
    return static_cast<Enum>(static_cast<std::underlying_type_t<Enum>>(~BitsOf(a)));
}

template <typename Enum> constexpr IfBitFlags<Enum, Enum&> operator|=(Enum& a, Enum b)
{
    return a = a | b;
}

template <typename Enum> constexpr IfBitFlags<Enum, Enum&> operator&=(Enum& a, Enum b)
{
    return a = a & b;
}

// True when every bit of flags is set in value.
template <typename Enum> constexpr IfBitFlags<Enum, bool> Has(Enum value, Enum flags)
{
    return (BitsOf(value) & BitsOf(flags)) == BitsOf(flags);
}
