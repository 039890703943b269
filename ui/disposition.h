// The window's layout as data: every control with its place in twips, its looks and its place
// in the keyboard order. The window is built from this table and nothing else; the checks at
// its end make a faulty row a compile error.
#pragma once

#include "geometrie_cadran.h"
#include "vantrel/champs.h"
#include "version.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vantrel::ui {

enum class Genre {
    Cadre,     // a group box; no caption for an empty text
    Etiquette, // static text
    Texte,     // single-line text box
    Liste,     // drop-down list that takes no typed text
    Bouton,    // push button; "&" marks the access letter
    Image,     // picture stretched to the rectangle
    Ligne,     // the needle; its rectangle holds X1, Y1, X2, Y2
};

struct Rvb {
    int r, g, b;
};

inline constexpr Rvb Bleu{0, 0, 255};
inline constexpr Rvb Noir{0, 0, 0};

/// One control of the window: a row of the layout table.
struct Element {
    std::string_view nom; // the widget's objectName
    Genre genre;
    std::optional<Champ> champ = {};    // the field of the program's it is, if any
    std::string_view cadre = {};        // the frame holding it; empty for a frame
    const char* texte;                  // start text or caption, UTF-8
    int gauche, haut, largeur, hauteur; // twips, from the container's top-left corner
    int tabIndex;
    double points = 8.25;
    bool souligne = false;
    std::optional<Rvb> couleur = {}; // text (or caption) colour
    std::optional<Rvb> fond = {};    // background colour
    bool actif = true;
    int longueurMax = 0;              // 0: no limit
    const char* bulle = nullptr;      // tooltip
    const char* accessible = nullptr; // name for screen readers
    const char* image = nullptr;      // resource of a picture
    const char* plusLarge = nullptr;  // of a result: the widest text the program writes there
    bool locator = false;             // a box for a locator: typed letters come out in capitals

    /// Whether the control is one of the keyboard stops.
    constexpr bool prendFocus() const {
        return actif && (genre == Genre::Texte || genre == Genre::Liste || genre == Genre::Bouton);
    }
    /// A disabled text box only shows what the program writes.
    constexpr bool estResultat() const { return genre == Genre::Texte && !actif; }
};

using enum Genre;

// The about box's values. The spaces inside each line are part of its text.
#define VANTREL_ESPACES_12 "            "
#define VANTREL_ESPACES_13 "             "
#define VANTREL_ESPACES_18 "                  "

