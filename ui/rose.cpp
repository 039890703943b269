#include "rose.h"

#include "geometrie_cadran.h"
#include "twips.h"

#include <QPainter>
#include <QPen>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

namespace vantrel::ui {

namespace {

constexpr int EpaisseurPixels = 3;

bool EstBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool EstChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double ValeurTexte(QStringView texte) {
    QString lu;
    for (QChar c : texte) {
        if (!EstBlanc(c)) {
            lu.append(c);
        }
    }

    // Rebuilt as [-]digits.digits[e[-]digits] for from_chars, which ignores the locale.
    qsizetype i = 0;
    auto chiffres = [&] {
        std::string suite;
        while (i < lu.size() && EstChiffre(lu[i])) {
            suite += static_cast<char>(lu[i++].unicode());
        }
        return suite;
    };
    std::string nombre;
    if (i < lu.size() && (lu[i] == u'+' || lu[i] == u'-')) {
        if (lu[i++] == u'-') {
            nombre += '-';
        }
    }
    const std::string entier = chiffres();
    std::string fraction;
    if (i < lu.size() && lu[i] == u'.') {
        ++i;
        fraction = chiffres();
    }
    if (entier.empty() && fraction.empty()) {
        return 0;
    }
    nombre += (entier.empty() ? "0" : entier) + '.' + (fraction.empty() ? "0" : fraction);

    // An exponent counts only with at least one digit: "12e" reads as 12.
    if (i < lu.size() && QStringLiteral("eEdD").contains(lu[i])) {
        const qsizetype avant = i++;
        std::string exposant = "e";
        if (i < lu.size() && (lu[i] == u'+' || lu[i] == u'-')) {
            if (lu[i++] == u'-') {
                exposant += '-';
            }
        }
        const std::string puissance = chiffres();
        if (!puissance.empty()) {
            nombre += exposant + puissance;
        } else {
            i = avant;
        }
    }

    double valeur = 0;
    const auto [fin, erreur] =
        std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    return erreur == std::errc() ? valeur : 0;
}

Rose::Rose(QLineF depart, QWidget* parent)
    : QWidget(parent), X1(static_cast<float>(depart.x1())), Y1(static_cast<float>(depart.y1())),
      X2(static_cast<float>(depart.x2())), Y2(static_cast<float>(depart.y2())) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Rose::Azimut_Change(QStringView azimut) {
    // Each redraw turns the needle round the centre of the dial, the pivot the picture is drawn
    // round, from straight up.
    X2 = cadran::PivotX;
    Y2 = cadran::PivotY;
    const double r = cadran::LongueurAiguille;
    const double theta = ValeurTexte(azimut) / 360 * std::numbers::pi * 2;
    const double dy = r * std::cos(theta);
    const double dx = r * std::sin(theta);
    X1 = static_cast<float>(X2 + dx);
    Y1 = static_cast<float>(Y2 - dy);
    update();
}

void Rose::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Qt::white, EpaisseurPixels, Qt::SolidLine, Qt::RoundCap));
    peintre.drawLine(EnPixels(QPointF(X1, Y1)), EnPixels(QPointF(X2, Y2)));
}

} // namespace vantrel::ui
