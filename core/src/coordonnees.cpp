#include "vantrel/coordonnees.h"

#include "vantrel/constantes.h"
#include "vantrel/hemispheres.h"

#include <charconv>
#include <cmath>

namespace vantrel {

namespace {

constexpr std::string_view Blancs = " \t";

// Copies the digits at the start of `texte` to `sortie`; returns how many there were.
std::size_t CopieChiffres(std::string_view& texte, std::string& sortie) {
    std::size_t n = 0;
    while (n < texte.size() && texte[n] >= '0' && texte[n] <= '9') {
        ++n;
    }
    sortie.append(texte.substr(0, n));
    texte.remove_prefix(n);
    return n;
}

// A leading sign, if any, copied ("+" dropped: from_chars takes none).
void CopieSigne(std::string_view& texte, std::string& sortie) {
    if (!texte.empty() && (texte.front() == '-' || texte.front() == '+')) {
        if (texte.front() == '-') {
            sortie += '-';
        }
        texte.remove_prefix(1);
    }
}

} // namespace

std::optional<double> LitNombre(std::string_view texte, const FormatNombres& format) {
    const auto debut = texte.find_first_not_of(Blancs);
    if (debut == std::string_view::npos) {
        return std::nullopt;
    }
    texte = texte.substr(debut, texte.find_last_not_of(Blancs) - debut + 1);

    // Rebuilt with "." for std::from_chars, which reads the same way whatever the locale.
    std::string nombre;
    CopieSigne(texte, nombre);
    std::size_t chiffres = CopieChiffres(texte, nombre);
    const std::string_view separateur = format.separateurDecimal;
    if (!separateur.empty() && texte.starts_with(separateur)) {
        texte.remove_prefix(separateur.size());
        nombre += '.';
        chiffres += CopieChiffres(texte, nombre);
    }
    if (chiffres == 0) {
        return std::nullopt;
    }
    if (!texte.empty() && (texte.front() == 'e' || texte.front() == 'E')) {
        texte.remove_prefix(1);
        nombre += 'e';
        CopieSigne(texte, nombre);
        if (CopieChiffres(texte, nombre) == 0) {
            return std::nullopt;
        }
    }
    double valeur = 0;
    const char* const bout = nombre.data() + nombre.size();
    const auto [fin, erreur] = std::from_chars(nombre.data(), bout, valeur);
    if (!texte.empty() || erreur != std::errc() || fin != bout) {
        return std::nullopt;
    }
    return valeur;
}

std::optional<std::string> locator(const PositionDMS& position, const FormatNombres& format) {
    const auto Dlo = LitNombre(position.Dlo, format);
    const auto Mlo = LitNombre(position.Mlo, format);
    const auto Slo = LitNombre(position.Slo, format);
    const auto Dla = LitNombre(position.Dla, format);
    const auto Mla = LitNombre(position.Mla, format);
    const auto Sla = LitNombre(position.Sla, format);
    if (!Dlo || !Mlo || !Slo || !Dla || !Mla || !Sla) {
        return std::nullopt;
    }

    // Degrees, then minutes and seconds added as typed, whatever the sign of the degrees.
    const double L = (*Dlo + *Mlo / 60) + *Slo / 3600;
    double X = position.Elo == hemisphere::Ouest ? (LongitudeOrigine - L) / LongitudeChamp
                                                 : (LongitudeOrigine + L) / LongitudeChamp;
    const double P = (*Dla + *Mla / 60) + *Sla / 3600;
    double Y = position.Ela == hemisphere::Sud ? (LatitudeOrigine - P) / LatitudeChamp
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
