// Where the window's parts stand and how they read: every text to the letter, every control in
// its place and every text whole and legible, the prompt's box, a frame's drawing.
#include "cadretitre.h"
#include "disposition.h"
#include "fenetre_pilotee.h"
#include "vantrel/constantes.h"
#include "vantrel/distance.h"
#include "vantrel/position.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOption>
#include <QTimer>
#include <algorithm>
#include <ranges>

namespace {

// How far the text in a part of a picture stands out from what it is drawn on (the colour at the
// part's top left): the contrast ratio of relative luminances, 1 to 21, of its farthest pixel.
double Contraste(const QImage& image, QRect partie) {
    const auto luminance = [](QColor c) {
        const auto l = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * l(c.redF()) + 0.7152 * l(c.greenF()) + 0.0722 * l(c.blueF()) + 0.05;
    };
    const double fond = luminance(image.pixelColor(partie.topLeft()));
    double contraste = 1;
    for (int i = 0; i < partie.width() * partie.height(); ++i) {
        const double l = luminance(
            image.pixelColor(partie.topLeft() + QPoint(i % partie.width(), i / partie.width())));
        contraste = std::max(contraste, std::max(l, fond) / std::min(l, fond));
    }
    return contraste;
}

} // namespace

// Every text the user reads in the window, written out here to the letter (the program's
// spelling, its spaces): a one-character change to any of them fails. The prompts are held to
// the letter by the core's tests (tests/core/tst_locator.cpp, tst_evenements.cpp).
void TstFrmVantrel::textesAffiches() {
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Vantrel"));
    QCOMPARE(fenetre->menuBar()->actions().value(0)->text(), QStringLiteral("&Quitter"));
    // The about box ends with the release's version and date.
    // clang-format off
    const std::pair<const char*, const char*> textes[] = {
        {"Frame1", "Azimut"}, {"Frame4", ""}, {"Frame5", "A propos de Vantrel"},
        {"Frame2", "Calcul locator"}, {"Frame3", "Calcul des distances "},
        {"Label3(0)", " Créé par :            l'équipe Vantrel"},
        {"Label3(1)", "Locator :             JN38DM"},
        {"Label3(2)", "Contact :             vt@example.org"},
        {"Label3(3)", "Version :             …"}, {"Label3(4)", "Date :                  …"},
        {"Label1(2)", "Degrés"}, {"Label1(3)", "Minutes"}, {"Label1(5)", "Seconde"},
        {"Label1(4)", "Est-Ouest"}, {"Label1(1)", "Longitude:"}, {"Label1(8)", "Degrés"},
        {"Label1(7)", "Minutes"}, {"Label1(9)", "Seconde"}, {"Label1(6)", "Nord-Sud"},
        {"Label1(0)", "Latitude:"}, {"Cmd", "&Calcul locator"}, {"Label2(2)", "Locator :"},
        {"Label1(18)", "Longitude"}, {"Label1(19)", "Latitude"},
        {"Label1(13)", "Locator de départ"}, {"Label1(17)", "Longitude"},
        {"Label1(20)", "Latitude"}, {"Label1(14)", "Locator d'arrvée"}, {"CmdEfface", "&Clear"},
        {"Label1(16)", "Distance kilomètres"}, {"Label1(15)", " Azimut Degrés."},
        {"Command1", "C&alcul"}, {"MonLocator", " "}, {"Slo", "0"}, {"Sla", "0"},
        {"SonLocator", ""}, {"Dlo", ""}, {"TxtLocator", ""},
    };
    // clang-format on
    for (const auto& [nom, attendu] : textes) {
        QWidget* c = w(nom);
        QVERIFY2(c, nom);
        // A frame's caption, a label's, a button's or a text box's text.
        const QString vu = c->property(qobject_cast<QGroupBox*>(c) ? "title" : "text").toString();
        // "…": the text goes on past what is written.
        const QString texte = QString::fromUtf8(attendu);
        if (texte.endsWith(u'…')) {
            QVERIFY2(vu.startsWith(texte.chopped(1)) && vu.size() >= texte.size(), nom);
        } else {
            QCOMPARE(vu, texte);
        }
    }
    for (const auto& [nom, articles] : {std::pair{"Elo", "Est|Ouest"}, {"Ela", "Nord|Sud"}}) {
        auto* liste = w<QComboBox>(nom);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->itemText(0) + "|" + liste->itemText(1), QString::fromUtf8(articles));
    }
    QCOMPARE(w("Dlo")->toolTip(), QStringLiteral("Exemple 006 7 Est"));
    QCOMPARE(w("Dla")->toolTip(), QStringLiteral("Exemple 48 35 Nord"));
}

// Every control stands in its own place inside its frame; both pictures are there at the size
// of their rectangle.
void TstFrmVantrel::controlesALeurPlace() {
    for (auto* cadre : fenetre->centralWidget()->findChildren<QGroupBox*>()) {
        const auto controles = cadre->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* c : controles) {
            QVERIFY2(cadre->rect().contains(c->geometry()), qPrintable(c->objectName()));
            for (QWidget* autre : controles) {
                QVERIFY(c == autre || c->pos() != autre->pos());
            }
        }
    }
    for (const char* nom : {"Image1", "Image2"}) {
        QCOMPARE(w<QLabel>(nom)->pixmap().deviceIndependentSize().toSize(), w(nom)->size());
    }
}

