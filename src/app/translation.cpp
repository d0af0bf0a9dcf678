#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace Translation {
namespace {

// The program's catalogue and the toolkit's, each replaced when another language is installed.
std::unique_ptr<QTranslator> programSlot, toolkitSlot;

// Loads the catalogue named base for locale from directory into slot; false if none.
bool load(std::unique_ptr<QTranslator> &slot, const QLocale &locale, const QString &base,
          const QString &directory) {
    // The catalogue replaced takes itself out of the application as it goes.
    slot = std::make_unique<QTranslator>();
    bool found = slot->load(locale, base, QStringLiteral("_"), directory);
    // Portuguese speakers outside Brazil read the Brazilian catalogue rather than English.
    if (!found && locale.language() == QLocale::Portuguese)
        found = slot->load(QLocale(QLocale::Portuguese, QLocale::Brazil), base, QStringLiteral("_"),
                           directory);
    // One not found stays empty and out of the application.
    return found && QCoreApplication::installTranslator(slot.get());
}

} // namespace

bool Install(const QLocale &locale) {
    load(toolkitSlot, locale, QStringLiteral("qtbase"),
         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return load(programSlot, locale, QStringLiteral("zembrofact"), QStringLiteral(":/i18n"));
}

} // namespace Translation
