// The dial: where each redraw puts the needle and what it paints; the picture the window
// shows, whose face sits where the needle's geometry says it does.
#include "geometrie_cadran.h"
#include "rose.h"
#include "twips.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

using vantrel::ui::Rose;
namespace cadran = vantrel::cadran;

class TstCadran : public QObject {
    Q_OBJECT

private slots:
    // Every whole azimuth, and some beyond a turn: the needle turns round the pivot, keeps its
    // length and points along the azimuth, clockwise from the top.
    void trace() {
        for (int degres = -360; degres <= 720; ++degres) {
            Rose rose(QLineF(1155, 465, 1155, 1101), nullptr);
            rose.setAzimut(degres);
            const QLineF ligne = rose.twips();
            QCOMPARE(ligne.p2(), QPointF(cadran::PivotX, cadran::PivotY));
            QVERIFY(std::abs(ligne.length() - cadran::LongueurAiguille) < 0.01);
            const double vers = std::atan2(-ligne.dx(), ligne.dy()) * 180 / std::numbers::pi;
            const double ecart = std::remainder(vers - degres, 360);
            QVERIFY2(std::abs(ecart) < 5e-5, qPrintable(QString::number(degres)));
        }
    }

    // On a black frame the needle is white, 3 pixels wide across its line, with smoothed edges,
    // and repainted at each change; its overlay draws nothing else.
    void peintEnBlancLisseSur3Pixels() {
        QWidget cadre;
        cadre.resize(160, 150);
        cadre.setAutoFillBackground(true);
        cadre.setPalette(QPalette(Qt::black));
        auto* rose = new Rose(QLineF(), &cadre);
        rose->setGeometry(cadre.rect());
        cadre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cadre));
        struct Compteur : QObject {
            int peintures = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                peintures += e->type() == QEvent::Paint;
                return false;
            }
        } compteur;
        rose->installEventFilter(&compteur);
        for (double azimut : {90, 60, 273}) {
            compteur.peintures = 0;
            rose->setAzimut(azimut);
            QTRY_VERIFY(compteur.peintures > 0);
            const QImage image = cadre.grab().toImage();
            const QLineF ligne(vantrel::ui::EnPixels(rose->twips().p2()),
                               vantrel::ui::EnPixels(rose->twips().p1()));
            // Across the middle of the needle, perpendicular to it.
            const QPointF milieu = ligne.pointAt(0.5);
            const QPointF normale = ligne.normalVector().unitVector().p2() - ligne.p1();
            double blanc = 0;
            bool lisse = false;
            for (double t = -6; t <= 6; t += 1.0 / 8) {
                const QColor c = image.pixelColor((milieu + t * normale).toPoint());
                QCOMPARE(c.red(), c.blue()); // white or grey, nothing else
                blanc += c.redF() / 8;
                lisse = lisse || (c.red() > 20 && c.red() < 235);
            }
            QVERIFY2(std::abs(blanc - 3) < 0.6, qPrintable(QString::number(blanc)));
            QVERIFY(lisse);
            QCOMPARE(rose->grab().toImage().pixelColor(0, 0).alpha(), 0);
        }
    }

    // Points placed from the geometry constants fall on the matching part of the picture: if
    // the face drifted from the needle's pivot, the red marks and the rim would miss them.
    void cadranSuitSaGeometrie() {
        const QImage cadran(QStringLiteral(":/cadran.ppm"), "PPM"); // as the window has it
        QCOMPARE(cadran.size(), QSize(cadran::CotePixels, cadran::CotePixels));
        const auto couleur = [&](double degres, double rayon) {
            const double a = degres * std::numbers::pi / 180;
            const QColor c =
                cadran.pixelColor(int(std::lround(cadran::CentreX + rayon * std::sin(a))),
                                  int(std::lround(cadran::CentreY - rayon * std::cos(a))));
            return std::array{c.red(), c.green(), c.blue()};
        };
        for (int degres : {45, 135, 225, 315}) {
            for (double rayon : {(cadran::RayonGraduations + cadran::RayonFace) / 2,
                                 (cadran::DemiEnvergure + cadran::RayonChiffres) / 2 - 2}) {
                QVERIFY(std::ranges::max(couleur(degres, rayon)) < 50); // the black face
            }
            const auto [r, g, b] = couleur(degres, cadran::RayonLunette + 6); // the grey plate
            QVERIFY(std::max({r, g, b}) - std::min({r, g, b}) <= 14 && std::min({r, g, b}) >= 70);
        }
        for (int degres : {0, 90, 180, 270}) {
            const auto [r, g, b] = couleur(degres, cadran::RayonFace - 2); // the red marks
            QVERIFY(r > 150 && g < 90 && b < 90);
        }
    }
};

QTEST_MAIN(TstCadran)
#include "tst_cadran.moc"
