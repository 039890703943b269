// Qt's own texts (standard buttons, the text boxes' context menu) in a given language, from the
// translations Qt ships (Debian package qt6-translations-l10n). The window's texts are French
// in the code; these are the ones Qt supplies.
#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace vantrel::ui {

/// Loads Qt's translation for `langue` into `traducteur`, falling back from a region to its
/// language (fr_CA to fr). Returns false when Qt has none for it; its texts then stay English.
inline bool chargeTraductionsQt(QTranslator& traducteur, const QLocale& langue) {
    return traducteur.load(langue, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace vantrel::ui
