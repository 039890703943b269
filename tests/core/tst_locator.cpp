// A locator text: the keystroke rule, the check and its prompts, and the display texts of an
// accepted locator.
#include "textes_du_programme.h"
#include "vantrel/controle.h"
#include "vantrel/position.h"
#include "vantrel/texte.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using essais::Longueur;
using essais::Refus;

// Two writings of one rule agree: the keystroke rule and the upper-casing of a text, over
// every ASCII code.
TEST(Majuscules, LaToucheEtLeTexteSuiventLaMemeRegle) {
    for (int code = 0; code < 128; ++code) {
        EXPECT_EQ(MetMajuscule(static_cast<std::int16_t>(code)),
                  static_cast<unsigned char>(Majuscule(std::string(1, char(code)))[0]))
            << code;
    }
    // The page's own lower-case letters get their capitals; the rest stay as typed.
    // Characters of one to four bytes come back whole, U+007F included.
    EXPECT_EQ(Majuscule("àéîõüþÿšœž ß÷µ жя\u07ff €\U00010000 \x7f \U0001F600"),
              "ÀÉÎÕÜÞŸŠŒŽ ß÷µ жя\u07ff €\U00010000 \x7f \U0001F600");
}

// The locator, or the prompt of the first rule the text breaks.
TEST(Verification, LeLocatorOuLaPremiereRegleEnfreinte) {
    // clang-format off
    const std::pair<std::string, std::string> cas[] = {
        {" jn38dm  ", "JN38DM"}, {"AA00AA", "AA00AA"}, {"RR99XX", "RR99XX"},
        {"", std::string(essais::LocatorVide)}, {"   ", std::string(essais::LocatorVide)},
        // Only spaces are trimmed: a tab counts.
        {"JN38D", Longueur("JN38D")}, {"\tJN38DM", Longueur("\tJN38DM")},
        {"jn38dmx", Longueur("JN38DMX")},
        // Each position, first refusal only; fields stop at R, subsquares at X.
        {"1N38DM", Refus('1', 1)}, {"JS38DM", Refus('S', 2)}, {"SX38DM", Refus('S', 1)},
        {"JNX8DM", Refus('X', 3)}, {"JN3XDM", Refus('X', 4)}, {"JN38YM", Refus('Y', 5)},
        {"JN38D1", Refus('1', 6)}, {"JN38D@", Refus('@', 6)}, {"JN38D[", Refus('[', 6)},
        // Characters count, and are coded, as Windows-1252 has them.
        {"JN38Dé", Refus(201, 6)}, {"JN38D€", Refus(128, 6)}, {"JN38D\x7f", Refus(127, 6)},
        {"JN38D\u0080", Refus(63, 6)}, {"JN38D\u00a0", Refus(160, 6)},
        {"JN38D\u00ff", Refus(159, 6)}, {"JN38D\u0800", Refus(63, 6)},
        // A malformed byte is one character, shown as the replacement character.
        {"JN38D\xff", Refus(63, 6)}, {"JN38D\x80", Refus(63, 6)},
        {"JN38\xed\xa0\x80", Longueur("JN38\uFFFD\uFFFD\uFFFD")},
        {"JN38D\xc3", Refus(63, 6)}};
    // clang-format on
    for (const auto& [texte, verdict] : cas) {
        const Verdict v = VerifieLocator(texte);
        EXPECT_EQ(v ? v.locator->texte() : v.message, verdict);
        EXPECT_EQ(bool(v), v.message.empty());
    }
}

// Minutes are counted from the square's western or southern edge, past 60 where they reach it.
// (JN38DM's: tests/core/tst_evenements.cpp; FN20XR's: the window's tooltips.)
TEST(Position, LesTextesDuCentreDuSousCarre) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*> cas[] = {
        {"AA00AA", "90° 1' Sud", "180° 2' Ouest"}, {"RR99XX", "89° 58' Nord", "178° 117' Est"},
        {"JJ00AA", "0° 1' Nord", "0° 2' Est"},    {"II99XX", "1° 58' Sud", "2° 117' Ouest"}};
    // clang-format on
    for (const auto& [texte, latitude, longitude] : cas) {
        const Verdict v = VerifieLocator(texte);
        ASSERT_TRUE(v);
        EXPECT_EQ(TexteCoordonnee(LatitudeLocator(*v.locator)), latitude);
        EXPECT_EQ(TexteCoordonnee(LongitudeLocator(*v.locator)), longitude);
    }
}

} // namespace
} // namespace vantrel
