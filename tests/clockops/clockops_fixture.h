#pragma once

// A club database and a clock run against the clock emulator: one loft (0123) with three
// pigeons, a second loft (0456), one race B23 liberated 2016-09-20 07:00:00 in a zone with bias
// -480, the clock standing at 2016-09-20 06:00:00.

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>
#include <memory>

#include "clockops/clock_session.h"
#include "data/progress.h"
#include "device/win_api_v8.h"
#include "emulator_process.h"
#include "test_context.h"

// Liberation 2016-09-20 07:00:00 local at bias -480, in UTC milliseconds.
inline constexpr qint64 kLiberationMs = 1474326000000;

struct ClockOpsFixture {
    TestContext t;
    ClockMemo memo;
    NoProgress progress;
    RaceDayLog log{RaceDayLog::folderFor(t.paths.dataDir), t.clock};
    ClockSession session;

    ClockOpsFixture() {
        t.clock.set(QDateTime(QDate(2016, 9, 20), QTime(6, 0)));
        t.clock.setBiasMinutes(-480);
        TdmZOLF& db = *t.db;
        db.exec(
            "insert into ZOL_ClubData (ClubID, ClubName, Street, City, PostCode, "
            "AssociationCode, Mode, PrintCount) values('0101','De Snelle Duif','Kerkstraat 1',"
            "'Gent','9000','12',0,2)");
        db.exec(
            "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, Street, City, "
            "PostCode, PhoneNo, EMail, LoftLon, LoftLat, SynchFlag) values('12','0123',"
            "'Jan Peeters','Dorp 4','Gent','9000','09 123','','E003''43:12.25',"
            "'N051''03:20.50',0)");
        db.exec(
            "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, SynchFlag) "
            "values('12','0456','Piet Claes',0)");
        db.exec(
            "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, "
            "LiberDate, LiberTime, Updatetime, SynchFlag, RaceCode, DeleteMark) values("
            "'0101','B23','Brussel','BRX','2016-09-20','07:00:00','2016-09-19 10:00:00',1,"
            "'B230920',0)");
        addPigeon("0123", "BE-2016-1", "1", "BB", "2016", "C", 1);
        addPigeon("0123", "BE-2016-2", "2", "BC", "2016", "H", 1);
        addPigeon("0123", "BE-2016-3", "3", "RC", "2016", "U", 0);
        addPigeon("0456", "BE-2016-7", "7", "BB", "2016", "C", 0);
    }

    void addPigeon(const QString& loft, const QString& ring, const QString& reg,
                   const QString& colour, const QString& year, const QString& sex, int flag,
                   int deleted = 0) {
        t.db->exec(
            "insert into ZOL_PigData (LoftNo, PRingNo, RRegNumber, E_Ring, ColorType, "
            "RYear, Sex, SynchFlag, DeleteMark, Updatetime) values(?,?,?,?,?,?,?,?,?,?)",
            {loft, ring, reg, "E" + reg, colour, year, sex, flag, deleted, "2016-09-01 10:00:00"});
    }

    QVariant value(const QString& sql, const QVariantList& params = {}) {
        return t.db->value(sql, params);
    }

    ClockRun run(TWinApiV8& api) {
        return ClockRun{api, *t.db, t.prompts, t.clock, progress, memo, log};
    }
};

// A clock of loft 0123 (or another owner) holding the given pigeons and races.
inline QJsonObject ClockOf(const QString& owner, const QJsonArray& pigeons = {},
                           const QJsonArray& races = {}, const QString& id = "1A2B3C4D") {
    return QJsonObject{{"deviceId", id}, {"owner", owner}, {"pigeons", pigeons}, {"races", races}};
}

inline QJsonObject Find(const QJsonArray& list, const QString& keyName, const QString& key) {
    for (const QJsonValue& entry : list) {
        if (entry.toObject().value(keyName).toString() == key) {
            return entry.toObject();
        }
    }
    return {};
}

// The device object on the emulator's line, with a short wait for a silent clock.
inline std::unique_ptr<TWinApiV8> DeviceOn(const EmulatorProcess& emulator) {
    auto api = std::make_unique<TWinApiV8>(emulator.link());
    api->setFirstByteWaitMs(400);
    return api;
}
