#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>

class TdmZOLF;

// A race's result is provisional until the secretary marks it final. While it is final, no
// workflow may change the race's entries; unlocking needs a reason, which the change history
// keeps. Locks live in the program's own table KST_ResultLock.

struct ResultLock {
    bool final = false;
    QDateTime lockedAt;
    QString lockedBy;
};

// The lock of the race (not final when the race was never locked).
ResultLock ReadResultLock(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);
// Every race's lock in one read, by ResultLockKey (for a list that shows the state of each
// race it paints).
QHash<QString, ResultLock> ReadResultLocks(TdmZOLF& db);
QString ResultLockKey(const QString& liberCode, const QDate& liberDate);

// "Provisional", or "Final (locked yyyy-MM-dd HH:mm)".
QString ResultStateText(const ResultLock& lock);
QString ResultStateText(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);
// The same in the interface language, for the screens and printed lists; the published pages
// keep the English text above.
QString ResultStateCaption(const ResultLock& lock);
QString ResultStateCaption(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// Throws UserError naming the race and the time it was locked when its result is final, so the
// action that would change its entries changes nothing.
void RefuseIfFinal(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// "Lock result": marks the result final at `when`. Throws UserError when it already is.
void LockResult(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                const QDateTime& when);
// "Unlock": makes the result provisional again; the reason (required) goes into the history.
// Throws UserError without a reason or when the result is not final.
void UnlockResult(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                  const QString& reason, const QDateTime& when);
