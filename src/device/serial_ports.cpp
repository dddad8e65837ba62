#include "device/serial_ports.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>
#include <algorithm>

namespace {
struct PortText {
    Q_DECLARE_TR_FUNCTIONS(SerialPorts)
};
}  // namespace

namespace {

QString Described(const SerialPortFound& port) {
    QStringList about;
    if (!port.description.isEmpty()) {
        about << port.description;
    }
    QString text = port.location;
    if (!about.isEmpty()) {
        text += QStringLiteral(" - ") + about.join(QStringLiteral(", "));
    }
    if (!port.manufacturer.isEmpty() && port.manufacturer != port.description) {
        text += QStringLiteral(" (%1)").arg(port.manufacturer);
    }
    return text;
}

}  // namespace

QList<SerialPortFound> FindSerialPorts() {
    QList<SerialPortFound> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        const QString location = info.portName();
#else
        const QString location = info.systemLocation();
#endif
        ports << SerialPortFound{location, info.portName(), info.description().trimmed(),
                                 info.manufacturer().trimmed()};
    }
    return ports;
}

bool SamePort(const SerialPortFound& found, const QString& port) {
    const QString wanted = port.trimmed();
    return !wanted.isEmpty() && (wanted == found.location || wanted == found.name);
}

QList<PortChoice> PortChoices(const QList<SerialPortFound>& found, const QString& current) {
    QList<SerialPortFound> sorted = found;
    // Natural order, so that ttyUSB2 comes before ttyUSB10 and COM3 before COM12.
    std::sort(sorted.begin(), sorted.end(), [](const SerialPortFound& a, const SerialPortFound& b) {
        const auto split = [](const QString& s) {
            qsizetype digits = s.size();
            while (digits > 0 && s.at(digits - 1).isDigit()) {
                --digits;
            }
            return std::make_pair(s.left(digits), s.mid(digits).toLongLong());
        };
        return split(a.location) < split(b.location);
    });
    QList<PortChoice> choices;
    const bool listed = std::any_of(sorted.begin(), sorted.end(), [&](const SerialPortFound& port) {
        return SamePort(port, current);
    });
    if (!listed && !current.trimmed().isEmpty()) {
        // A port the system does not list as serial may still be there and work: the clock
        // emulator's pseudo-terminal, or a link such as /dev/serial/by-id/... to the antenna.
        // Only a port that is not there at all is marked so.
        const QString port = current.trimmed();
        const bool present = port.contains(QLatin1Char('/')) && QFileInfo::exists(port);
        choices << PortChoice{present ? port : PortText::tr("%1 - not found").arg(port), port};
    }
    for (const SerialPortFound& port : sorted) {
        choices << PortChoice{Described(port), port.location};
    }
    return choices;
}

QString PortRefusal(const QString& port, PortFailure failure, const QString& systemText,
                    const QList<SerialPortFound>& found, const QString& user, const QString& group,
                    bool inEnglish) {
    const auto text = [inEnglish](const char* english) {
        return inEnglish ? QString::fromUtf8(english) : PortText::tr(english);
    };
    const QString head =
        text(QT_TRANSLATE_NOOP("SerialPorts", "Unable to open com port %1")).arg(port);
    switch (failure) {
        case PortFailure::PermissionDenied:
            return head + text(QT_TRANSLATE_NOOP("SerialPorts",
                                                 ": permission denied: add your user to the "
                                                 "group %1 (sudo usermod -aG %1 %2) and log in "
                                                 "again."))
                              .arg(group.isEmpty() ? QStringLiteral("dialout") : group,
                                   user.isEmpty() ? QStringLiteral("$USER") : user);
        case PortFailure::InUse:
            return head + text(QT_TRANSLATE_NOOP("SerialPorts",
                                                 ": another program is using it. Close that "
                                                 "program (or another window of this one) and "
                                                 "try again."));
        case PortFailure::NotFound: {
            if (found.isEmpty()) {
                return head + text(QT_TRANSLATE_NOOP("SerialPorts",
                                                     ": there is no such port, and no serial "
                                                     "port was found on this computer. Connect "
                                                     "the club antenna, then choose its port in "
                                                     "Setup."));
            }
            QStringList names;
            for (const PortChoice& choice : PortChoices(found, {})) {
                names << choice.text;
            }
            return head + text(QT_TRANSLATE_NOOP("SerialPorts",
                                                 ": there is no such port. The serial ports on "
                                                 "this computer are: %1. Choose the antenna's "
                                                 "port in Setup."))
                              .arg(names.join(QStringLiteral("; ")));
        }
        case PortFailure::Other:
            break;
    }
    return head + QStringLiteral(" (%1)").arg(systemText);
}
