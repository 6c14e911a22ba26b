#pragma once

#include <array>
#include <cstddef>

// Where an output places a table's columns: each column has a place from 0
// for the leftmost, or none.
constexpr int NotPlaced = -1;

// The columns' indices by their place (`placeOf` gives a column's); places
// past the last column placed hold NotPlaced.
template <typename Column, size_t N, typename PlaceOf>
constexpr std::array<int, N> OrderOf(const std::array<Column, N>& columns, PlaceOf placeOf)
{
    std::array<int, N> order{};
    for (size_t place = 0; place < N; ++place)
        order[place] = NotPlaced;
    for (size_t c = 0; c < N; ++c) {
        const int place = placeOf(columns[c]);
        if (place >= 0 && static_cast<size_t>(place) < N)
            order[static_cast<size_t>(place)] = static_cast<int>(c);
    }
    return order;
}

// Whether the places run 0, 1, 2, ... with neither gaps nor repeats, columns
// without one aside.
template <typename Column, size_t N, typename PlaceOf>
constexpr bool IsOrder(const std::array<Column, N>& columns, PlaceOf placeOf)
{
    int placed = 0;
    for (const Column& column : columns)
        placed += placeOf(column) != NotPlaced ? 1 : 0;
    for (int place = 0; place < placed; ++place) {
        int holders = 0;
        for (const Column& column : columns)
            holders += placeOf(column) == place ? 1 : 0;
        if (holders != 1)
            return false;
    }
    return true;
}
