#include "vantrel/texte.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

struct CasCodes {
    const char* texte;
    std::vector<unsigned char> codes;
};

class Codes : public testing::TestWithParam<CasCodes> {};

TEST_P(Codes, UnCodeWindows1252ParCaractere) {
    EXPECT_EQ(CodesAnsi(GetParam().texte), GetParam().codes);
    EXPECT_EQ(NombreCaracteres(GetParam().texte), GetParam().codes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Codes,
    testing::Values(CasCodes{"JN38DM", {74, 78, 51, 56, 68, 77}},
                    CasCodes{"JN38DÉ", {74, 78, 51, 56, 68, 201}},
                    CasCodes{"€Œœšÿ", {128, 140, 156, 154, 255}},
                    CasCodes{"\u00a0\u00ff", {160, 255}},
                    // Not in the page: Cyrillic, a C1 control, an emoji.
                    CasCodes{"ж\u0085😀", {63, 63, 63}},
                    // Malformed: a lone continuation byte, a cut sequence, an overlong "/",
                    // an encoded surrogate, a byte no UTF-8 text holds.
                    CasCodes{"\x80", {63}}, CasCodes{"A\xE2\x82", {65, 63, 63}},
                    CasCodes{"\xC0\xAF", {63, 63}}, CasCodes{"\xED\xA0\x80", {63, 63, 63}},
                    CasCodes{"\xFF"
                             "B",
                             {63, 66}},
                    CasCodes{"", {}}));

TEST(Utf8, UnTexteBienFormeFaitLeTourSansPerte) {
    for (const char* texte : {"JN38DM", "Créé par : l'équipe", "€ Œ ÿ", "😀 ж", ""}) {
        EXPECT_EQ(EncodeUtf8(DecodeUtf8(texte)), texte);
    }
}

TEST(Utf8, UnOctetMalFormeDevientUnCaractereDeRemplacement) {
    EXPECT_EQ(EncodeUtf8(DecodeUtf8("a\xE9z")), "a\uFFFDz");
}

struct CasTexte {
    const char* entree;
    const char* attendu;
};

class Majuscules : public testing::TestWithParam<CasTexte> {};

TEST_P(Majuscules, ToutesLesLettresDeLaPage) {
    EXPECT_EQ(Majuscule(GetParam().entree), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Textes, Majuscules,
                         testing::Values(CasTexte{"jn38dm", "JN38DM"}, CasTexte{"é", "É"},
                                         CasTexte{"àþ", "ÀÞ"}, CasTexte{"œšžÿ", "ŒŠŽŸ"},
                                         // No capital in the page, or not a letter: kept.
                                         CasTexte{"ß÷µƒ", "ß÷µƒ"}, CasTexte{"ж?", "ж?"},
                                         CasTexte{" a\tb ", " A\tB "}, CasTexte{"\xE9", "\uFFFD"}));

class Espaces : public testing::TestWithParam<CasTexte> {};

TEST_P(Espaces, SeulsLesEspacesDesBordsPartent) {
    EXPECT_EQ(EnleveEspaces(GetParam().entree), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Textes, Espaces,
                         testing::Values(CasTexte{"  JN38DM ", "JN38DM"},
                                         CasTexte{"JN 38", "JN 38"}, CasTexte{"   ", ""},
                                         CasTexte{"\tJN38DM\t", "\tJN38DM\t"},
                                         CasTexte{"\u00a0JN", "\u00a0JN"}));

} // namespace
} // namespace vantrel