// Every text reads (a contrast of 4.5 or more) on the desktop's light colours and on dark
// ones: the labels and captions keep their colours on the window's own light face. The
// greyed label is meant not to stand out.
void TstFrmVantrel::lisibleSousToutesCouleurs() {
    const QPalette systeme = QApplication::palette();
    for (const QPalette& palette : {systeme, QPalette(QColor(50, 50, 50))}) {
        QApplication::setPalette(palette);
        ouvre();
        distance("jn38dm", "fn20xr");
        fenetre->EcritChamp(vantrel::Champ::TxtLocator, "JN38FL");
        const QImage image = fenetre->grab().toImage();
        // The locator found shows in its yellow box, on the window's light grey, whatever the
        // desktop's colours.
        QCOMPARE(image.pixelColor(w("TxtLocator")->mapTo(fenetre.get(), QPoint(3, 3))),
                 QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(w("Label1(13)")->mapTo(fenetre.get(), QPoint(1, 1))),
                 QColor(239, 239, 239));
        std::vector<std::pair<QWidget*, QRect>> textes;
        for (auto* c : fenetre->findChildren<vantrel::ui::CadreTitre*>()) {
            textes.emplace_back(c, QRect(9, 0, 30, 2 * c->hautBordure()));
        }
        for (auto* e : fenetre->findChildren<QLabel*>()) {
            textes.emplace_back(e, e->isEnabled() && e->pixmap().isNull() ? e->rect() : QRect());
        }
        for (auto* b : fenetre->findChildren<QLineEdit*>()) {
            textes.emplace_back(b,
                                b->text().isEmpty() ? QRect() : b->rect().adjusted(3, 3, -3, -3));
        }
        for (const auto& [w, partie] : textes) {
            const double c = Contraste(image, partie.translated(w->mapTo(fenetre.get(), QPoint())));
            QVERIFY2(partie.isEmpty() || c >= 4.5,
                     qPrintable(w->objectName() + QString::number(c)));
        }
    }
    QApplication::setPalette(systeme);
}

// The real prompt: a modal box titled as the window, the text alone, one OK button, wide
// enough for its title (here longer than its text) on a title bar beside the icon and
// buttons there, as the style draws such a bar.
void TstFrmVantrel::boiteDeMessage() {
    fenetre->RemplaceInvite({});
    fenetre->setWindowTitle(QStringLiteral("Vantrel, les locators et leurs distances"));
    int place = -1, titre = 0; // a place of -1: no box came
    QTimer::singleShot(0, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite);
        // Closed whatever the checks find: a box left open would hold the suite until its
        // timeout instead of failing it.
        const auto ferme = qScopeGuard([boite] { boite->accept(); });
        QCoreApplication::sendPostedEvents(); // its layout settled, as when it is drawn
        QCOMPARE(boite->windowTitle(), fenetre->windowTitle());
        QCOMPARE(boite->text(), QString::fromUtf8(vantrel::essais::SaisieIncorrecte));
        QCOMPARE(boite->icon(), QMessageBox::NoIcon);
        QCOMPARE(boite->buttons().size(), 1);
        const QStyle* style = boite->style();
        QStyleOptionTitleBar barre;
        barre.initFrom(boite);
        barre.titleBarFlags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        barre.rect = QRect(0, 0, boite->width(), style->pixelMetric(QStyle::PM_TitleBarHeight));
        place =
            style->subControlRect(QStyle::CC_TitleBar, &barre, QStyle::SC_TitleBarLabel).width();
        titre = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont))
                    .horizontalAdvance(boite->windowTitle());
    });
    clique("Cmd");
    QVERIFY2(place >= titre, qPrintable(QStringLiteral("%1 %2").arg(place).arg(titre)));
}

// A frame draws its border, and its caption in the caption's colour and face (here larger
// than the frame's own: it reaches below the frame's line height).
void TstFrmVantrel::cadrePeint() {
    QFont grande = QApplication::font();
    grande.setPointSize(3 * grande.pointSize());
    vantrel::ui::CadreTitre cadre(QStringLiteral("MMMM"), grande, Qt::blue, nullptr);
    cadre.resize(120, 60);
    const QImage image = cadre.grab().toImage();
    const int hauteur = cadre.fontMetrics().height();
    // The caption, below the frame's own line height.
    QVERIFY(std::ranges::any_of(std::views::iota(0, 120 * (60 - hauteur)), [&](int i) {
        return image.pixel(i % 120, hauteur + i / 120) == qRgb(0, 0, 255);
    }));
    QCOMPARE(image.pixel(119, 55), cadre.palette().color(QPalette::Mid).rgb());
    QCOMPARE(image.pixel(60, 59), cadre.palette().color(QPalette::Mid).rgb());
    // The border runs half the caption's height down, and stops short of the caption.
    QCOMPARE(image.pixel(0, 1), cadre.palette().color(QPalette::Window).rgb());
    QCOMPARE(image.pixel(7, cadre.hautBordure()), cadre.palette().color(QPalette::Window).rgb());
    // Without a caption the border runs along the top edge.
    cadre.setTitle({});
    QCOMPARE(cadre.grab().toImage().pixel(60, 0), cadre.palette().color(QPalette::Mid).rgb());
}

