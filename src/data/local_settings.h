#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include <QSettings>

// What belongs to this computer and its user rather than to the club's data: the serial port
// the club antenna hangs on and where the main window was left. It is kept in Qt's per-user
// settings, never in the database or ZOLF.ini, so that a backup restored on another computer
// does not bring another computer's port or screen along.

// The settings store of this user on this computer.
std::unique_ptr<QSettings> OpenLocalSettings();

// The antenna's port chosen in Setup; empty when none was chosen yet.
QString RememberedPort(QSettings& settings);
void RememberPort(QSettings& settings, const QString& port);

// The name this seat's saves are recorded under (so that another seat can say who changed a
// row); empty when none was set, and then the program uses the computer's host name.
QString RememberedSeat(QSettings& settings);
void RememberSeat(QSettings& settings, const QString& seat);

// The main window's size and place as Qt saves them; empty when never saved.
QByteArray RememberedWindowGeometry(QSettings& settings);
void RememberWindowGeometry(QSettings& settings, const QByteArray& geometry);

// The port for a run: the one named on the command line wins, then the one chosen in Setup,
// then the platform's usual first port.
QString PortForRun(const QString& commandLine, const QString& remembered, const QString& fallback);
