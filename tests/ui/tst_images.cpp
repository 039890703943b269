// The two committed pictures: real JPEGs at the sizes the window lays out, and a dial whose face
// sits where the needle's geometry says it does.
#include "geometrie_cadran.h"

#include <QImageReader>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <numbers>

using namespace vantrel::cadran;

class TstImages : public QObject {
    Q_OBJECT

private slots:
    void jpegALaBonneTaille() {
        for (const auto& [nom, taille] : {std::pair{"cadran.jpg", QSize(CotePixels, CotePixels)},
                                          {"carte.jpg", QSize(186, 172)}}) {
            QImageReader lecteur(QStringLiteral(VANTREL_RESOURCES_DIR "/") + nom);
            lecteur.setDecideFormatFromContent(true); // from the bytes, not from the name
            QCOMPARE(lecteur.format(), QByteArray("jpeg"));
            QCOMPARE(lecteur.read().size(), taille);
        }
    }

    // Points placed from the geometry constants fall on the matching part of the picture: if
    // the face drifted from the needle's pivot, the red marks and the rim would miss them.
    void cadranSuitSaGeometrie() {
        const QImage cadran(QStringLiteral(VANTREL_RESOURCES_DIR "/cadran.jpg"), "jpeg");
        const auto couleur = [&](double degres, double rayon) {
            const double a = degres * std::numbers::pi / 180;
            return cadran.pixelColor(int(std::lround(CentreX + rayon * std::sin(a))),
                                     int(std::lround(CentreY - rayon * std::cos(a))));
        };
        const auto sombre = [](QColor c) { return std::max({c.red(), c.green(), c.blue()}) < 50; };
        const auto gris = [](QColor c) {
            const int haut = std::max({c.red(), c.green(), c.blue()});
            const int bas = std::min({c.red(), c.green(), c.blue()});
            return haut - bas <= 14 && bas >= 70 && haut <= 215;
        };
        for (int degres : {45, 135, 225, 315}) {
            QVERIFY(sombre(couleur(degres, (RayonGraduations + RayonFace) / 2)));
            QVERIFY(sombre(couleur(degres, (DemiEnvergure + RayonChiffres) / 2 - 2)));
            QVERIFY(gris(couleur(degres, RayonLunette + 6)));
        }
        for (int degres : {0, 90, 180, 270}) {
            const QColor rouge = couleur(degres, RayonFace - 2);
            QVERIFY(rouge.red() > 150 && rouge.green() < 90 && rouge.blue() < 90);
        }
    }
};

QTEST_GUILESS_MAIN(TstImages)
#include "tst_images.moc"
