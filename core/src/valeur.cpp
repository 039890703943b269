#include "vantrel/valeur.h"

#include <charconv>
#include <string>

namespace vantrel {

namespace {

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ValeurTexte(std::string_view texte) {
    std::string lu;
    for (char c : texte) {
        if (c != ' ' && c != '\t' && c != '\n') {
            lu += c;
        }
    }

    // Rebuilt as [-]digits.digits[e[-]digits] for from_chars, which ignores the locale.
    std::size_t i = 0;
    const auto signe = [&] {
        if (i < lu.size() && (lu[i] == '+' || lu[i] == '-')) {
            return lu[i++] == '-' ? std::string("-") : std::string();
        }
        return std::string();
    };
    const auto chiffres = [&] {
        const std::size_t debut = i;
        while (i < lu.size() && EstChiffre(lu[i])) {
            ++i;
        }
        return lu.substr(debut, i - debut);
    };
    std::string nombre = signe();
    const std::string entier = chiffres();
    std::string fraction;
    if (i < lu.size() && lu[i] == '.') {
        ++i;
        fraction = chiffres();
    }
    if (entier.empty() && fraction.empty()) {
        return 0;
    }
    nombre += (entier.empty() ? "0" : entier) + '.' + (fraction.empty() ? "0" : fraction);

    // An exponent counts only with at least one digit: "12e" reads as 12.
    if (i < lu.size() && std::string_view("eEdD").find(lu[i]) != std::string_view::npos) {
        ++i;
        const std::string exposant = signe();
        if (const std::string puissance = chiffres(); !puissance.empty()) {
            nombre += 'e' + exposant + puissance;
        }
    }

    double valeur = 0;
    const auto [fin, erreur] =
        std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    return erreur == std::errc() ? valeur : 0;
}

} // namespace vantrel
