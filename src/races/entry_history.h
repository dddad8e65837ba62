#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

class TdmZOLF;

// The record of every change to a race's entries (ZOL_PigRaceData): when, by which workflow,
// which ring, which field, the old and the new value, and the user's login name. It lives in
// the program's own table KST_EntryHistory; the program only ever adds to it, so the committee
// can be shown how a result came to be. The purge of old race entries leaves it alone.

// The workflows that change entries, as stored in the history.
namespace EntryWorkflow {
inline const QString ResultUpload = QStringLiteral("result upload");
inline const QString MarkedUpload = QStringLiteral("marked upload");
inline const QString ManualTime = QStringLiteral("manual time");
inline const QString Recalculation = QStringLiteral("recalculation");
inline const QString Import = QStringLiteral("import");
inline const QString Lock = QStringLiteral("lock");
inline const QString Unlock = QStringLiteral("unlock");
}  // namespace EntryWorkflow

// The fields of an entry whose changes are recorded, in the order they are compared.
const QStringList& TrackedEntryFields();

// Creates the history and result lock tables when they are missing. Throws DbError when the
// database refuses (a file opened read only).
void EnsureEntryHistoryTables(TdmZOLF& db);

// The name the history records for the user making a change: on a server the login the
// server accepted, on a club file the system account running the program, and the seat's name
// when neither can be had. Never a value anyone can set by hand (an environment variable).
QString LoginName(TdmZOLF& db);

struct EntryChange {
    QDateTime when;
    QString workflow;
    QString ring;
    QString field;
    QVariant oldValue;  // null when the field was empty or the entry new
    QVariant newValue;
    QString user;
    QString note;  // the reason given for an unlock
};

// The stored text of a value: null stays null, a real number keeps up to three decimals.
QVariant HistoryValue(const QVariant& value);

// Adds one change to the history of the race (liberation code and date).
void RecordEntryChange(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                       const EntryChange& change);

// A stored workflow name ("manual time"), or the lock's "Result", "Provisional" and "Final",
// as the screen shows it in the interface language; any other text as it is.
QString ShownHistoryText(const QString& stored);

// The tracked fields of one entry as they stand; empty when the race has no entry of the ring.
QVariantList ReadTrackedEntry(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                              const QString& ring);

// Records every tracked field of the ring's entry that differs between `before` (as read by
// ReadTrackedEntry before the write; empty for a new entry) and the entry as it stands now.
// An empty `user` records LoginName().
// Returns the number of changes recorded.
int RecordEntryWrite(TdmZOLF& db, const QString& liberCode, const QDate& liberDate,
                     const QString& ring, const QVariantList& before, const QString& workflow,
                     const QDateTime& when, const QString& user = {});

// The history of one race, oldest first (in the order the changes were made).
QList<EntryChange> RaceHistory(TdmZOLF& db, const QString& liberCode, const QDate& liberDate);

// The history grid's statement: Moment, Workflow, PRingNo, Field, OldValue, NewValue,
// UserName, Note. Parameters: liberation code, date text.
QString RaceHistorySql();
// The history's column titles, in the statement's order.
QStringList RaceHistoryTitles();
