#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "setup/club_setup.h"

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

}  // namespace

QString InstallLanguage(const QString& code) {
    for (const auto& t : installed()) {
        QCoreApplication::removeTranslator(t.get());
    }
    installed().clear();
    if (code.isEmpty() || code == QLatin1String("en")) {
        return QStringLiteral("en");
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/kestrava_%1.qm").arg(code))) {
        return QStringLiteral("en");
    }
    QCoreApplication::installTranslator(own.get());
    installed().push_back(std::move(own));
    // Qt's own dialogs (buttons, file and print dialogs) when the system has their translations.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    return code;
}

QString InstallClubLanguage(TdmZOLF& db) {
    const std::optional<ClubSetupFields> club = LoadClubSetup(db);
    const int position = club ? club->language : 0;
    return InstallLanguage(ClubLanguageCode(position));
}
