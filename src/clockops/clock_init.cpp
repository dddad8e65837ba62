#include "clock_init.h"

#include "clock_texts.h"

#include <QSqlQuery>
#include <QVariant>

#include "data/database.h"
#include "data/prompts.h"
#include "device/win_api_v8.h"

namespace {

QStringList FirstRow(TdmZOLF& db, const QString& sql, const QVariantList& params, int columns) {
    QSqlQuery q = db.select(sql, params);
    QStringList values;
    const bool found = q.next();
    for (int i = 0; i < columns; ++i) {
        values << (found ? q.value(i).toString() : QString());
    }
    return values;
}

}  // namespace

QString LoftInfoText1(TdmZOLF& db, const QString& loftNo) {
    const QStringList v = FirstRow(db,
                                   QStringLiteral("select LoftName, City, PostCode, PhoneNo, "
                                                  "LoftLon, LoftLat from ZOL_LoftData where "
                                                  "LoftNo=?"),
                                   {loftNo}, 6);
    return QStringLiteral("OwnerName:%1%City:%2%PostCode:%3%PhoneNo:%4%LoftLon:%5%LoftLat:%6")
        .arg(v[0], v[1], v[2], v[3], v[4], v[5]);
}

QString LoftInfoText2(TdmZOLF& db, const QString& loftNo) {
    const QStringList v = FirstRow(
        db, QStringLiteral("select LoftName, Street, EMail from ZOL_LoftData where LoftNo=?"),
        {loftNo}, 3);
    return QStringLiteral("OwnerName:%1%Street:%2%Email:%3").arg(v[0], v[1], v[2]);
}

QString ClubInfoText(TdmZOLF& db) {
    const QStringList v = FirstRow(db,
                                   QStringLiteral("select ClubID, ClubName, Street, City, "
                                                  "PostCode, AssociationCode from ZOL_ClubData "
                                                  "order by rowid limit 1"),
                                   {}, 6);
    return QStringLiteral(
               "ClubCode:%1%ClubName:%2%ClubStreet:%3%ClubCity:%4%ClubPostCode:%5%AssocCode:%6")
        .arg(v[0], v[1], v[2], v[3], v[4], v[5]);
}

QString UploadSettingsText(const ClockInitSettings& s) {
    return QStringLiteral("HostIp:") + kUploadHostName +
           QStringLiteral("$80%HostPath:/SendGPRS%Apn:") + s.apn + QStringLiteral("%HostSmsCode:") +
           s.hostSms +
           QStringLiteral("%UploadInterval:#120000%NotifyMode:#0%UploadMode:#112%timeZone:#") +
           QString::number(s.timeZoneSeconds) + QStringLiteral("%pi0:#") + s.markedFlag;
}

bool InitialiseClock(TWinApiV8& api, TdmZOLF& db, Prompts& prompts, const QString& loftNo,
                     const ClockInitSettings& settings,
                     const std::function<void(const QString&)>& banner) {
    // The clock is read first, so that the question can say whose clock it is.
    QString id;
    QString loftText;
    if (!api.ReadDeviceId(id, loftText)) {
        prompts.message(
            ShownClockText(QStringLiteral("Please connect to club antenna and clock.")));
        return false;
    }
    const Prompts::Answer answer = prompts.question(
        ShownClockText(QStringLiteral("Do you want to Initialize this timer ? ") +
                       (loftText.isEmpty()
                            ? QStringLiteral("(it holds no loft yet)")
                            : QStringLiteral("(it now holds loft ") + loftText + QLatin1Char(')'))),
        Prompts::Buttons::YesNoCancel);
    if (answer == Prompts::Answer::Cancel) {
        return false;
    }
    const QString keyText = TWinApiV8::DiverseKey(id);
    QString lastError;
    if (answer == Prompts::Answer::Yes) {
        if (api.DeviceInit(id, loftNo, keyText, lastError)) {
            id.clear();
            api.ReadDeviceId(id, loftText);
        } else {
            prompts.message(ShownClockText(QStringLiteral("DeviceInit Error :") + lastError));
        }
    }
    if (loftText != loftNo) {
        prompts.message(
            ShownClockText(QStringLiteral("LoftNo Wrong ! ReCheck ! (the clock holds loft ") +
                           (loftText.isEmpty() ? QStringLiteral("none") : loftText) +
                           QStringLiteral(", not ") + loftNo + QLatin1Char(')')));
        return false;
    }
    QByteArray deviceRandom;
    QByteArray hostRandom;
    QByteArray key;
    if (!api.ComVerify(id, keyText, deviceRandom, hostRandom, key)) {
        prompts.message(ShownClockText(QStringLiteral("ComVerify Error :") + lastError));
        return false;
    }
    const struct {
        QString text;
        const char* prefix;
    } steps[] = {
        {LoftInfoText1(db, loftNo), "SetLoftInfo Error :"},
        {LoftInfoText2(db, loftNo), "SetLoftInfo_2 Error :"},
        {ClubInfoText(db), "SetLoftInfo_3 Error :"},
        {UploadSettingsText(settings), "SetLoftInfo_4 Error :"},
    };
    for (const auto& step : steps) {
        QString errorText;
        if (!api.SetLoftInfo(key, step.text, errorText)) {
            prompts.message(ShownClockText(QString::fromLatin1(step.prefix) + errorText));
            return false;
        }
    }
    const QString success = loftText + QStringLiteral(" Loft/Club Data Download Success !");
    prompts.beep();
    if (banner) {
        banner(ShownClockText(success));
    }
    api.SendText(success);
    return true;
}
