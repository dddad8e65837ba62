#include "local_settings.h"

#include <QSettings>

namespace {
const QString kPortKey = QStringLiteral("antenna/port");
const QString kGeometryKey = QStringLiteral("mainWindow/geometry");
const QString kSeatKey = QStringLiteral("seat/name");
}  // namespace

std::unique_ptr<QSettings> OpenLocalSettings() {
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Kestrava"),
                                       QStringLiteral("Kestrava"));
}

QString RememberedPort(QSettings& settings) {
    return settings.value(kPortKey).toString().trimmed();
}

void RememberPort(QSettings& settings, const QString& port) {
    settings.setValue(kPortKey, port.trimmed());
    settings.sync();
}

QString RememberedSeat(QSettings& settings) {
    return settings.value(kSeatKey).toString().trimmed();
}

void RememberSeat(QSettings& settings, const QString& seat) {
    settings.setValue(kSeatKey, seat.trimmed());
    settings.sync();
}

QByteArray RememberedWindowGeometry(QSettings& settings) {
    return settings.value(kGeometryKey).toByteArray();
}

void RememberWindowGeometry(QSettings& settings, const QByteArray& geometry) {
    settings.setValue(kGeometryKey, geometry);
    settings.sync();
}

QString PortForRun(const QString& commandLine, const QString& remembered, const QString& fallback) {
    if (!commandLine.trimmed().isEmpty()) {
        return commandLine;
    }
    return remembered.trimmed().isEmpty() ? fallback : remembered.trimmed();
}
