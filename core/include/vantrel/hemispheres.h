// The four hemisphere words, named once: the window's two lists offer them, the locator reads
// the chosen ones, and every coordinate shown ends with one.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace vantrel::hemisphere {

inline constexpr std::string_view Nord = "Nord";
inline constexpr std::string_view Sud = "Sud";
inline constexpr std::string_view Est = "Est";
inline constexpr std::string_view Ouest = "Ouest";

/// The items of the longitude list and of the latitude list, in their order.
inline constexpr std::array Longitude{Est, Ouest};
inline constexpr std::array Latitude{Nord, Sud};

/// Whether a text is, to the letter, one of a list's words.
template <std::size_t N>
constexpr bool EstUnDe(const std::array<std::string_view, N>& mots, std::string_view texte) {
    return std::ranges::find(mots, texte) != mots.end();
}

} // namespace vantrel::hemisphere
