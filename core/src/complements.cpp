#include "vantrel/complements.h"

#include "vantrel/constantes.h"
#include "vantrel/distance.h"
#include "vantrel/hemispheres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vantrel {

namespace {

constexpr std::array<std::string_view, 16> PointsCardinaux = {
    "N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
    "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO",
};

constexpr double SecteurCardinal = TourComplet / PointsCardinaux.size();

constexpr std::string_view Aucun = "—";

} // namespace

std::string NotationUsuelle(std::int16_t degres, double minutes, bool latitude) {
    // Centres of subsquares fall on whole seconds (their minutes are multiples of 1.25').
    const long secondes = std::lround(degres * 3600.0 + minutes * 60);
    const long absolues = std::labs(secondes);
    std::array<char, 16> decimal{};
    std::to_chars(decimal.data(), decimal.data() + decimal.size() - 1, absolues / 3600.0,
                  std::chars_format::fixed, 4);
    std::string degresDecimaux(decimal.data());
    std::ranges::replace(degresDecimaux, '.', ','); // the French decimal comma
    const bool negatif = secondes < 0;
    return std::to_string(absolues / 3600) + "° " + std::to_string(absolues / 60 % 60) + "' " +
           std::to_string(absolues % 60) + "\" " +
           std::string(latitude ? (negatif ? hemisphere::Sud : hemisphere::Nord)
                                : (negatif ? hemisphere::Ouest : hemisphere::Est)) +
           " (" + (negatif ? "−" : "") + degresDecimaux + "°)";
}

long long DistanceCheminLong(double cheminCourt) {
    return ArrondiDistance(CirconferenceTerre - cheminCourt);
}

int AzimutCheminLong(int azimut) {
    const int tour = static_cast<int>(TourComplet);
    return ((azimut + tour / 2) % tour + tour) % tour;
}

long long Milles(double cheminCourt) {
    return ArrondiDistance(cheminCourt * MillesParKilometre);
}

std::string_view PointCardinal(double azimut) {
    const double secteur = std::floor(azimut / SecteurCardinal + 0.5);
    const auto n = static_cast<long long>(PointsCardinaux.size());
    return PointsCardinaux[static_cast<std::size_t>(((static_cast<long long>(secteur) % n) + n) %
                                                    n)];
}

TextesComplements DecritCalcul(const std::optional<Chemin>& chemin) {
    if (!chemin) {
        return {{}, {}, "Aiguille à 0 degrés"};
    }
    const int degres = chemin->azimut;
    const double court = KilometresCheminCourt(chemin->AngleDist);
    const std::string kilometres = std::to_string(chemin->kilometres);
    const std::string point(PointCardinal(degres));
    const bool confondus = chemin->AngleDist == 0;
    const int inverse = AzimutCheminLong(degres);
    const std::string pointInverse(PointCardinal(inverse));
    const std::string kilometresLong = std::to_string(DistanceCheminLong(court));

    TextesComplements textes;
    textes.distance =
        kilometres + " km (" + std::to_string(Milles(court)) +
        " milles) — chemin long : " + (confondus ? std::string(Aucun) : kilometresLong + " km");
    textes.azimut =
        std::to_string(degres) + "° " + point + " — chemin long : " +
        (confondus ? std::string(Aucun) : std::to_string(inverse) + "° " + pointInverse);
    textes.description =
        "Aiguille à " + std::to_string(degres) + " degrés, " + point + ", pour " + kilometres +
        " kilomètres" +
        (confondus ? std::string(" ; pas de chemin long")
                   : " ; chemin long à " + std::to_string(inverse) + " degrés, " + pointInverse +
                         ", pour " + kilometresLong + " kilomètres");
    return textes;
}

} // namespace vantrel
