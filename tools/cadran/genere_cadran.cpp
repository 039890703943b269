// Draws the heading-indicator dial the window puts under its needle and saves it as a JPEG,
// or, with --icone, the application icon: the round face alone on a transparent square, as PNG.
//
//   genere-cadran OUTPUT.jpg
//   genere-cadran --icone SIDE OUTPUT.png
//
// Everything is drawn at four times the final size and reduced, so that the thin graduations
// stay crisp. The fonts are loaded from their files rather than looked up by name, so the picture
// does not depend on the machine's font configuration.
#include "geometrie_cadran.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>

namespace {

using namespace vantrel::cadran;

constexpr int Surechantillonnage = 4;
constexpr int QualiteJpeg = 95;

const char* const FichierPolice = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

const QPointF Centre(CentreX, CentreY);

const QColor Blanc(240, 240, 240);
const QColor Rouge(220, 30, 30);
const QColor Ambre(245, 155, 35);

/// Unit vector of a heading in degrees (clockwise from north, y pointing down).
QPointF direction(double degres) {
    const double a = degres * std::numbers::pi / 180;
    return {std::sin(a), -std::cos(a)};
}

/// Outline of a text whose capitals are `hauteur` pixels high, centred on its ink.
/// Built at a large size and scaled down, so that no hinting bends the glyphs.
QPainterPath texte(const QString& chaine, const QString& famille, double hauteur) {
    QFont police(famille);
    police.setPixelSize(400);
    police.setBold(true);
    police.setHintingPreference(QFont::PreferNoHinting);
    police.setKerning(true);

    QPainterPath reference;
    reference.addText(0, 0, police, QStringLiteral("H"));
    QPainterPath chemin;
    chemin.addText(0, 0, police, chaine);

    const double echelle = hauteur / reference.boundingRect().height();
    const QPointF milieu = chemin.boundingRect().center();
    QTransform t;
    t.scale(echelle, echelle);
    t.translate(-milieu.x(), -milieu.y());
    return t.map(chemin);
}

/// Grey square plate with a slight bevel: lighter from the top left, darker to the bottom right.
void dessinePlaque(QPainter& p) {
    const double c = CotePixels;
    QLinearGradient fond(0, 0, c, c);
    fond.setColorAt(0, QColor(168, 168, 168));
    fond.setColorAt(1, QColor(122, 122, 122));
    p.fillRect(QRectF(0, 0, c, c), fond);

    const double b = 2.5;
    const std::array<QPointF, 6> clair = {QPointF(0, 0), QPointF(c, 0),     QPointF(c - b, b),
                                          QPointF(b, b), QPointF(b, c - b), QPointF(0, c)};
    const std::array<QPointF, 6> sombre = {QPointF(c, c),     QPointF(0, c),
                                           QPointF(b, c - b), QPointF(c - b, c - b),
                                           QPointF(c - b, b), QPointF(c, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 196, 196));
    p.drawPolygon(clair.data(), int(clair.size()));
    p.setBrush(QColor(92, 92, 92));
    p.drawPolygon(sombre.data(), int(sombre.size()));
}

/// A slotted screw head in a top corner of the plate.
void dessineVis(QPainter& p, QPointF centre, double angleFente) {
    const double r = 4.5;
    QRadialGradient tete(centre - QPointF(1.5, 1.5), 2 * r);
    tete.setColorAt(0, QColor(210, 210, 210));
    tete.setColorAt(1, QColor(100, 100, 100));
    p.setPen(QPen(QColor(70, 70, 70), 0.6));
    p.setBrush(tete);
    p.drawEllipse(centre, r, r);

    const QPointF d = direction(angleFente) * (r - 0.8);
    p.setPen(QPen(QColor(50, 50, 50), 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre - d, centre + d);
}

/// An adjusting knob in a lower corner: knurled black rim around a shaded cap.
void dessineBouton(QPainter& p, QPointF centre) {
    const double r = 13;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40, 110));
    p.drawEllipse(centre + QPointF(1.2, 1.6), r + 0.5, r + 0.5);

    p.setBrush(QColor(18, 18, 18));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(88, 88, 88), 0.8, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 36; ++i) {
        const QPointF d = direction(i * 10.0);
        p.drawLine(centre + d * (r - 2.8), centre + d * (r - 0.4));
    }

    QRadialGradient capot(centre - QPointF(3, 3), 1.6 * r);
    capot.setColorAt(0, QColor(120, 120, 120));
    capot.setColorAt(1, QColor(25, 25, 25));
    p.setPen(QPen(QColor(10, 10, 10), 0.6));
    p.setBrush(capot);
    p.drawEllipse(centre, r - 3.4, r - 3.4);
}

/// The dark ring around the face and the black face itself.
void dessineFace(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60, 150));
    p.drawEllipse(Centre + QPointF(0.8, 1.2), RayonLunette + 0.6, RayonLunette + 0.6);

    QLinearGradient anneau(Centre - QPointF(RayonLunette, RayonLunette),
                           Centre + QPointF(RayonLunette, RayonLunette));
    anneau.setColorAt(0, QColor(92, 92, 92));
    anneau.setColorAt(0.5, QColor(45, 45, 45));
    anneau.setColorAt(1, QColor(20, 20, 20));
    p.setBrush(anneau);
    p.drawEllipse(Centre, RayonLunette, RayonLunette);

    QRadialGradient face(Centre, RayonFace);
    face.setColorAt(0, QColor(26, 26, 26));
    face.setColorAt(1, QColor(6, 6, 6));
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.setBrush(face);
    p.drawEllipse(Centre, RayonFace, RayonFace);
}

