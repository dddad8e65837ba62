#include "result_lock.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "entry_history.h"
#include "refusal.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

ResultLock ReadResultLock(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    ResultLock lock;
    try {
        QSqlQuery q = db.select(QStringLiteral("select LockedAt, LockedBy from KST_ResultLock "
                                               "where LiberCode=? and LiberDate=?"),
                                {liberCode, DateText(liberDate)});
        if (q.next()) {
            lock.final = true;
            lock.lockedAt = ParseMoment(q.value(0).toString());
            lock.lockedBy = q.value(1).toString();
        }
    } catch (const DbError&) {
        // No lock table yet: no race was ever locked in this file.
    }
    return lock;
}

QString ResultLockKey(const QString& liberCode, const QDate& liberDate) {
    return liberCode + QLatin1Char('|') + DateText(liberDate);
}

QHash<QString, ResultLock> ReadResultLocks(TdmZOLF& db) {
    QHash<QString, ResultLock> locks;
    try {
        QSqlQuery q = db.select(
            QStringLiteral("select LiberCode, LiberDate, LockedAt, LockedBy from KST_ResultLock"));
        while (q.next()) {
            locks.insert(
                ResultLockKey(q.value(0).toString(), ParseDate(q.value(1).toString())),
                ResultLock{true, ParseMoment(q.value(2).toString()), q.value(3).toString()});
        }
    } catch (const DbError&) {
        // No lock table yet: no race was ever locked in this file.
    }
    return locks;
}

QString ResultStateText(const ResultLock& lock) {
    if (!lock.final) {
        return QStringLiteral("Provisional");
    }
    return QStringLiteral("Final (locked %1)")
        .arg(lock.lockedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString ResultStateText(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    return ResultStateText(ReadResultLock(db, liberCode, liberDate));
}

QString ResultStateCaption(const ResultLock& lock) {
    if (!lock.final) {
        return RaceText::tr("Provisional");
    }
    return RaceText::tr("Final (locked %1)")
        .arg(lock.lockedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString ResultStateCaption(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    return ResultStateCaption(ReadResultLock(db, liberCode, liberDate));
}

void RefuseIfFinal(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    const ResultLock lock = ReadResultLock(db, liberCode, liberDate);
    if (lock.final) {
        static const char* const refusal = QT_TRANSLATE_NOOP(
            "Races",
            "The result of race %1 of %2 is final (locked %3); its entries cannot be changed. "
            "Unlock it first, giving the reason.");
        const QString locked = lock.lockedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        throw LoggedRefusal(RaceText::tr(refusal).arg(liberCode, DateText(liberDate), locked),
                            QString::fromUtf8(refusal).arg(liberCode, DateText(liberDate), locked));
    }
}

void LockResult(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                const QDateTime& when) {
    if (ReadResultLock(db, liberCode, liberDate).final) {
        throw UserError(RaceText::tr("The result of race %1 of %2 is final already.")
                            .arg(liberCode, DateText(liberDate)));
    }
    const QString user = LoginName(db);
    db.transaction([&] {
        EnsureEntryHistoryTables(db);
        db.exec(QStringLiteral("insert into KST_ResultLock (LiberCode, LiberDate, LockedAt, "
                               "LockedBy) values(?,?,?,?)"),
                {liberCode, DateText(liberDate), MomentText(when), user});
        RecordEntryChange(
            db, liberCode, liberDate,
            EntryChange{when, EntryWorkflow::Lock, QString(), QStringLiteral("Result"),
                        QStringLiteral("Provisional"), QStringLiteral("Final"), user, QString()});
    });
}

void UnlockResult(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                  const QString& reason, const QDateTime& when) {
    const QString why = reason.trimmed();
    if (why.isEmpty()) {
        throw UserError(RaceText::tr("Give the reason for unlocking the result."));
    }
    if (!ReadResultLock(db, liberCode, liberDate).final) {
        throw UserError(RaceText::tr("The result of race %1 of %2 is not final.")
                            .arg(liberCode, DateText(liberDate)));
    }
    const QString user = LoginName(db);
    db.transaction([&] {
        db.exec(QStringLiteral("delete from KST_ResultLock where LiberCode=? and LiberDate=?"),
                {liberCode, DateText(liberDate)});
        RecordEntryChange(
            db, liberCode, liberDate,
            EntryChange{when, EntryWorkflow::Unlock, QString(), QStringLiteral("Result"),
                        QStringLiteral("Final"), QStringLiteral("Provisional"), user, why});
    });
}
