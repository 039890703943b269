#include "vantrel/coordonnees.h"

#include "vantrel/constantes.h"

#include <charconv>
#include <cmath>
#include <ios>

namespace vantrel {

namespace {

// The number reader of the locale, on a plain character range: what `>>` on a stream does,
// without building a stream (and copying the text into it) for every number.
struct LecteurNombre : std::num_get<char, const char*> {
    LecteurNombre() : std::num_get<char, const char*>(1) {}
};

// The only state the reader takes from a stream: its locale.
struct FormatLecture : std::ios_base {
    explicit FormatLecture(const std::locale& langue) { imbue(langue); }
};

// What people type nearly always, an optional minus, digits and at most one decimal separator
// of the locale, read by std::from_chars: the locale's reader gives the same value for such a
// text, at several times the cost. Anything else (a plus sign, an exponent, groups, the
// locale's other blanks) is left to that reader: no result here means "not simple", not "not
// a number".
std::optional<double> LitNombreSimple(const char* premier, const char* fin,
                                      const std::locale& langue) {
    constexpr std::ptrdiff_t LongueurMaximale = 32;
    if (fin - premier > LongueurMaximale) {
        return std::nullopt;
    }
    const char separateur = std::use_facet<std::numpunct<char>>(langue).decimal_point();
    char tampon[LongueurMaximale];
    char* sortie = tampon;
    bool chiffre = false, decimale = false;
    for (const char* c = premier; c != fin; ++c) {
        if (*c >= '0' && *c <= '9') {
            chiffre = true;
            *sortie++ = *c;
        } else if (*c == separateur && !decimale) {
            decimale = true;
            *sortie++ = '.';
        } else if (*c == '-' && c == premier) {
            *sortie++ = '-';
        } else {
            return std::nullopt;
        }
    }
    double valeur = 0;
    const auto [suite, erreur] = std::from_chars(tampon, sortie, valeur);
    if (!chiffre || erreur != std::errc() || suite != sortie) {
        return std::nullopt;
    }
    return valeur;
}

} // namespace

std::optional<double> LitNombre(const std::string& texte, const std::locale& langue) {
    // Blanks around the number are dropped here: a locale whose group separator is a space
    // would otherwise take a trailing one for a malformed group.
    const auto debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) {
        return std::nullopt;
    }
    const char* premier = texte.data() + debut;
    const char* const fin = texte.data() + texte.find_last_not_of(" \t") + 1;
    if (const auto simple = LitNombreSimple(premier, fin, langue)) {
        return *simple;
    }
    // Any other leading white space of the locale is skipped, as `>>` skips it.
    const auto& classes = std::use_facet<std::ctype<char>>(langue);
    while (premier != fin && classes.is(std::ctype_base::space, *premier)) {
        ++premier;
    }

    static const LecteurNombre lecteur;
    FormatLecture format(langue);
    std::ios_base::iostate etat = std::ios_base::goodbit;
    double valeur = 0;
    if (lecteur.get(premier, fin, format, etat, valeur) != fin || (etat & std::ios_base::failbit)) {
        return std::nullopt;
    }
    return valeur;
}

std::locale LocaleUtilisateur() {
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

std::optional<std::string> locator(const PositionDMS& position, const std::locale& langue) {
    const auto Dlo = LitNombre(position.Dlo, langue);
    const auto Mlo = LitNombre(position.Mlo, langue);
    const auto Slo = LitNombre(position.Slo, langue);
    const auto Dla = LitNombre(position.Dla, langue);
    const auto Mla = LitNombre(position.Mla, langue);
    const auto Sla = LitNombre(position.Sla, langue);
    if (!Dlo || !Mlo || !Slo || !Dla || !Mla || !Sla) {
        return std::nullopt;
    }

    // Degrees, then minutes and seconds added as typed, whatever the sign of the degrees.
    const double L = (*Dlo + *Mlo / 60) + *Slo / 3600;
    double X = position.Elo == "Ouest" ? (LongitudeOrigine - L) / LongitudeChamp
                                       : (LongitudeOrigine + L) / LongitudeChamp;
    const double P = (*Dla + *Mla / 60) + *Sla / 3600;
    double Y = position.Ela == "Sud" ? (LatitudeOrigine - P) / LatitudeChamp
                                     : (LatitudeOrigine + P) / LatitudeChamp;

    // X and Y count fields from 180° W and 90° S; beyond 0 to 18 there is no locator (NaN
    // fails this test too). The closed edge at 18 belongs to the last field, square and
    // subsquare.
    if (!(X >= 0 && X <= NombreChamps && Y >= 0 && Y <= NombreChamps)) {
        return std::nullopt;
    }
    X = std::min(X, std::nextafter(double(NombreChamps), 0.0));
    Y = std::min(Y, std::nextafter(double(NombreChamps), 0.0));

    const double FX = std::floor(X);
    const double X1 = (X - FX) * NombreCarres;
    const double QX = std::floor(X1);
    const double FY = std::floor(Y);
    const double Y1 = (Y - FY) * NombreCarres;
    const double QY = std::floor(Y1);
    const double SX = std::floor((X1 - QX) * NombreSousCarres);
    const double SY = std::floor((Y1 - QY) * NombreSousCarres);

    return std::string{
        static_cast<char>(CodeA + FX),    static_cast<char>(CodeA + FY),
        static_cast<char>(CodeZero + QX), static_cast<char>(CodeZero + QY),
        static_cast<char>(CodeA + SX),    static_cast<char>(CodeA + SY),
    };
}

} // namespace vantrel