/// A graduation every 5°, longer every 10°.
void dessineGraduations(QPainter& p) {
    for (int degres = 0; degres < 360; degres += 5) {
        const bool grande = degres % 10 == 0;
        const QPointF d = direction(degres);
        const double debut = grande ? RayonGrandesGraduations : RayonPetitesGraduations;
        p.setPen(QPen(Blanc, grande ? 1.5 : 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(Centre + d * debut, Centre + d * RayonGraduations);
    }
}

/// N, E, S, W and the tens of degrees in between, their tops turned outwards like on a compass
/// card.
void dessineInscriptions(QPainter& p, const QString& famille) {
    static constexpr std::array<const char*, 12> inscriptions = {"N", "3",  "6",  "E", "12", "15",
                                                                 "S", "21", "24", "W", "30", "33"};
    p.setPen(Qt::NoPen);
    p.setBrush(Blanc);
    for (int i = 0; i < int(inscriptions.size()); ++i) {
        const int degres = 30 * i;
        const bool lettre = degres % 90 == 0;
        const QPainterPath chemin =
            texte(QString::fromLatin1(inscriptions[i]), famille, lettre ? 10 : 8);
        p.save();
        p.translate(Centre + direction(degres) * RayonChiffres);
        p.rotate(degres);
        p.drawPath(chemin);
        p.restore();
    }
}

/// Red triangles on the rim of the face at the four cardinal points, pointing inwards.
void dessineReperes(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Rouge);
    for (int degres = 0; degres < 360; degres += 90) {
        const QPointF d = direction(degres);
        const QPointF n(-d.y(), d.x());
        const std::array<QPointF, 3> triangle = {Centre + d * (RayonGraduations + 1),
                                                 Centre + d * (RayonFace - 0.5) + n * 3.6,
                                                 Centre + d * (RayonFace - 0.5) - n * 3.6};
        p.drawPolygon(triangle.data(), int(triangle.size()));
    }
}

/// A small aircraft seen from above, nose to the north, in the middle of the face.
void dessineAvion(QPainter& p) {
    // Right half of the outline from the nose to the tail, in pixels from the centre.
    static constexpr std::array<std::array<double, 2>, 11> demi = {{{1.6, -19.5},
                                                                    {2.3, -16.5},
                                                                    {2.4, -6},
                                                                    {DemiEnvergure, 0.5},
                                                                    {DemiEnvergure, 4},
                                                                    {2.4, 3},
                                                                    {1.9, 11.5},
                                                                    {8, 14.5},
                                                                    {8, 17},
                                                                    {1.5, 16.5},
                                                                    {0.8, 18.5}}};
    QPainterPath avion;
    avion.moveTo(Centre + QPointF(0, -21));
    for (const auto& [x, y] : demi) {
        avion.lineTo(Centre + QPointF(x, y));
    }
    for (auto it = demi.rbegin(); it != demi.rend(); ++it) {
        avion.lineTo(Centre + QPointF(-(*it)[0], (*it)[1]));
    }
    avion.closeSubpath();

    p.setPen(QPen(QColor(120, 70, 10), 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Ambre);
    p.drawPath(avion);
}

QImage dessineCadran(const QString& famille) {
    const int cote = CotePixels * Surechantillonnage;
    QImage grande(cote, cote, QImage::Format_RGB32);
    grande.fill(Qt::black);
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Surechantillonnage, Surechantillonnage);

        dessinePlaque(p);
        dessineVis(p, {13, 13}, 35);
        dessineVis(p, {CotePixels - 13.0, 13}, -20);
        dessineBouton(p, {17, CotePixels - 17.0});
        dessineBouton(p, {CotePixels - 17.0, CotePixels - 17.0});
        dessineFace(p);
        dessineGraduations(p);
        dessineInscriptions(p, famille);
        dessineReperes(p);
        dessineAvion(p);
    }
    return grande.scaled(CotePixels, CotePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

/// The face, its ring and everything on it, centred in a transparent square of `cote` pixels.
QImage dessineIcone(const QString& famille, int cote) {
    // The ring's drop shadow reaches 2 pixels beyond it; keep it inside the square.
    const double rayonTotal = RayonLunette + 2;
    const double echelle = cote / (2 * rayonTotal);
    QImage grande(cote * Surechantillonnage, cote * Surechantillonnage,
                  QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Surechantillonnage * echelle, Surechantillonnage * echelle);
        p.translate(QPointF(rayonTotal, rayonTotal) - Centre);

        dessineFace(p);
        dessineGraduations(p);
        dessineInscriptions(p, famille);
        dessineReperes(p);
        dessineAvion(p);
    }
    return grande.scaled(cote, cote, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv) {
    const bool icone = argc == 4 && std::strcmp(argv[1], "--icone") == 0;
    const int coteIcone = icone ? std::atoi(argv[2]) : 0;
    if (!(argc == 2 || (icone && coteIcone >= 16 && coteIcone <= 1024))) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n       %s --icone SIDE OUTPUT.png\n", argv[0],
                     argv[0]);
        return 2;
    }
    const char* const sortie = argv[argc - 1];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(FichierPolice));
    const QStringList familles = QFontDatabase::applicationFontFamilies(id);
    if (familles.isEmpty()) {
        std::fprintf(stderr, "cannot load %s (Debian package fonts-dejavu-core)\n", FichierPolice);
        return 1;
    }

    const QImage image =
        icone ? dessineIcone(familles.first(), coteIcone) : dessineCadran(familles.first());
    QImageWriter ecrivain(QString::fromLocal8Bit(sortie), icone ? "png" : "jpeg");
    if (!icone) {
        ecrivain.setQuality(QualiteJpeg);
    }
    if (!ecrivain.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", sortie, qPrintable(ecrivain.errorString()));
        return 1;
    }
    return 0;
}
