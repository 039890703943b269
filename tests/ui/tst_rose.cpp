// The needle: how it reads the azimuth text, where each redraw puts it, and what it paints.
#include "geometrie_cadran.h"
#include "rose.h"
#include "twips.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <numbers>

using vantrel::ui::Rose;
using vantrel::ui::ValeurTexte;
namespace cadran = vantrel::cadran;

class TstRose : public QObject {
    Q_OBJECT

private slots:
    void lecture_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("suivi de lettres") << "12abc" << 12.0;
        QTest::newRow("pas un nombre") << "abc" << 0.0;
        QTest::newRow("blancs partout") << "\t4\n5 " << 45.0;
        QTest::newRow("décimale") << "1 . 5" << 1.5;
        QTest::newRow("virgule") << "3,5" << 3.0;
        QTest::newRow("second point") << "0.5.5" << 0.5;
        QTest::newRow("point seul en tête") << ".25" << 0.25;
        QTest::newRow("point sans chiffre") << "." << 0.0;
        QTest::newRow("signes") << "-90" << -90.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("signe seul") << "-" << 0.0;
        QTest::newRow("exposant") << "4500E-2" << 45.0;
        QTest::newRow("exposant en d") << "1d2" << 100.0;
        QTest::newRow("exposant sans chiffre") << "2e+x" << 2.0;
        QTest::newRow("hors des doubles") << "1e999" << 0.0;
        QTest::newRow("retour chariot non sauté") << "\r45" << 0.0;
    }
    void lecture() {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QCOMPARE(ValeurTexte(texte), valeur);
    }

    // Every whole azimuth, and some beyond a turn: the needle turns round the pivot, keeps its
    // length and points along the azimuth, clockwise from the top (to the five decimals of pi
    // it turns with).
    void trace() {
        for (int degres = -360; degres <= 720; ++degres) {
            Rose rose(QLineF(1155, 465, 1155, 1101), nullptr);
            rose.Azimut_Change(QString::number(degres));
            const QLineF ligne = rose.twips();
            QCOMPARE(ligne.p2(), QPointF(cadran::PivotX, cadran::PivotY));
            QVERIFY(std::abs(ligne.length() - cadran::LongueurAiguille) < 0.01);
            const double vers = std::atan2(-ligne.dx(), ligne.dy()) * 180 / std::numbers::pi;
            const double ecart = std::remainder(vers - degres * 3.14159 / std::numbers::pi, 360);
            QVERIFY2(std::abs(ecart) < 5e-5, qPrintable(QString::number(degres)));
        }
    }

    void peintEnBlancPar3Pixels() {
        // On a black frame, only the needle and its 3-pixel width turn white.
        QWidget cadre;
        cadre.resize(160, 150);
        cadre.setAutoFillBackground(true);
        cadre.setPalette(QPalette(Qt::black));
        auto* rose = new Rose(QLineF(), &cadre);
        rose->setGeometry(cadre.rect());
        rose->Azimut_Change(u"90");
        const QImage image = cadre.grab().toImage();
        const QPointF centre = vantrel::ui::EnPixels(QPointF(cadran::PivotX, cadran::PivotY));
        const int x = qRound(centre.x()) + 20, y = qRound(centre.y());
        for (int dy : {-1, 0, 1}) {
            QCOMPARE(image.pixelColor(x, y + dy), QColor(Qt::white));
        }
        for (QPoint noir : {QPoint(x, y - 2), QPoint(x, y + 2), QPoint(x - 20, y - 20)}) {
            QCOMPARE(image.pixelColor(noir), QColor(Qt::black));
        }
    }
};

QTEST_MAIN(TstRose)
#include "tst_rose.moc"
