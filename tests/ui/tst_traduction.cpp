// Qt's own texts in French: the translation the program loads at start-up (ui/traductions_qt.h,
// called from main) turns the standard buttons French. Registered with a French system locale.
#include "traductions_qt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TstTraduction : public QObject {
    Q_OBJECT

private slots:
    void boutonsStandard_data();
    void boutonsStandard();
    void langueDuSysteme();
};

namespace {

QString texteAnnuler() {
    QDialogButtonBox boutons(QDialogButtonBox::Cancel);
    return boutons.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

void TstTraduction::boutonsStandard_data() {
    QTest::addColumn<QString>("langue");
    QTest::addColumn<bool>("chargee");
    QTest::addColumn<QString>("annuler");

    QTest::newRow("France") << "fr_FR" << true << "Annuler";
    QTest::newRow("Canada, by the language alone") << "fr_CA" << true << "Annuler";
    QTest::newRow("Belgique, by the language alone") << "fr_BE" << true << "Annuler";
    // Qt ships no Esperanto: nothing is loaded and the built-in English stays.
    QTest::newRow("no translation") << "eo" << false << "Cancel";
}

void TstTraduction::boutonsStandard() {
    QFETCH(QString, langue);
    QFETCH(bool, chargee);
    QFETCH(QString, annuler);

    QTranslator traducteur;
    QCOMPARE(vantrel::ui::chargeTraductionsQt(traducteur, QLocale(langue)), chargee);
    QApplication::installTranslator(&traducteur);
    const QString texte = texteAnnuler();
    QApplication::removeTranslator(&traducteur);
    QCOMPARE(texte, annuler);
}

// What main() does: the system's locale, here French, gives French buttons, and the message
// box the window shows keeps a button that reads "OK".
void TstTraduction::langueDuSysteme() {
    QCOMPARE(QLocale::system().language(), QLocale::French);
    QTranslator traducteur;
    QVERIFY2(vantrel::ui::chargeTraductionsQt(traducteur, QLocale::system()),
             qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                        QStringLiteral(": no qtbase_fr.qm (package qt6-translations-l10n)")));
    QApplication::installTranslator(&traducteur);
    QCOMPARE(texteAnnuler(), QStringLiteral("Annuler"));

    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Vantrel"),
                      QStringLiteral("Saise incorrect "), QMessageBox::Ok);
    QCOMPARE(boite.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    QApplication::removeTranslator(&traducteur);
}

QTEST_MAIN(TstTraduction)
#include "tst_traduction.moc"
