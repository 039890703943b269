// What the handlers need of the window: its named text fields and its prompts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

/// The window's text fields that the program reads or writes, named as the controls.
enum class Champ {
    MonLocator,
    SonLocator,
    MaLati,
    MaLongi,
    SaLati,
    SaLongi,
    Distance,
    Azimut,
    Dlo,
    Mlo,
    Slo,
    Elo,
    Dla,
    Mla,
    Sla,
    Ela,
    TxtLocator,
};

/// How many fields Champ names: an array indexed by the enum has this size.
inline constexpr std::size_t NombreChampsFenetre = static_cast<std::size_t>(Champ::TxtLocator) + 1;

/// The window seen by the handlers. A write takes effect at once, in program order; writing
/// Azimut redraws the needle even when the text is unchanged. A prompt is a modal message
/// with an OK button; it returns once the user has closed it.
class InterfaceChamps {
public:
    virtual ~InterfaceChamps() = default;

    virtual std::string LitChamp(Champ champ) const = 0;
    virtual void EcritChamp(Champ champ, std::string_view texte) = 0;
    virtual void AfficheMessage(std::string_view invite) = 0;
};

} // namespace vantrel
