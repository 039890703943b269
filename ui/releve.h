// For checking an installed build from outside (packaging/windows/essais-wine.sh): when the
// environment variable VANTREL_RELEVE names a file, the program writes there, as it quits, the
// name and text of each of its text boxes, one "name=text" a line, then the folder where Qt
// looks for its own translations and Qt's text for "Select All" in the language it loaded.
// Without the variable nothing is connected and nothing is written.
#pragma once

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QTextStream>

namespace vantrel::ui {

inline void EcritReleveEnQuittant(const QWidget& fenetre) {
    const QString chemin = qEnvironmentVariable("VANTREL_RELEVE");
    if (chemin.isEmpty()) {
        return;
    }
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [&fenetre, chemin] {
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly | QIODevice::Text)) {
            return;
        }
        QTextStream releve(&fichier);
        for (const QLineEdit* champ : fenetre.findChildren<QLineEdit*>()) {
            releve << champ->objectName() << '=' << champ->text() << '\n';
        }
        releve << "traductions=" << QLibraryInfo::path(QLibraryInfo::TranslationsPath) << '\n'
               << "Select All=" << QLineEdit::tr("Select All") << '\n';
    });
}

} // namespace vantrel::ui
