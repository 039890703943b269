// The two committed pictures: real JPEGs at the sizes the window lays out, and a dial whose face
// sits where the needle's geometry says it does.
#include "geometrie_cadran.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace vantrel::cadran;

QString ressource(const char* nom) {
    return QDir(QStringLiteral(VANTREL_RESOURCES_DIR)).filePath(QString::fromLatin1(nom));
}

enum class Teinte { Sombre, Gris, Rouge };

bool ressemble(QColor c, Teinte t) {
    const int r = c.red(), g = c.green(), b = c.blue();
    switch (t) {
    case Teinte::Sombre:
        return std::max({r, g, b}) < 50;
    case Teinte::Gris:
        return std::max({r, g, b}) - std::min({r, g, b}) <= 14 && std::min({r, g, b}) >= 70 &&
               std::max({r, g, b}) <= 215;
    case Teinte::Rouge:
        return r > 150 && g < 90 && b < 90;
    }
    return false;
}

/// The pixel at `rayon` from the face's centre towards a heading (degrees clockwise from north).
QPoint surLeCadran(double degres, double rayon) {
    const double a = degres * std::numbers::pi / 180;
    return {int(std::lround(CentreX + rayon * std::sin(a))),
            int(std::lround(CentreY - rayon * std::cos(a)))};
}

} // namespace

Q_DECLARE_METATYPE(Teinte)

class TstImages : public QObject {
    Q_OBJECT

private slots:
    void jpegALaBonneTaille_data() {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QSize>("taille");
        QTest::newRow("cadran") << ressource("cadran.jpg") << QSize(CotePixels, CotePixels);
        QTest::newRow("carte") << ressource("carte.jpg") << QSize(186, 172);
    }

    void jpegALaBonneTaille() {
        QFETCH(QString, chemin);
        QFETCH(QSize, taille);

        // Decided from the bytes, not from the file name.
        QImageReader lecteur(chemin);
        lecteur.setDecideFormatFromContent(true);
        QVERIFY2(lecteur.canRead(), qPrintable(chemin + ": " + lecteur.errorString()));
        QCOMPARE(lecteur.format(), QByteArray("jpeg"));
        QCOMPARE(lecteur.size(), taille);

        const QImage image = lecteur.read();
        QVERIFY2(!image.isNull(), qPrintable(lecteur.errorString()));
        QCOMPARE(image.size(), taille);
    }

    // Points placed from the geometry constants must fall on the matching part of the picture:
    // if the face drifted from the needle's pivot, the red marks and the rim would miss them.
    void cadranSuitSaGeometrie_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Teinte>("teinte");

        const double margeFace = (RayonGraduations + RayonFace) / 2;
        const double interieur = (DemiEnvergure + RayonChiffres) / 2 - 2;
        const double plaque = RayonLunette + 6;
        for (int degres : {45, 135, 225, 315}) {
            const QByteArray d = QByteArray::number(degres);
            QTest::newRow(("face, bord à " + d).constData())
                << surLeCadran(degres, margeFace) << Teinte::Sombre;
            QTest::newRow(("face, intérieur à " + d).constData())
                << surLeCadran(degres, interieur) << Teinte::Sombre;
            QTest::newRow(("plaque au-delà de la lunette à " + d).constData())
                << surLeCadran(degres, plaque) << Teinte::Gris;
        }
        for (int degres : {0, 90, 180, 270}) {
            QTest::newRow(("repère rouge à " + QByteArray::number(degres)).constData())
                << surLeCadran(degres, RayonFace - 2) << Teinte::Rouge;
        }
        const int bord = CotePixels - 3;
        for (QPoint coin : {QPoint(2, 2), QPoint(bord, 2), QPoint(2, bord), QPoint(bord, bord)}) {
            QTest::newRow(qPrintable(QStringLiteral("coin %1,%2").arg(coin.x()).arg(coin.y())))
                << coin << Teinte::Gris;
        }
    }

    void cadranSuitSaGeometrie() {
        QFETCH(QPoint, point);
        QFETCH(Teinte, teinte);

        static const QImage cadran(ressource("cadran.jpg"), "jpeg");
        QVERIFY(!cadran.isNull());
        const QColor c = cadran.pixelColor(point);
        QVERIFY2(ressemble(c, teinte),
                 qPrintable(
                     QStringLiteral("(%1, %2) is %3").arg(point.x()).arg(point.y()).arg(c.name())));
    }
};

QTEST_GUILESS_MAIN(TstImages)
#include "tst_images.moc"
