#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "reports/report_layout.h"

class Clock;
class Prompts;
class TdmZOLF;

// What the club holds about one member, handed over in one action, and the erasure of a former
// member.

// The rows of one table (or of one worked-out list, such as pool payouts) that name the member
// or their loft.
struct HeldRows {
    QString table;
    QStringList columns;
    QList<QVariantList> rows;
};

struct MemberRecord {
    QString loftNo;
    QDateTime made;
    QList<HeldRows> tables;  // every source, rows or none, in a fixed order
};

// Every row that names the member or their loft: the member record, clocks, rings, race
// entries and clock times, distances, nominations and pool entries, pool payouts, kept season
// results, championship standings, the history of their birds' entries, and their
// publication choice. Throws DbError.
MemberRecord ReadMemberRecord(TdmZOLF& db, const QString& loftNo, const QDateTime& made);
// The record as JSON: {"loftNo", "made", "tables": {table: [{column: value}, ...]}}.
QByteArray MemberRecordJson(const MemberRecord& record);
// The record as a printed report: a section per table, its columns side by side (a table
// with many columns in several sections of a few columns each).
ReportLayout MemberRecordLayout(const MemberRecord& record, const QString& clubName);

struct MemberExport {
    QString folder;
    QString pdf;
    QString json;
};
// Writes the member's record into a new folder "Member <loft> yyyy-MM-dd" inside `parent`:
// a PDF to read and a JSON file for programs, both whole or neither. Throws UserError naming
// what could not be written.
MemberExport ExportMemberRecord(TdmZOLF& db, const QString& parent, const QString& loftNo,
                                const Clock& clock);
// "What do we hold": asks for the folder to put the export in, writes it and says where.
// Returns false when cancelled.
bool ExportMemberRecordAction(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                              const QString& loftNo);

// A backup made before an erasure, which still holds the erased data.
struct HeldBackup {
    QString file;
    QDate made;
};
// The backups in `backupDir` (newest first): made before an erasure, each holds what it erased.
QList<HeldBackup> BackupsIn(const QString& backupDir);

struct Erasure {
    QString label;  // "Former member 17"
    QList<HeldBackup> backups;
    QString rewriteFailure;  // empty when no copy of the erased values is left in the database
};
// The neutral label an erased member is known by.
QString FormerMemberLabel(int number);
// Erases a former member: the name becomes a neutral label (the loft number, their birds'
// results and everyone's places stay as they were); street, town, post code, telephone,
// e-mail, coordinates and notes are emptied; the publication choice goes back to the label.
// Then the database is rewritten so that the old values are not left in its free space. Throws
// UserError for a loft the member list does not hold; nothing is changed then.
Erasure EraseMember(TdmZOLF& db, const QString& loftNo, const QString& backupDir);
// "Erase a former member": asks, erases, and says which backups still hold the member's data.
bool EraseMemberAction(TdmZOLF& db, Prompts& prompts, const QString& loftNo,
                       const QString& backupDir);

// Set once the secretary agreed to pseudonymise members beyond the kept seasons.
inline const QString kRetentionAgreedSetting = QStringLiteral("RetentionAgreed");
// The members whose results all lie in seasons before the kept ones, and who have no ring of
// a kept season and were not changed since then (members without any result are never among
// them); already erased members are left out.
QStringList MembersBeyondRetention(TdmZOLF& db, int seasonsKept, const QDate& today);
// At start-up: erases the members beyond the kept seasons, asking the first time. Returns the
// number erased.
int ApplyRetention(TdmZOLF& db, Prompts& prompts, const Clock& clock, const QString& backupDir);

// What the program holds about people, why, where, what leaves the club and for how long: the
// record the club keeps, shown in the About box.
QString PersonalDataRecordText();
