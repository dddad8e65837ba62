#include "entry_history.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/system_account.h"

const QStringList& TrackedEntryFields() {
    static const QStringList fields{QStringLiteral("MarkedTime"), QStringLiteral("BackTime"),
                                    QStringLiteral("FlyTime"),    QStringLiteral("FlySpeed"),
                                    QStringLiteral("Dist"),       QStringLiteral("TimeVari"),
                                    QStringLiteral("ClockID")};
    return fields;
}

void EnsureEntryHistoryTables(TdmZOLF& db) {
    db.exec(QStringLiteral(
        "create table if not exists KST_EntryHistory (Id integer primary key autoincrement, "
        "Moment TEXT not null, LiberCode TEXT not null, LiberDate TEXT not null, "
        "Workflow TEXT not null, PRingNo TEXT, Field TEXT, OldValue TEXT, NewValue TEXT, "
        "UserName TEXT, Note TEXT)"));
    db.exec(
        QStringLiteral("create index if not exists KST_EntryHistory_Race on "
                       "KST_EntryHistory (LiberCode, LiberDate)"));
    db.exec(QStringLiteral(
        "create table if not exists KST_ResultLock (LiberCode TEXT not null, LiberDate TEXT not "
        "null, LockedAt TEXT not null, LockedBy TEXT, primary key (LiberCode, LiberDate))"));
}

QString LoginName(TdmZOLF& db) {
    if (db.isServer()) {
        try {
            const QString login = db.value(QStringLiteral("select session_user")).toString();
            if (!login.isEmpty()) {
                return login;
            }
        } catch (const DbError&) {
            // The seat's name below.
        }
        return db.seat();
    }
    const QString account = SystemAccountName();
    return account.isEmpty() ? db.seat() : account;
}

QVariant HistoryValue(const QVariant& value) {
    if (value.isNull() || !value.isValid()) {
        return QVariant(QMetaType(QMetaType::QString));
    }
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        return QString::number(value.toDouble(), 'f', 3);
    }
    return value.toString();
}

void RecordEntryChange(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                       const EntryChange& c) {
    db.exec(QStringLiteral("insert into KST_EntryHistory (Moment, LiberCode, LiberDate, "
                           "Workflow, PRingNo, Field, OldValue, NewValue, UserName, Note) "
                           "values(?,?,?,?,?,?,?,?,?,?)"),
            {MomentMsText(c.when), liberCode, DateText(liberDate), c.workflow, c.ring, c.field,
             HistoryValue(c.oldValue), HistoryValue(c.newValue), c.user,
             c.note.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(c.note)});
}

QVariantList ReadTrackedEntry(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                              const QString& ring) {
    QSqlQuery q =
        db.select(QStringLiteral("select ") + TrackedEntryFields().join(QStringLiteral(", ")) +
                      QStringLiteral(" from ZOL_PigRaceData where LiberCode=? and "
                                     "substr(LiberDate,1,10)=? and PRingNo=? limit 1"),
                  {liberCode, DateText(liberDate), ring});
    QVariantList values;
    if (q.next()) {
        for (int i = 0; i < TrackedEntryFields().size(); ++i) {
            values << q.value(i);
        }
    }
    return values;
}

int RecordEntryWrite(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                     const QString& ring, const QVariantList& before, const QString& workflow,
                     const QDateTime& when, const QString& userGiven) {
    const QString user = userGiven.isEmpty() ? LoginName(db) : userGiven;
    const QVariantList after = ReadTrackedEntry(db, liberCode, liberDate, ring);
    int recorded = 0;
    for (int i = 0; i < after.size(); ++i) {
        const QVariant oldValue = HistoryValue(before.value(i));
        const QVariant newValue = HistoryValue(after.at(i));
        if (oldValue.isNull() == newValue.isNull() && oldValue.toString() == newValue.toString()) {
            continue;
        }
        RecordEntryChange(db, liberCode, liberDate,
                          EntryChange{when, workflow, ring, TrackedEntryFields().at(i), oldValue,
                                      newValue, user, QString()});
        ++recorded;
    }
    return recorded;
}

QString RaceHistorySql() {
    return QStringLiteral(
        "select Moment, Workflow, PRingNo, Field, OldValue, NewValue, UserName, Note from "
        "KST_EntryHistory where LiberCode=? and LiberDate=? order by Id");
}

QString ShownHistoryText(const QString& stored) {
    // The stored texts stay English (the exported file and the committee's records keep them).
    static const char* const kShown[] = {
        QT_TRANSLATE_NOOP("Races", "result upload"), QT_TRANSLATE_NOOP("Races", "marked upload"),
        QT_TRANSLATE_NOOP("Races", "manual time"),   QT_TRANSLATE_NOOP("Races", "recalculation"),
        QT_TRANSLATE_NOOP("Races", "import"),        QT_TRANSLATE_NOOP("Races", "lock"),
        QT_TRANSLATE_NOOP("Races", "unlock"),        QT_TRANSLATE_NOOP("Races", "Result"),
        QT_TRANSLATE_NOOP("Races", "Provisional"),   QT_TRANSLATE_NOOP("Races", "Final")};
    for (const char* english : kShown) {
        if (stored == QLatin1String(english)) {
            return QCoreApplication::translate("Races", english);
        }
    }
    return stored;
}

QStringList RaceHistoryTitles() {
    // English in the exported file; the screen shows them through the "Races" translations.
    return {QStringLiteral(QT_TRANSLATE_NOOP("Races", "When")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "Workflow")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "Ring")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "Field")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "Old")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "New")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "User")),
            QStringLiteral(QT_TRANSLATE_NOOP("Races", "Reason"))};
}

QList<EntryChange> RaceHistory(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QList<EntryChange> changes;
    try {
        QSqlQuery q = db.select(RaceHistorySql(), {liberCode, DateText(liberDate)});
        while (q.next()) {
            changes << EntryChange{ParseMoment(q.value(0).toString()),
                                   q.value(1).toString(),
                                   q.value(2).toString(),
                                   q.value(3).toString(),
                                   q.value(4),
                                   q.value(5),
                                   q.value(6).toString(),
                                   q.value(7).toString()};
        }
    } catch (const DbError&) {
        // A file that never had a change recorded has no history table yet.
    }
    return changes;
}
