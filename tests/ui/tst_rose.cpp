// The needle: how it reads the azimuth text, where each redraw puts it, and what it paints.
#include "disposition.h"
#include "rose.h"

#include <QImage>
#include <QTest>

using vantrel::ui::EnPixels;
using vantrel::ui::Rose;
using vantrel::ui::ValeurTexte;

class TstRose : public QObject {
    Q_OBJECT

private slots:
    void lecture_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("entier") << "295" << 295.0;
        QTest::newRow("suivi de lettres") << "12abc" << 12.0;
        QTest::newRow("pas un nombre") << "abc" << 0.0;
        QTest::newRow("blancs partout") << " 4 5" << 45.0;
        QTest::newRow("tabulation et saut de ligne") << "\t4\n5 " << 45.0;
        QTest::newRow("décimale") << "1 . 5" << 1.5;
        QTest::newRow("virgule") << "3,5" << 3.0;
        QTest::newRow("second point") << "0.5.5" << 0.5;
        QTest::newRow("point seul en tête") << ".25" << 0.25;
        QTest::newRow("point sans chiffre") << "." << 0.0;
        QTest::newRow("négatif") << "-90" << -90.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("signe seul") << "-" << 0.0;
        QTest::newRow("exposant") << "1.5e1" << 15.0;
        QTest::newRow("exposant signé") << "4500E-2" << 45.0;
        QTest::newRow("exposant en d") << "1d2" << 100.0;
        QTest::newRow("exposant sans chiffre") << "2e" << 2.0;
        QTest::newRow("exposant sans chiffre après signe") << "2e+x" << 2.0;
        QTest::newRow("hors des doubles") << "1e999" << 0.0;
        QTest::newRow("retour chariot non sauté") << "\r45" << 0.0;
        QTest::newRow("espace insécable non sauté") << "\u00a045" << 0.0;
    }

    void lecture() {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QCOMPARE(ValeurTexte(texte), valeur);
    }

    void trace_data() {
        QTest::addColumn<QString>("azimut");
        QTest::addColumn<QPointF>("pointe");
        QTest::newRow("vide") << "" << QPointF(1272, 480);
        QTest::newRow("0") << "0" << QPointF(1272, 480);
        QTest::newRow("45") << "45" << QPointF(1721.7, 666.3);
        QTest::newRow("90") << "90" << QPointF(1908, 1116);
        QTest::newRow("180") << "180" << QPointF(1272, 1752);
        QTest::newRow("270") << "270" << QPointF(636, 1116);
        QTest::newRow("295") << "295" << QPointF(695.6, 847.2);
        QTest::newRow("360") << "360" << QPointF(1272, 480);
        QTest::newRow("au-delà d'un tour") << "405" << QPointF(1721.7, 666.3);
        QTest::newRow("négatif") << "-90" << QPointF(636, 1116);
        QTest::newRow("lettres après") << "90abc" << QPointF(1908, 1116);
        QTest::newRow("lettres") << "abc" << QPointF(1272, 480);
    }

    void trace() {
        QFETCH(QString, azimut);
        QFETCH(QPointF, pointe);
        Rose rose(QLineF(1155, 465, 1155, 1101), nullptr);
        rose.Azimut_Change(azimut);
        const QLineF ligne = rose.twips();
        QVERIFY2(QLineF(ligne.p1(), pointe).length() < 0.05,
                 qPrintable(QStringLiteral("tip at %1, %2").arg(ligne.x1()).arg(ligne.y1())));
        QCOMPARE(ligne.p2(), QPointF(1272, 1116));
        // Whatever the angle, the needle keeps its length.
        QVERIFY(qAbs(ligne.length() - 636) < 0.01);
    }

    void cinqDecimalesDePi() {
        // 3.14159 is a little short of pi: a full turn stops just left of the top.
        Rose rose(QLineF(), nullptr);
        rose.Azimut_Change(u"360");
        QVERIFY(rose.twips().x1() < 1272 && rose.twips().x1() > 1271.99f);
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

        const QPointF centre = EnPixels(QPointF(1272, 1116));
        const int y = qRound(centre.y());
        const int x = qRound(centre.x()) + 20;
        for (int dy : {-1, 0, 1}) {
            QCOMPARE(image.pixelColor(x, y + dy), QColor(Qt::white));
        }
        QCOMPARE(image.pixelColor(x, y - 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(x, y + 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(qRound(centre.x()), y - 20), QColor(Qt::black));
    }
};

QTEST_MAIN(TstRose)
#include "tst_rose.moc"
