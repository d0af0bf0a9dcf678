#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace Translation {
namespace {

std::unique_ptr<QTranslator> &installed(int which) {
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

// Loads the catalogue named base for locale from directory into slot which; false if none.
bool load(int which, const QLocale &locale, const QString &base, const QString &directory) {
    auto &slot = installed(which);
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    bool found = slot->load(locale, base, QStringLiteral("_"), directory);
    // Portuguese speakers outside Brazil read the Brazilian catalogue rather than English.
    if (!found && locale.language() == QLocale::Portuguese)
        found = slot->load(QLocale(QLocale::Portuguese, QLocale::Brazil), base, QStringLiteral("_"),
                           directory);
    if (!found) {
        slot.reset();
        return false;
    }
    QCoreApplication::installTranslator(slot.get());
    return true;
}

} // namespace

bool Install(const QLocale &locale) {
    load(1, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return load(0, locale, QStringLiteral("zembrofact"), QStringLiteral(":/i18n"));
}

} // namespace Translation
