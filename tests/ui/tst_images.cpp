// The committed dial: a real JPEG at the size the window lays out, whose face sits where the
// needle's geometry says it does.
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
    // The pixels compiled into the window are those of the committed JPEGs, read by another
    // decoder (tools/en-ppm.sh made them): the same sizes, each channel within a few steps.
    void pixelsDesJpeg() {
        for (const char* nom : {"cadran", "carte"}) {
            const QString chemin = QStringLiteral(VANTREL_RESOURCES_DIR "/") + nom;
            const QImage jpeg =
                QImage(chemin + ".jpg", "JPEG").convertToFormat(QImage::Format_RGB888);
            const QImage ppm =
                QImage(chemin + ".ppm", "PPM").convertToFormat(QImage::Format_RGB888);
            QCOMPARE(ppm.size(), jpeg.size());
            int ecart = 0;
            for (int y = 0; y < ppm.height(); ++y) {
                for (qsizetype i = 0; i < ppm.bytesPerLine(); ++i) {
                    ecart = std::max(ecart,
                                     std::abs(ppm.constScanLine(y)[i] - jpeg.constScanLine(y)[i]));
                }
            }
            QVERIFY2(ecart <= 3, qPrintable(QStringLiteral("%1: %2").arg(nom).arg(ecart)));
        }
    }

    // Points placed from the geometry constants fall on the matching part of the picture: if
    // the face drifted from the needle's pivot, the red marks and the rim would miss them.
    void cadranSuitSaGeometrie() {
        QImageReader lecteur(QStringLiteral(VANTREL_RESOURCES_DIR "/cadran.jpg"));
        lecteur.setDecideFormatFromContent(true); // from the bytes, not from the name
        QCOMPARE(lecteur.format(), QByteArray("jpeg"));
        const QImage cadran = lecteur.read();
        QCOMPARE(cadran.size(), QSize(CotePixels, CotePixels));
        const auto couleur = [&](double degres, double rayon) {
            const double a = degres * std::numbers::pi / 180;
            const QColor c = cadran.pixelColor(int(std::lround(CentreX + rayon * std::sin(a))),
                                               int(std::lround(CentreY - rayon * std::cos(a))));
            return std::array{c.red(), c.green(), c.blue()};
        };
        for (int degres : {45, 135, 225, 315}) {
            for (double rayon :
                 {(RayonGraduations + RayonFace) / 2, (DemiEnvergure + RayonChiffres) / 2 - 2}) {
                QVERIFY(std::ranges::max(couleur(degres, rayon)) < 50); // the black face
            }
            const auto [r, g, b] = couleur(degres, RayonLunette + 6); // the grey plate
            QVERIFY(std::max({r, g, b}) - std::min({r, g, b}) <= 14 && std::min({r, g, b}) >= 70);
        }
        for (int degres : {0, 90, 180, 270}) {
            const auto [r, g, b] = couleur(degres, RayonFace - 2); // the red marks
            QVERIFY(r > 150 && g < 90 && b < 90);
        }
    }
};

QTEST_GUILESS_MAIN(TstImages)
#include "tst_images.moc"
