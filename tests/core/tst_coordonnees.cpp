// From degrees, minutes and seconds to a locator, and the numbers as the user types them.
#include "centre_locator.h"
#include "vantrel/coordonnees.h"
#include "vantrel/valeur.h"

#include <cmath>
#include <gtest/gtest.h>
#include <locale>
#include <random>
#include <sstream>

namespace vantrel {
namespace {

const FormatNombres Point{"."};

TEST(Encodage, SixCaracteresOuRien) {
    // clang-format off
    const std::pair<PositionDMS, std::optional<std::string>> cas[] = {
        {{"006", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
        {{"2", "20", "14", "Est", "48", "51", "24", "Nord"}, "JN18EU"},
        {{"0", "0", "0", "Ouest", "0", "0", "0", "Sud"}, "JJ00AA"},
        {{"180", "0", "0", "Ouest", "90", "0", "0", "Sud"}, "AA00AA"},
        {{"179", "59", "59", "Est", "89", "59", "59", "Nord"}, "RR99XX"},
        // The closed edges 180° E and 90° N fall in the last field.
        {{"180", "0", "0", "Est", "90", "0", "0", "Nord"}, "RR99XX"},
        // Hemisphere words are compared exactly.
        {{"006", "7", "0", "ouest", "48", "35", "0", "sud"}, "JN38BO"},
        // Minutes carry over; a minus applies to the degrees alone.
        {{"6", "67", "0", "Est", "48", "35", "0", "Nord"}, "JN38NO"},
        {{"-6", "7", "0", "Est", "48", "35", "0", "Nord"}, "IN78BO"},
        {{"6", "7", "0", "Ouest", "48", "35", "0", "Nord"}, "IN68WO"},
        // Boundaries land where the double-precision steps put them.
        {{"6", "30", "0", "Est", "48", "30", "0", "Nord"}, "JN38FL"},
        {{"006", "7", "0", "Est", "48", "35", "0", "Sud"}, "JE31BJ"},
        // Beyond the earth's ranges, or not numbers: no locator.
        {{"180", "0", "1", "Ouest", "0", "0", "0", "Nord"}, std::nullopt},
        {{"0", "0", "0", "Est", "90", "1", "0", "Nord"}, std::nullopt},
        {{"nan", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
        {{"0", "x", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
    };
    // clang-format on
    for (const auto& [position, attendu] : cas) {
        EXPECT_EQ(locator(position, Point), attendu) << position.Dlo << " " << position.Dla;
    }
}

// The centre of a subsquare, from the grid's definition, written in decimal degrees with its
// hemispheres, encodes back to its own locator: every field and square, each axis's subsquare
// taken from the other axis's field and square, so that along each axis every subsquare of every
// field and square comes, and every pair of subsquares.
TEST(AllerRetour, LeCentreDUnLocatorRedonneCeLocator) {
    for (int champ = 0; champ < 18 * 18; ++champ) {
        for (int carre = 0; carre < 100; ++carre) {
            const std::string texte{char('A' + champ / 18),
                                    char('A' + champ % 18),
                                    char('0' + carre / 10),
                                    char('0' + carre % 10),
                                    char('A' + (champ % 18 + carre % 10 * 7) % 24),
                                    char('A' + (champ / 18 + carre / 10 * 7) % 24)};
            const auto [lat, lon] = essais::CentreLocator(texte);
            ASSERT_EQ(locator({std::to_string(std::abs(lon)), "0", "0", lon < 0 ? "Ouest" : "Est",
                               std::to_string(std::abs(lat)), "0", "0", lat < 0 ? "Sud" : "Nord"},
                              Point),
                      texte);
        }
    }
}

// Numbers read as the C library's reader for the same separator reads them: the locale's
// stream reader, over texts built from the characters a user types into a number field.
TEST(Nombres, CommeLeLecteurDeLaLangue) {
#ifdef _WIN32
    GTEST_SKIP() << "MinGW's C++ runtime has no named locale to compare with";
#endif
    // A machine without the French locale fails here rather than skipping it.
    const std::pair<FormatNombres, std::locale> langues[] = {
        {Point, std::locale::classic()}, {FormatNombres{","}, std::locale("fr_FR.UTF-8")}};
    const std::string alphabet = "0123456789.,-+e \t";
    std::mt19937 alea(7);
    for (int i = 0; i < 20000; ++i) {
        std::string texte;
        for (std::size_t n = alea() % 7; n > 0; --n) {
            texte += alphabet[alea() % alphabet.size()];
        }
        // Blanks around a number are the user's; the French reader would take a trailing one
        // for a group separator.
        const auto debut = texte.find_first_not_of(" \t");
        const std::string nu = debut == std::string::npos
                                   ? std::string()
                                   : texte.substr(debut, texte.find_last_not_of(" \t") + 1 - debut);
        for (const auto& [format, langue] : langues) {
            std::istringstream flux(nu);
            flux.imbue(langue);
            double valeur = 0;
            flux >> valeur;
            const auto attendu =
                !flux.fail() && (flux >> std::ws).eof() ? std::optional(valeur) : std::nullopt;
            const auto obtenu = LitNombre(texte, format);
            // Two deliberate differences: no group separators (the French reader takes
            // "9 699"), and a value too small for a double is refused, not read as 0.
            if (nu.find_first_of(" \t") != std::string::npos) {
                EXPECT_EQ(obtenu, std::nullopt) << '"' << texte << '"';
            } else if (!(attendu == 0.0 && nu.find_first_of("123456789") != std::string::npos)) {
                EXPECT_EQ(obtenu, attendu)
                    << '"' << texte << "\" with '" << format.separateurDecimal << "'";
            }
        }
    }
}

// The needle's reading of the azimuth: from the start of the text, blanks skipped wherever they
// stand, "." alone as decimal separator.
TEST(Nombres, LaValeurQuOnDonneALAiguille) {
    // clang-format off
    const std::pair<const char*, double> cas[] = {
        {"", 0}, {"12abc", 12}, {"\t4\n5 ", 45}, {"1 . 5", 1.5}, {"3,5", 3}, {"0.5.5", 0.5},
        {".", 0}, {"-90", -90}, {"+7", 7}, {"4500E-2", 45}, {"1d2", 100}, {"2e+x", 2},
        {"1e999", 0}, {"\r45", 0}, {".25", 0.25}, {"295°", 295}};
    // clang-format on
    for (const auto& [texte, valeur] : cas) {
        EXPECT_EQ(ValeurTexte(texte), valeur) << '"' << texte << '"';
    }
}

} // namespace
} // namespace vantrel
