#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace olk {

// A fixed array indexed from 1, the way the game numbers seats (1..4), hand
// cells (1..4), deck cells (1..52) and pile cells (1..64). Keeping the game's
// own numbering in the code avoids a whole class of off-by-one slips when
// reading the rules next to it.
template <typename T, int N>
class OneBasedArray {
public:
    static constexpr int size() { return N; }

    constexpr T& operator[](int i)
    {
        assert(i >= 1 && i <= N);
        return m_items[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T& operator[](int i) const
    {
        assert(i >= 1 && i <= N);
        return m_items[static_cast<std::size_t>(i - 1)];
    }

    constexpr auto begin() { return m_items.begin(); }
    constexpr auto end() { return m_items.end(); }
    constexpr auto begin() const { return m_items.begin(); }
    constexpr auto end() const { return m_items.end(); }

    constexpr void fill(const T& value) { m_items.fill(value); }

    friend constexpr bool operator==(const OneBasedArray&, const OneBasedArray&) = default;

private:
    std::array<T, N> m_items{};
};

}  // namespace olk