// Every text shows whole in its control, in the face the control has and at the layout's
// size: the captions, labels and buttons, the lists' items, and the widest text the program
// writes into each result box, which need not scroll to show its end (the cursor at the end
// stands as far from the start as the text is wide, to the pixel).
void TstFrmVantrel::textesEntiers() {
    QStringList coupes; // the texts cut short
    for (const vantrel::ui::Element& e : vantrel::ui::Elements) {
        QWidget* c = w(QString::fromUtf8(e.nom.data(), qsizetype(e.nom.size())));
        QStringList textes{QString::fromUtf8(e.plusLarge ? e.plusLarge : e.texte)};
        auto* cadre = qobject_cast<vantrel::ui::CadreTitre*>(c);
        const QFont police = cadre ? cadre->policeTitre() : c->font();
        QCOMPARE(police.pointSizeF(), e.points); // the layout's size, narrowed or not
        QVERIFY2(QFontDatabase::isSmoothlyScalable(QFontInfo(police).family()),
                 qPrintable(c->objectName()));
        QRect place = c->contentsRect();
        if (cadre) {
            place.adjust(cadre->RetraitTexte, 0, -cadre->RetraitTexte, 0);
        } else if (auto* bouton = qobject_cast<QPushButton*>(c)) {
            QStyleOptionButton option;
            option.initFrom(bouton);
            option.features = QStyleOptionButton::AutoDefaultButton;
            place = c->style()->subElementRect(QStyle::SE_PushButtonContents, &option, c);
            textes = {bouton->text().remove('&')};
        } else if (auto* liste = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox option;
            option.initFrom(liste);
            place = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                               QStyle::SC_ComboBoxEditField, c);
            place.setLeft(place.left() + 1); // where its text starts
            textes = {liste->itemText(0), liste->itemText(1)};
        } else if (auto* boite = qobject_cast<QLineEdit*>(c); boite && e.estResultat()) {
            const int debut = boite->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            boite->setText(textes[0]); // the cursor at its end
            boite->repaint();          // where the box scrolls its text to
            const int fin = boite->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            if (fin - debut < QFontMetrics(police, c).horizontalAdvance(textes[0])) {
                coupes << c->objectName() + ": " + textes[0];
            }
            continue;
        }
        for (const QString& t : textes) {
            if (QFontMetrics(police, c).horizontalAdvance(t) > place.width()) {
                coupes << c->objectName() + ": " + t;
            }
        }
    }
    QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(" | ")));
}

// The widest text the layout gives each result box is no narrower, in the box's face, than any
// text the program can write there: every coordinate of every square and subsquare, every
// distance up to half the circumference, every azimuth, and every locator of doubled characters
// (among them the widest character each position takes, twice).
void TstFrmVantrel::plusLargesEnumeres() {
    using namespace vantrel;
    QStringList latitudes, longitudes, distances, azimuts, locators;
    for (char champ = 'A'; champ <= 'R'; ++champ) {
        for (char carre = '0'; carre <= '9'; ++carre) {
            for (char sousCarre = 'A'; sousCarre <= 'X'; ++sousCarre) {
                const std::string texte = {champ, champ, carre, carre, sousCarre, sousCarre};
                const Locator locator = *VerifieLocator(texte).locator;
                locators << QString::fromStdString(texte);
                latitudes << QString::fromUtf8(TexteCoordonnee(LatitudeLocator(locator)));
                longitudes << QString::fromUtf8(TexteCoordonnee(LongitudeLocator(locator)));
            }
        }
    }
    for (long long n = 0; n <= ArrondiDistance(CirconferenceTerre / 2); ++n) {
        (n <= TourComplet ? azimuts : distances) << QString::number(n);
    }
    const std::pair<const char*, QStringList> cas[] = {{"MaLati", latitudes},
                                                       {"SaLati", latitudes},
                                                       {"MaLongi", longitudes},
                                                       {"SaLongi", longitudes},
                                                       {"Distance", distances + azimuts},
                                                       {"Azimut", azimuts},
                                                       {"TxtLocator", locators}};
    // Boxes that show the same texts read alike, in one face.
    QCOMPARE(w("MaLati")->font(), w("SaLati")->font());
    QCOMPARE(w("MaLongi")->font(), w("SaLongi")->font());
    for (const auto& [nom, textes] : cas) {
        const auto ligne =
            std::ranges::find(ui::Elements, std::string_view(nom), &ui::Element::nom);
        const QFontMetrics mesure(w(nom)->font(), w(nom));
        const int place = mesure.horizontalAdvance(QString::fromUtf8(ligne->plusLarge));
        for (const QString& texte : textes) {
            QVERIFY2(mesure.horizontalAdvance(texte) <= place, qPrintable(nom + (": " + texte)));
        }
    }
}
