#pragma once

// Clock initialisation: loads a member's clock with the loft's and the club's data and the
// upload settings ("Loft Data Download" on the member screen). Writes nothing to the database.

#include <QString>
#include <functional>

class TWinApiV8;
class TdmZOLF;
class Prompts;

// The host the clocks upload to, loaded into every clock initialised (port 80). A placeholder
// until the club's upload service has a name of its own.
inline const QString kUploadHostName = QStringLiteral("upload.example.org");

// The settings of ZOLF.ini the initialisation sends.
struct ClockInitSettings {
    QString apn;
    QString hostSms;
    int timeZoneSeconds = 0;
    QString markedFlag;
};

// The four parameter texts, in the order they are sent.
QString LoftInfoText1(TdmZOLF& db, const QString& loftNo);
QString LoftInfoText2(TdmZOLF& db, const QString& loftNo);
QString ClubInfoText(TdmZOLF& db);
QString UploadSettingsText(const ClockInitSettings& settings);

// Runs the initialisation for the member's loft; every step's failure is shown as a message
// and stops it. On success `banner` is given the success text (the screen shows it for 2000 ms)
// before the text goes to the clock. Returns true on success.
bool InitialiseClock(TWinApiV8& api, TdmZOLF& db, Prompts& prompts, const QString& loftNo,
                     const ClockInitSettings& settings,
                     const std::function<void(const QString&)>& banner);
