// The second yardstick of the start-up benchmark: Vantrel's widget tree built plainly. The same
// controls at the same places, with the same texts and text sizes, list items and pictures, in a
// main window of the same size, and nothing else: no face chosen or fitted, no palettes, no
// translations, no accessibility factory, no handlers. What it costs over the bare window is
// what Qt itself costs for this window; what Vantrel costs over it is Vantrel's own.
#include "disposition.h"
#include "geometrie_cadran.h"
#include "twips.h"
#include "vantrel/hemispheres.h"
#include "zone_client.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <vector>

namespace {

using namespace vantrel::ui;

// A white line across its parent, as the needle is drawn.
class Aiguille : public QWidget {
public:
    Aiguille(QLineF ligne, QWidget* parent) : QWidget(parent), ligne_(ligne) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        peintre.setPen(QPen(Qt::white, 2));
        peintre.drawLine(QLineF(EnPixels(ligne_.p1()), EnPixels(ligne_.p2())));
    }

private:
    QLineF ligne_;
};

QWidget* Cree(const Element& e, QWidget* parent) {
    const QString texte = QString::fromUtf8(e.texte);
    const QRect place = EnPixels(QRect(e.gauche, e.haut, e.largeur, e.hauteur));
    QWidget* w = nullptr;
    switch (e.genre) {
    case Cadre:
        w = new QGroupBox(texte, parent);
        break;
    case Etiquette:
        w = new QLabel(texte, parent);
        break;
    case Texte:
        w = new QLineEdit(texte, parent);
        w->setEnabled(e.actif);
        break;
    case Liste: {
        auto* liste = new QComboBox(parent);
        const auto& mots = e.champ == vantrel::Champ::Elo ? vantrel::hemisphere::Longitude
                                                          : vantrel::hemisphere::Latitude;
        for (const auto mot : mots) {
            liste->addItem(QString::fromUtf8(mot.data(), static_cast<qsizetype>(mot.size())));
        }
        w = liste;
        break;
    }
    case Bouton:
        w = new QPushButton(texte, parent);
        break;
    case Image: {
        auto* image = new QLabel(parent);
        image->setPixmap(QPixmap::fromImage(
            QImage(QString::fromUtf8(e.image), "PPM")
                .scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        w = image;
        break;
    }
    case Ligne:
        w = new Aiguille(QLineF(e.gauche, e.haut, e.largeur, e.hauteur), parent);
        w->setGeometry(parent->rect());
        return w;
    }
    w->setGeometry(place);
    if (e.points != QApplication::font().pointSizeF() || e.souligne) {
        QFont police = w->font();
        police.setPointSizeF(e.points);
        police.setUnderline(e.souligne);
        w->setFont(police);
    }
    return w;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The layout's own text size, in Qt's default face.
    QFont police = QApplication::font();
    police.setPointSizeF(Element{}.points);
    QApplication::setFont(police);

    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Arbre"));
    auto* zoneClient = new QWidget(&fenetre);
    zoneClient->setFixedSize(TailleClient());
    fenetre.setCentralWidget(zoneClient);
    std::vector<QWidget*> widgets;
    for (const Element& e : Elements) {
        QWidget* parent = zoneClient;
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (Elements[i].nom == e.cadre) {
                parent = widgets[i];
            }
        }
        widgets.push_back(Cree(e, parent));
    }
    fenetre.menuBar()->addAction(QStringLiteral("&Quitter"), &application, &QApplication::quit);
    fenetre.setFixedSize(fenetre.sizeHint());

    fenetre.show();
    return application.exec();
}