/// Every control of the window, frames first, each frame before what it holds.
// clang-format off
inline constexpr Element Elements[] = {
    // Frames, on the client area.
    {.nom = "Frame1", .genre = Cadre, .texte = "Azimut",
     .gauche = 0, .haut = -30, .largeur = 2355, .hauteur = 2235, .tabIndex = 41,
     .couleur = Bleu},
    {.nom = "Frame4", .genre = Cadre, .texte = "",
     .gauche = 2415, .haut = -15, .largeur = 2880, .hauteur = 2220, .tabIndex = 42},
    {.nom = "Frame5", .genre = Cadre, .texte = "A propos de Vantrel",
     .gauche = 5325, .haut = -15, .largeur = 3465, .hauteur = 2220, .tabIndex = 43,
     .couleur = Bleu},
    {.nom = "Frame2", .genre = Cadre, .texte = "Calcul locator",
     .gauche = 15, .haut = 2265, .largeur = 4332, .hauteur = 2145, .tabIndex = 19,
     .points = 9.75, .couleur = Noir},
    {.nom = "Frame3", .genre = Cadre, .texte = "Calcul des distances ",
     .gauche = 4365, .haut = 2265, .largeur = 4452, .hauteur = 2145, .tabIndex = 0,
     .points = 9.75, .couleur = Noir},
    // The compass; the needle lies above the dial.
    {.nom = "Image1", .genre = Image, .cadre = "Frame1", .texte = "",
     .gauche = cadran::ImageGauche, .haut = cadran::ImageHaut,
     .largeur = cadran::ImageLargeur, .hauteur = cadran::ImageHauteur, .tabIndex = -1,
     .accessible = "Cadran de l'azimut", .image = ":/cadran.ppm"},
    {.nom = "Rose", .genre = Ligne, .cadre = "Frame1", .texte = "",
     .gauche = 1155, .haut = 465, .largeur = 1155, .hauteur = 1101, .tabIndex = -1},
    // The map.
    {.nom = "Image2", .genre = Image, .cadre = "Frame4", .texte = "",
     .gauche = 120, .haut = 180, .largeur = 2610, .hauteur = 1980, .tabIndex = -1,
     .accessible = "Carte des carrés locators de France", .image = ":/carte.ppm"},
    // The about box.
    {.nom = "Label3(0)", .genre = Etiquette, .cadre = "Frame5",
     .texte = " Créé par :" VANTREL_ESPACES_12 "l'équipe Vantrel",
     .gauche = 315, .haut = 450, .largeur = 2700, .hauteur = 255, .tabIndex = 44},
    {.nom = "Label3(4)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Date :" VANTREL_ESPACES_18 VANTREL_DATE,
     .gauche = 375, .haut = 780, .largeur = 2700, .hauteur = 255, .tabIndex = 48},
    {.nom = "Label3(1)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Locator :" VANTREL_ESPACES_13 "JN38DM",
     .gauche = 390, .haut = 1095, .largeur = 2580, .hauteur = 255, .tabIndex = 45},
    {.nom = "Label3(2)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Contact :" VANTREL_ESPACES_13 "vt@example.org",
     .gauche = 390, .haut = 1440, .largeur = 2580, .hauteur = 255, .tabIndex = 46},
    {.nom = "Label3(3)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Version :" VANTREL_ESPACES_13 VANTREL_VERSION,
     .gauche = 390, .haut = 1770, .largeur = 2700, .hauteur = 255, .tabIndex = 47},
    // Coordinates to locator: the longitude row.
    {.nom = "Label1(2)", .genre = Etiquette, .cadre = "Frame2", .texte = "Degrés",
     .gauche = 1095, .haut = 225, .largeur = 675, .hauteur = 255, .tabIndex = 32,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(3)", .genre = Etiquette, .cadre = "Frame2", .texte = "Minutes",
     .gauche = 1815, .haut = 225, .largeur = 675, .hauteur = 255, .tabIndex = 33,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(5)", .genre = Etiquette, .cadre = "Frame2", .texte = "Seconde",
     .gauche = 2535, .haut = 225, .largeur = 795, .hauteur = 255, .tabIndex = 35,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(4)", .genre = Etiquette, .cadre = "Frame2", .texte = "Est-Ouest",
     .gauche = 3345, .haut = 225, .largeur = 870, .hauteur = 255, .tabIndex = 34,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(1)", .genre = Etiquette, .cadre = "Frame2", .texte = "Longitude:",
     .gauche = 165, .haut = 555, .largeur = 780, .hauteur = 255, .tabIndex = 31,
     .couleur = Bleu},
    {.nom = "Dlo", .genre = Texte, .champ = Champ::Dlo, .cadre = "Frame2", .texte = "",
     .gauche = 1140, .haut = 525, .largeur = 540, .hauteur = 288, .tabIndex = 20,
     .longueurMax = 3, .bulle = "Exemple 006 7 Est", .accessible = "Degrés de longitude"},
    {.nom = "Mlo", .genre = Texte, .champ = Champ::Mlo, .cadre = "Frame2", .texte = "",
     .gauche = 1845, .haut = 525, .largeur = 570, .hauteur = 288, .tabIndex = 21,
     .longueurMax = 3, .accessible = "Minutes de longitude"},
    {.nom = "Slo", .genre = Texte, .champ = Champ::Slo, .cadre = "Frame2", .texte = "0",
     .gauche = 2625, .haut = 525, .largeur = 525, .hauteur = 288, .tabIndex = 22,
     .longueurMax = 3, .accessible = "Secondes de longitude"},
    {.nom = "Elo", .genre = Liste, .champ = Champ::Elo, .cadre = "Frame2", .texte = "",
     .gauche = 3285, .haut = 525, .largeur = 795, .hauteur = 315, .tabIndex = 25,
     .accessible = "Longitude Est ou Ouest"},
    // The latitude row.
    {.nom = "Label1(8)", .genre = Etiquette, .cadre = "Frame2", .texte = "Degrés",
     .gauche = 1065, .haut = 945, .largeur = 675, .hauteur = 255, .tabIndex = 39,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(7)", .genre = Etiquette, .cadre = "Frame2", .texte = "Minutes",
     .gauche = 1800, .haut = 945, .largeur = 675, .hauteur = 255, .tabIndex = 38,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(9)", .genre = Etiquette, .cadre = "Frame2", .texte = "Seconde",
     .gauche = 2520, .haut = 945, .largeur = 795, .hauteur = 255, .tabIndex = 40,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(6)", .genre = Etiquette, .cadre = "Frame2", .texte = "Nord-Sud",
     .gauche = 3405, .haut = 945, .largeur = 870, .hauteur = 255, .tabIndex = 37,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(0)", .genre = Etiquette, .cadre = "Frame2", .texte = "Latitude:",
     .gauche = 150, .haut = 1185, .largeur = 705, .hauteur = 255, .tabIndex = 36,
     .couleur = Bleu},
    {.nom = "Dla", .genre = Texte, .champ = Champ::Dla, .cadre = "Frame2", .texte = "",
     .gauche = 1125, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 26,
     .longueurMax = 3, .bulle = "Exemple 48 35 Nord", .accessible = "Degrés de latitude"},
    {.nom = "Mla", .genre = Texte, .champ = Champ::Mla, .cadre = "Frame2", .texte = "",
     .gauche = 1845, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 27,
     .longueurMax = 3, .accessible = "Minutes de latitude"},
    {.nom = "Sla", .genre = Texte, .champ = Champ::Sla, .cadre = "Frame2", .texte = "0",
     .gauche = 2625, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 28,
     .longueurMax = 3, .accessible = "Secondes de latitude"},
    {.nom = "Ela", .genre = Liste, .champ = Champ::Ela, .cadre = "Frame2", .texte = "",
     .gauche = 3285, .haut = 1200, .largeur = 780, .hauteur = 315, .tabIndex = 29,
     .accessible = "Latitude Nord ou Sud"},
    // The result row.
    {.nom = "Cmd", .genre = Bouton, .cadre = "Frame2", .texte = "&Calcul locator",
     .gauche = 120, .haut = 1635, .largeur = 1416, .hauteur = 336, .tabIndex = 23},
    {.nom = "Label2(2)", .genre = Etiquette, .cadre = "Frame2", .texte = "Locator :",
     .gauche = 2040, .haut = 1668, .largeur = 900, .hauteur = 324, .tabIndex = 30,
     .points = 9.75, .souligne = true, .couleur = Bleu},
    {.nom = "TxtLocator", .genre = Texte, .champ = Champ::TxtLocator, .cadre = "Frame2", .texte = "",
     .gauche = 3024, .haut = 1650, .largeur = 1212, .hauteur = 372, .tabIndex = 24,
     .points = 12, .couleur = Rvb{0, 0, 192}, .fond = Rvb{255, 255, 0}, .actif = false,
     .accessible = "Locator calculé", .plusLarge = "MM00WW"},
    // Distance and azimuth: the user's row.
    {.nom = "Label1(18)", .genre = Etiquette, .cadre = "Frame3", .texte = "Longitude",
     .gauche = 2370, .haut = 180, .largeur = 855, .hauteur = 255, .tabIndex = 16,
     .couleur = Noir},
    {.nom = "Label1(19)", .genre = Etiquette, .cadre = "Frame3", .texte = "Latitude",
     .gauche = 3495, .haut = 165, .largeur = 735, .hauteur = 255, .tabIndex = 17,
     .couleur = Noir},
    {.nom = "Label1(13)", .genre = Etiquette, .cadre = "Frame3", .texte = "Locator de départ",
     .gauche = 30, .haut = 465, .largeur = 1575, .hauteur = 255, .tabIndex = 11,
     .couleur = Bleu},
    {.nom = "MonLocator", .genre = Texte, .champ = Champ::MonLocator, .cadre = "Frame3", .texte = " ",
     .gauche = 1560, .haut = 405, .largeur = 804, .hauteur = 300, .tabIndex = 2,
     .longueurMax = 7, .accessible = "Locator de départ", .locator = true},
    {.nom = "MaLongi", .genre = Texte, .champ = Champ::MaLongi, .cadre = "Frame3", .texte = "",
     .gauche = 2400, .haut = 405, .largeur = 972, .hauteur = 300, .tabIndex = 4,
     .actif = false, .accessible = "Ma longitude", .plusLarge = "180° 117' Ouest"},
    {.nom = "MaLati", .genre = Texte, .champ = Champ::MaLati, .cadre = "Frame3", .texte = "",
     .gauche = 3408, .haut = 405, .largeur = 972, .hauteur = 300, .tabIndex = 6,
     .actif = false, .accessible = "Ma latitude", .plusLarge = "89° 58' Nord"},
    // The correspondent's row.
    {.nom = "Label1(17)", .genre = Etiquette, .cadre = "Frame3", .texte = "Longitude",
     .gauche = 2400, .haut = 705, .largeur = 855, .hauteur = 255, .tabIndex = 15,
     .couleur = Noir},
    {.nom = "Label1(20)", .genre = Etiquette, .cadre = "Frame3", .texte = "Latitude",
     .gauche = 3480, .haut = 705, .largeur = 855, .hauteur = 255, .tabIndex = 18,
     .couleur = Noir, .actif = false},
    // The caption as the program has always spelt it.
    {.nom = "Label1(14)", .genre = Etiquette, .cadre = "Frame3", .texte = "Locator d'arrvée",
     .gauche = 60, .haut = 960, .largeur = 1455, .hauteur = 255, .tabIndex = 12,
     .couleur = Bleu},
    {.nom = "SonLocator", .genre = Texte, .champ = Champ::SonLocator, .cadre = "Frame3", .texte = "",
     .gauche = 1560, .haut = 915, .largeur = 804, .hauteur = 315, .tabIndex = 3,
     .longueurMax = 7, .accessible = "Locator d'arrivée", .locator = true},
    {.nom = "SaLongi", .genre = Texte, .champ = Champ::SaLongi, .cadre = "Frame3", .texte = "",
     .gauche = 2412, .haut = 930, .largeur = 960, .hauteur = 300, .tabIndex = 8,
     .actif = false, .accessible = "Sa longitude", .plusLarge = "180° 117' Ouest"},
    {.nom = "SaLati", .genre = Texte, .champ = Champ::SaLati, .cadre = "Frame3", .texte = "",
     .gauche = 3432, .haut = 930, .largeur = 936, .hauteur = 300, .tabIndex = 9,
     .actif = false, .accessible = "Sa latitude", .plusLarge = "89° 58' Nord"},
    // Buttons and results.
    {.nom = "CmdEfface", .genre = Bouton, .cadre = "Frame3", .texte = "&Clear",
     .gauche = 120, .haut = 1275, .largeur = 1335, .hauteur = 330, .tabIndex = 1},
    {.nom = "Label1(16)", .genre = Etiquette, .cadre = "Frame3", .texte = "Distance kilomètres",
     .gauche = 1680, .haut = 1350, .largeur = 1455, .hauteur = 255, .tabIndex = 14,
     .couleur = Bleu},
    {.nom = "Label1(15)", .genre = Etiquette, .cadre = "Frame3", .texte = " Azimut Degrés.",
     .gauche = 3210, .haut = 1320, .largeur = 1185, .hauteur = 255, .tabIndex = 13,
     .couleur = Bleu},
    {.nom = "Distance", .genre = Texte, .champ = Champ::Distance, .cadre = "Frame3", .texte = "",
     .gauche = 2040, .haut = 1560, .largeur = 804, .hauteur = 300, .tabIndex = 10,
     .actif = false, .accessible = "Distance kilomètres", .plusLarge = "20038"},
    {.nom = "Azimut", .genre = Texte, .champ = Champ::Azimut, .cadre = "Frame3", .texte = "",
     .gauche = 3420, .haut = 1590, .largeur = 804, .hauteur = 300, .tabIndex = 7,
     .actif = false, .accessible = "Azimut degrés", .plusLarge = "360"},
    {.nom = "Command1", .genre = Bouton, .cadre = "Frame3", .texte = "C&alcul",
     .gauche = 120, .haut = 1665, .largeur = 1335, .hauteur = 330, .tabIndex = 5},
};
// clang-format on

