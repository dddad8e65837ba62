#pragma once

// The serial ports of this computer, as the Setup screen lists them for the club antenna, and
// what a secretary is told when the antenna's port cannot be opened.

#include <QList>
#include <QString>

// One serial port the system reports.
struct SerialPortFound {
    QString location;      // what the program opens: /dev/ttyUSB0, COM3
    QString name;          // the system's short name: ttyUSB0, COM3
    QString description;   // what the driver says it is ("FT232R USB UART"), may be empty
    QString manufacturer;  // its maker as the driver reports it, may be empty
};

// The ports the system reports now, by location.
QList<SerialPortFound> FindSerialPorts();

// One entry of the Setup screen's port box.
struct PortChoice {
    QString text;  // "/dev/ttyUSB0 - FT232R USB UART (FTDI)"
    QString port;  // what is stored and opened
};

// The port box's entries: every port found, by location; the port in use (`current`), when it
// is not among them, first (marked as not found when no such device file is there), so that the box
// never shows another port than the one the clock screens open. An empty `current` adds nothing.
QList<PortChoice> PortChoices(const QList<SerialPortFound>& found, const QString& current);
// Whether `port` (as typed or stored) names that port found: by location or by short name.
bool SamePort(const SerialPortFound& found, const QString& port);

// Why a port could not be opened, as far as the program can tell.
enum class PortFailure {
    PermissionDenied,  // the user may not use the device
    InUse,             // another program holds it
    NotFound,          // no such port (the antenna unplugged, or another name)
    Other,
};

// The message shown when the antenna's port cannot be opened: what went wrong and what to do.
// `found` lists the ports there are (named when the port is gone); `user` and `group` complete
// the advice for a device the user may not use (Linux: the group that owns the device).
// `systemText` is the serial layer's own words, kept for the failures it alone can explain.
// In the interface language, or in English for the race-day log.
QString PortRefusal(const QString& port, PortFailure failure, const QString& systemText,
                    const QList<SerialPortFound>& found, const QString& user = {},
                    const QString& group = {}, bool inEnglish = false);
