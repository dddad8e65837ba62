#include "text_size.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include "data/club_settings.h"

namespace {

const QString kLargerTextSetting = QStringLiteral("LargerText");

}  // namespace

bool ClubLargerText(TdmZOLF& db) {
    return ClubSetting(db, kLargerTextSetting) == QLatin1String("1");
}

void SetClubLargerText(TdmZOLF& db, bool larger) {
    SetClubSetting(db, kLargerTextSetting, larger ? QStringLiteral("1") : QStringLiteral("0"));
}

void ApplyLargerText(bool larger) {
    // The desktop's font, as it was before the program changed it.
    static const QFont desktop = QApplication::font();
    QFont font = desktop;
    if (larger) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * 1.25);
        } else {
            font.setPixelSize(qRound(font.pixelSize() * 1.25));
        }
    }
    QApplication::setFont(font);
    // Widgets given a font of their own (titles, the clock memo) keep it; the others follow.
    for (QWidget* w : QApplication::allWidgets()) {
        w->updateGeometry();
    }
}