#undef VANTREL_ESPACES_12
#undef VANTREL_ESPACES_13
#undef VANTREL_ESPACES_18

/// The row of each of the program's fields, by the field's number (each has one, checked
/// below).
inline constexpr std::array<std::size_t, NombreChampsFenetre> RangsDesChamps = [] {
    std::array<std::size_t, NombreChampsFenetre> rangs{};
    for (std::size_t i = 0; i < std::size(Elements); ++i) {
        if (Elements[i].champ) {
            rangs[static_cast<std::size_t>(*Elements[i].champ)] = i;
        }
    }
    return rangs;
}();

/// The row of a control, by name and kind. Where no row has that name and kind, a constant
/// expression that asks for it does not compile.
consteval std::size_t Rang(std::string_view nom, Genre genre) {
    for (std::size_t i = 0; i < std::size(Elements); ++i) {
        if (Elements[i].nom == nom && Elements[i].genre == genre) {
            return i;
        }
    }
    throw "no control of this name and kind in the layout";
}

namespace verification {

// Each frame row comes before the rows it holds, and holds nothing itself.
consteval bool CadresAvantLeurContenu() {
    for (std::size_t i = 0; i < std::size(Elements); ++i) {
        const Element& e = Elements[i];
        if ((e.genre == Cadre) != e.cadre.empty()) {
            return false;
        }
        if (!e.cadre.empty() && !std::ranges::any_of(Elements, [&](const Element& c) {
                return c.nom == e.cadre && c.genre == Cadre && &c < &e;
            })) {
            return false;
        }
    }
    return true;
}

// Every result, and nothing else, says the widest text it will show.
consteval bool ResultatsMesures() {
    return std::ranges::all_of(
        Elements, [](const Element& e) { return e.estResultat() == (e.plusLarge != nullptr); });
}

// No two rows share a name, nor two keyboard stops a tab index.
consteval bool NomsEtIndexUniques() {
    for (const Element& a : Elements) {
        for (const Element& b : Elements) {
            if (&a != &b && (a.nom == b.nom || (a.tabIndex >= 0 && a.tabIndex == b.tabIndex))) {
                return false;
            }
        }
    }
    return true;
}

// Each of the program's fields is one row, a text box or a list.
consteval bool ChampsUnParUn() {
    for (std::size_t c = 0; c < NombreChampsFenetre; ++c) {
        const auto lignes = std::ranges::count_if(Elements, [&](const Element& e) {
            return e.champ == static_cast<Champ>(c) && (e.genre == Texte || e.genre == Liste);
        });
        if (lignes != 1) {
            return false;
        }
    }
    return std::ranges::all_of(Elements, [](const Element& e) {
        return !e.champ || static_cast<std::size_t>(*e.champ) < NombreChampsFenetre;
    });
}

static_assert(ChampsUnParUn(), "each field must be exactly one text box or list row");
static_assert(CadresAvantLeurContenu(), "a row's frame must be a frame row above it");
static_assert(ResultatsMesures(), "each result box, and only they, need their widest text");
static_assert(NomsEtIndexUniques(), "control names and tab indices must be unique");

} // namespace verification

} // namespace vantrel::ui
