// A locator text: the keystroke rule, the check and its prompts, and the display texts of an
// accepted locator.
#include "textes_du_programme.h"
#include "vantrel/controle.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"
#include "vantrel/texte.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using essais::Longueur;
using essais::Refus;

// Two writings of one rule agree: the keystroke rule and the upper-casing of a text, over
// every ASCII code; beyond ASCII the keystroke rule changes nothing.
TEST(Majuscules, LaToucheEtLeTexteSuiventLaMemeRegle) {
    for (int code = 0; code < 128; ++code) {
        EXPECT_EQ(MetMajuscule(static_cast<std::int16_t>(code)),
                  static_cast<unsigned char>(Majuscule(std::string(1, char(code)))[0]))
            << code;
    }
    for (std::int16_t code : {-1, 128, 233, 255, 32767}) {
        EXPECT_EQ(MetMajuscule(code), code);
    }
    // The page's own lower-case letters get their capitals; the rest stay as typed.
    EXPECT_EQ(Majuscule("àéîõüþÿšœž ß÷µ жя €"), "ÀÉÎÕÜÞŸŠŒŽ ß÷µ жя €");
}

struct CasVerification {
    std::string texte;
    std::string verdict; // the locator, or the prompt that refuses the text
};

class Verification : public testing::TestWithParam<CasVerification> {};

TEST_P(Verification, LeLocatorOuLaPremiereRegleEnfreinte) {
    const Verdict v = VerifieLocator(GetParam().texte);
    EXPECT_EQ(v ? v.locator->texte() : v.message, GetParam().verdict);
    EXPECT_EQ(bool(v), v.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Verification,
    testing::Values(
        CasVerification{" jn38dm  ", "JN38DM"}, CasVerification{"AA00AA", "AA00AA"},
        CasVerification{"RR99XX", "RR99XX"},
        CasVerification{"", std::string(messages::LocatorVide)},
        CasVerification{"   ", std::string(messages::LocatorVide)},
        // Only spaces are trimmed: a tab counts.
        CasVerification{"JN38D", Longueur("JN38D")},
        CasVerification{"\tJN38DM", Longueur("\tJN38DM")},
        CasVerification{"jn38dmx", Longueur("JN38DMX")},
        // Each position, first refusal only; fields stop at R, subsquares at X.
        CasVerification{"1N38DM", Refus('1', 1)}, CasVerification{"JS38DM", Refus('S', 2)},
        CasVerification{"SX38DM", Refus('S', 1)}, CasVerification{"JNX8DM", Refus('X', 3)},
        CasVerification{"JN3XDM", Refus('X', 4)}, CasVerification{"JN38YM", Refus('Y', 5)},
        CasVerification{"JN38D1", Refus('1', 6)}, CasVerification{"JN38D@", Refus('@', 6)},
        CasVerification{"JN38D[", Refus('[', 6)},
        // Characters count, and are coded, as Windows-1252 has them.
        CasVerification{"JN38Dé", Refus(201, 6)}, CasVerification{"JN38D€", Refus(128, 6)},
        CasVerification{"JN38D\x7f", Refus(127, 6)}, CasVerification{"JN38D\u07ff", Refus(63, 6)},
        CasVerification{"JN38D\u0800", Refus(63, 6)},
        CasVerification{"JN38D\U00010000", Refus(63, 6)},
        CasVerification{"JN38D\u0081", Refus(63, 6)}, CasVerification{"JN38D\u00ff", Refus(159, 6)},
        // A malformed byte is one character, shown as the replacement character.
        CasVerification{"JN38D\xff", Refus(63, 6)},
        CasVerification{"JN38\xed\xa0\x80", Longueur("JN38\uFFFD\uFFFD\uFFFD")},
        CasVerification{"JN38D\xc3", Refus(63, 6)}));

struct CasPosition {
    const char* locator;
    const char* latitude;
    const char* longitude;
};

class Position : public testing::TestWithParam<CasPosition> {};

TEST_P(Position, LesTextesDuCentreDuSousCarre) {
    const Verdict v = VerifieLocator(GetParam().locator);
    ASSERT_TRUE(v);
    EXPECT_EQ(TexteCoordonnee(LatitudeLocator(*v.locator)), GetParam().latitude);
    EXPECT_EQ(TexteCoordonnee(LongitudeLocator(*v.locator)), GetParam().longitude);
}

// Minutes are counted from the square's western or southern edge, past 60 where they reach it.
INSTANTIATE_TEST_SUITE_P(Locators, Position,
                         testing::Values(CasPosition{"JN38DM", "48° 31' Nord", "6° 17' Est"},
                                         CasPosition{"FN20XR", "40° 43' Nord", "76° 117' Ouest"},
                                         CasPosition{"AA00AA", "90° 1' Sud", "180° 2' Ouest"},
                                         CasPosition{"RR99XX", "89° 58' Nord", "178° 117' Est"},
                                         CasPosition{"JJ00AA", "0° 1' Nord", "0° 2' Est"},
                                         CasPosition{"II99XX", "1° 58' Sud", "2° 117' Ouest"}));

} // namespace
} // namespace vantrel
