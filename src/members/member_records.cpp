#include "member_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>

#include "competitions/championship.h"
#include "competitions/competition_types.h"
#include "competitions/pool_store.h"
#include "data/clock.h"
#include "data/club_settings.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/free_space.h"
#include "data/prompts.h"
#include "data/schema.h"
#include "data/whole_file.h"
#include "members/member_privacy.h"
#include "reports/club_reports.h"
#include "reports/report_printing.h"

namespace {

struct RecordText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};

// A stored table and the rows of it that belong to the member: by loft number, or by the
// rings of the member's birds.
struct Source {
    const char* table;
    QStringList columns;  // empty: the club table's own columns
    bool byRing = false;
};

const QString kRingsOfLoft = QStringLiteral("(select PRingNo from ZOL_PigData where LoftNo=?)");

QList<Source> Sources() {
    const auto cols = [](const char* list) {
        return QString::fromLatin1(list).split(QLatin1Char(','));
    };
    return {
        {"ZOL_LoftData", {}},
        {"ZOL_LoftClocks", {}},
        {"ZOL_PigData", {}},
        {"ZOL_PigRaceData", {}, true},
        {"ZOL_RaceClockTime", {}},
        {"ZOL_LoftLibPointDist", {}},
        {"KST_Nomination", cols("LiberCode,LiberDate,PRingNo,LoftNo,NomOrder")},
        {"KST_PoolEntry", cols("LiberCode,LiberDate,PoolName,PRingNo,LoftNo")},
        {"KST_SeasonResult", cols("LiberCode,LiberDate,PRingNo,LoftNo,FlySpeed")},
        {"KST_EntryHistory",
         cols("Moment,LiberCode,LiberDate,Workflow,PRingNo,Field,OldValue,NewValue,UserName,Note"),
         true},
        {"KST_MemberPrivacy", cols("LoftNo,NameShown,TownShown,FormerNo")},
    };
}

HeldRows ReadSource(TdmZOLF& db, const Source& s, const QString& loftNo) {
    HeldRows held{QString::fromLatin1(s.table),
                  s.columns.isEmpty() ? ColumnNames(QString::fromLatin1(s.table)) : s.columns,
                  {}};
    const QString where =
        s.byRing ? QStringLiteral("PRingNo in ") + kRingsOfLoft : QStringLiteral("LoftNo=?");
    try {
        held.rows = db.rows(QStringLiteral("select ") + held.columns.join(QStringLiteral(", ")) +
                                QStringLiteral(" from ") + held.table + QStringLiteral(" where ") +
                                where + QStringLiteral(" order by 1, 2"),
                            {loftNo});
    } catch (const DbError&) {
        // The program's own tables are made when first used: this file has none of it.
    }
    return held;
}

// The races of the member's pool entries, and what each of their pools paid the member.
HeldRows PoolPayoutsOf(TdmZOLF& db, const QString& loftNo) {
    HeldRows held{QStringLiteral("Pool payouts"),
                  {QStringLiteral("LiberCode"), QStringLiteral("LiberDate"), QStringLiteral("Pool"),
                   QStringLiteral("PRingNo"), QStringLiteral("Place"), QStringLiteral("Stake"),
                   QStringLiteral("Prize")},
                  {}};
    QList<QVariantList> races;
    try {
        races = db.rows(QStringLiteral("select distinct LiberCode, LiberDate from KST_PoolEntry "
                                       "where LoftNo=? order by 2, 1"),
                        {loftNo});
    } catch (const DbError&) {
        return held;
    }
    for (const QVariantList& race : races) {
        const RaceId id{race.value(0).toString(), ParseDate(race.value(1).toString())};
        for (const PoolPayout& payout : RacePayouts(db, id)) {
            for (const PoolLine& line : payout.lines) {
                if (line.loftNo == loftNo) {
                    held.rows << QVariantList{
                        id.liberCode, DateText(id.liberDate), payout.pool.name,     line.ringNo,
                        line.place,   CentsText(line.stake),  CentsText(line.prize)};
                }
            }
        }
    }
    return held;
}

HeldRows StandingsOf(TdmZOLF& db, const QString& loftNo) {
    HeldRows held{QStringLiteral("Championship standings"),
                  {QStringLiteral("Championship"), QStringLiteral("Season"),
                   QStringLiteral("Place"), QStringLiteral("PRingNo"), QStringLiteral("Score")},
                  {}};
    QList<ChampionshipDefinition> championships;
    try {
        championships = Championships(db);
    } catch (const DbError&) {
        return held;
    }
    for (const ChampionshipDefinition& c : championships) {
        for (const Standing& s : ReadStandings(db, c).rows) {
            if (s.loftNo == loftNo) {
                held.rows << QVariantList{c.name, c.season, s.place, s.ringNo,
                                          ScoreText(c, s.score)};
            }
        }
    }
    return held;
}

QString FileSafe(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) {
            c = QLatin1Char('_');
        }
    }
    return out;
}

QString CellText(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

}  // namespace

MemberRecord ReadMemberRecord(TdmZOLF& db, const QString& loftNo, const QDateTime& made) {
    MemberRecord record{loftNo, made, {}};
    for (const Source& s : Sources()) {
        record.tables << ReadSource(db, s, loftNo);
    }
    record.tables << PoolPayoutsOf(db, loftNo) << StandingsOf(db, loftNo);
    return record;
}

QByteArray MemberRecordJson(const MemberRecord& record) {
    QJsonObject tables;
    for (const HeldRows& t : record.tables) {
        QJsonArray rows;
        for (const QVariantList& row : t.rows) {
            QJsonObject o;
            for (int i = 0; i < t.columns.size(); ++i) {
                o.insert(t.columns.at(i), QJsonValue::fromVariant(row.value(i)));
            }
            rows.append(o);
        }
        tables.insert(t.table, rows);
    }
    QJsonObject root;
    root.insert(QStringLiteral("loftNo"), record.loftNo);
    root.insert(QStringLiteral("made"), MomentText(record.made));
    root.insert(QStringLiteral("tables"), tables);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReportLayout MemberRecordLayout(const MemberRecord& record, const QString& clubName) {
    constexpr int kColumnsPerSection = 7;
    ReportLayout whole;
    whole.name = RecordText::tr("Member %1").arg(record.loftNo);
    bool first = true;
    for (const HeldRows& t : record.tables) {
        const int sections =
            qMax(1, int((t.columns.size() + kColumnsPerSection - 1) / kColumnsPerSection));
        for (int part = 0; part < sections; ++part) {
            const int from = part * kColumnsPerSection;
            const int to = qMin(int(t.columns.size()), from + kColumnsPerSection);
            ReportDefinition report;
            report.name = whole.name;
            if (first) {
                report.titleBand << ReportLine{
                    {clubName, 0, 1, Qt::AlignLeft, TextStyle::Heading, {}}};
                report.titleBand << ReportLine{
                    {RecordText::tr("What the club holds about member %1, %2")
                         .arg(record.loftNo, MomentText(record.made)),
                     0,
                     1,
                     Qt::AlignLeft,
                     TextStyle::Bold,
                     {}}};
                first = false;
            }
            QString title = sections > 1 ? RecordText::tr("%1 (columns %2 to %3 of %4)")
                                               .arg(t.table)
                                               .arg(from + 1)
                                               .arg(to)
                                               .arg(t.columns.size())
                                         : t.table;
            title +=
                QStringLiteral(": ") + RecordText::tr("%n row(s)", nullptr, int(t.rows.size()));
            report.titleBand << ReportLine{{title, 0, 1, Qt::AlignLeft, TextStyle::Bold, {}}};
            for (int c = from; c < to; ++c) {
                report.columns << ReportColumn{t.columns.at(c), 1.0, Qt::AlignLeft, false, true};
            }
            for (const QVariantList& row : t.rows) {
                QStringList texts;
                for (int c = from; c < to; ++c) {
                    texts << CellText(row.value(c));
                }
                report.rows << texts;
            }
            report.footer = {ReportLine{
                {QString(), 0, 1, Qt::AlignRight, TextStyle::Normal, {SystemField::PageNumber}}}};
            const ReportLayout section = LayOutReport(report, record.made);
            whole.pageSize = section.pageSize;
            whole.pages += section.pages;
        }
    }
    return whole;
}

MemberExport ExportMemberRecord(TdmZOLF& db, const QString& parent, const QString& loftNo,
                                const Clock& clock) {
    if (db.value(QStringLiteral("select 1 from ZOL_LoftData where LoftNo=? limit 1"), {loftNo})
            .isNull()) {
        throw UserError(RecordText::tr("The member list holds no loft %1.").arg(loftNo));
    }
    const QDateTime now = clock.now();
    const MemberRecord record = ReadMemberRecord(db, loftNo, now);
    const QByteArray json = MemberRecordJson(record);
    const QByteArray pdf = ReportPdfBytes(MemberRecordLayout(record, ReadClubHeading(db).name));

    const QString name = QStringLiteral("Member %1 %2").arg(FileSafe(loftNo), DateText(now.date()));
    MemberExport out;
    out.folder = QDir(parent).filePath(name);
    out.pdf = QDir(out.folder).filePath(name + QStringLiteral(".pdf"));
    out.json = QDir(out.folder).filePath(name + QStringLiteral(".json"));
    const bool existed = QFileInfo(out.folder).isDir();
    if (!existed && !QDir().mkpath(out.folder)) {
        throw FileWriteError(
            FileWriteMessage(out.folder, RecordText::tr("the folder cannot be made")));
    }
    try {
        WriteWholeFiles({WholeFile{out.pdf, pdf, {}}, WholeFile{out.json, json, {}}});
    } catch (...) {
        if (!existed) {
            QDir().rmdir(out.folder);
        }
        throw;
    }
    return out;
}

bool ExportMemberRecordAction(TdmZOLF& db, Prompts& prompts, const Clock& clock,
                              const QString& loftNo) {
    const QString parent =
        prompts.folderName(RecordText::tr("Folder for the member's data"), QDir::homePath());
    if (parent.isEmpty()) {
        return false;
    }
    const MemberExport out = ExportMemberRecord(db, parent, loftNo, clock);
    prompts.information(RecordText::tr("Everything the club holds about member %1 is in %2")
                            .arg(loftNo, QDir::toNativeSeparators(out.folder)));
    return true;
}

QList<HeldBackup> BackupsIn(const QString& backupDir) {
    QList<HeldBackup> held;
    for (const QFileInfo& f :
         QDir(backupDir).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Time)) {
        held << HeldBackup{f.absoluteFilePath(), f.lastModified().date()};
    }
    return held;
}

QString FormerMemberLabel(int number) {
    // Stored with the member: the same in every language.
    return QStringLiteral("Former member %1").arg(number);
}

Erasure EraseMember(TdmZOLF& db, const QString& loftNo, const QString& backupDir) {
    Erasure erasure;
    db.transaction([&] {
        if (db.value(QStringLiteral("select 1 from ZOL_LoftData where LoftNo=? limit 1"), {loftNo})
                .isNull()) {
            throw UserError(RecordText::tr("The member list holds no loft %1.").arg(loftNo));
        }
        EnsureMemberPrivacyTable(db);
        // A member erased before keeps their number.
        QVariant number = db.value(
            QStringLiteral("select FormerNo from KST_MemberPrivacy where LoftNo=?"), {loftNo});
        if (number.isNull()) {
            number = db.value(QStringLiteral(
                                  "select coalesce(max(FormerNo), 0) + 1 from KST_MemberPrivacy"))
                         .toInt();
        }
        erasure.label = FormerMemberLabel(number.toInt());
        db.exec(QStringLiteral("update ZOL_LoftData set LoftName=?, Street='', City='', "
                               "PostCode='', PhoneNo='', EMail='', LoftLon='', LoftLat='', "
                               "Notes='' where LoftNo=?"),
                {erasure.label, loftNo});
        db.exec(QStringLiteral("update ZOL_LoftLibPointDist set LoftName=? where LoftNo=?"),
                {erasure.label, loftNo});
        db.exec(QStringLiteral("insert into KST_MemberPrivacy (LoftNo, NameShown, TownShown, "
                               "FormerNo) values (?, 0, 0, ?) on conflict (LoftNo) do update "
                               "set NameShown=0, TownShown=0, FormerNo=excluded.FormerNo"),
                {loftNo, number.toInt()});
    });
    try {
        RewriteWithoutFreeSpace(
            db, {QStringLiteral("ZOL_LoftData"), QStringLiteral("ZOL_LoftLibPointDist"),
                 QStringLiteral("KST_MemberPrivacy")});
    } catch (const DbError& e) {
        erasure.rewriteFailure = e.text();
    }
    erasure.backups = BackupsIn(backupDir);
    return erasure;
}

bool EraseMemberAction(TdmZOLF& db, Prompts& prompts, const QString& loftNo,
                       const QString& backupDir) {
    if (!prompts.confirmed(
            RecordText::tr("Erase member %1? Their name is replaced by a neutral label in every "
                           "result, and their address, telephone, coordinates and notes are "
                           "removed for good. Results and places stay as they are.")
                .arg(loftNo))) {
        return false;
    }
    const Erasure e = EraseMember(db, loftNo, backupDir);
    QString text = RecordText::tr("Member %1 is now \"%2\".").arg(loftNo, e.label);
    if (!e.rewriteFailure.isEmpty()) {
        text +=
            QLatin1Char('\n') + RecordText::tr(
                                    "The database could not be rewritten, so the old values may "
                                    "still be found in its free space: %1")
                                    .arg(e.rewriteFailure);
    }
    if (e.backups.isEmpty()) {
        text += QLatin1Char('\n') + RecordText::tr("No backup in %1 holds their data.")
                                        .arg(QDir::toNativeSeparators(backupDir));
    } else {
        text +=
            QLatin1Char('\n') + RecordText::tr(
                                    "These backups still hold their data; the program keeps them "
                                    "until they are deleted (the newest is replaced by the next "
                                    "start-up backup and then kept under its date):");
        for (const HeldBackup& b : e.backups) {
            text += QStringLiteral("\n  ") + QDir::toNativeSeparators(b.file) +
                    QStringLiteral(" (") + DateText(b.made) + QLatin1Char(')');
        }
    }
    prompts.information(text);
    return true;
}

QStringList MembersBeyondRetention(TdmZOLF& db, int seasonsKept, const QDate& today) {
    if (seasonsKept <= 0) {
        return {};
    }
    const int firstKept = today.year() - seasonsKept + 1;
    const auto year = [](const QVariant& v) {
        const int y = v.toString().left(4).toInt();
        return y > 0 && y < 100 ? 2000 + y : y;
    };
    QHash<QString, int> lastResult;
    const auto results = [&](const QString& sql) {
        try {
            for (const QVariantList& r : db.rows(sql)) {
                int& last = lastResult[r.value(0).toString()];
                last = qMax(last, year(r.value(1)));
            }
        } catch (const DbError&) {
            // No race of this file was ever kept.
        }
    };
    results(
        QStringLiteral("select p.LoftNo, max(substr(a.LiberDate,1,4)) from ZOL_PigRaceData "
                       "a join ZOL_PigData p on p.PRingNo=a.PRingNo group by p.LoftNo"));
    results(
        QStringLiteral("select LoftNo, max(substr(LiberDate,1,4)) from ZOL_RaceClockTime "
                       "group by LoftNo"));
    results(
        QStringLiteral("select LoftNo, max(substr(LiberDate,1,4)) from KST_SeasonResult "
                       "group by LoftNo"));
    QSet<QString> erased;
    try {
        for (const QString& l : db.texts(QStringLiteral(
                 "select LoftNo from KST_MemberPrivacy where FormerNo is not null"))) {
            erased.insert(l);
        }
    } catch (const DbError&) {
        // No member has been erased in this file.
    }
    QHash<QString, int> lastRing;
    for (const QVariantList& r :
         db.rows(QStringLiteral("select LoftNo, max(RYear) from ZOL_PigData group by LoftNo"))) {
        lastRing.insert(r.value(0).toString(), year(r.value(1)));
    }
    QStringList beyond;
    for (const QVariantList& m :
         db.rows(QStringLiteral("select LoftNo, UpdateTime from ZOL_LoftData order by LoftNo"))) {
        const QString loft = m.value(0).toString();
        const auto last = lastResult.constFind(loft);
        if (last == lastResult.constEnd() || last.value() == 0 || erased.contains(loft)) {
            continue;
        }
        if (last.value() < firstKept && lastRing.value(loft) < firstKept &&
            year(m.value(1)) < firstKept) {
            beyond << loft;
        }
    }
    return beyond;
}

int ApplyRetention(TdmZOLF& db, Prompts& prompts, const Clock& clock, const QString& backupDir) {
    const int kept = ResultSeasonsKept(db);
    const QStringList members = MembersBeyondRetention(db, kept, clock.today());
    if (members.isEmpty()) {
        return 0;
    }
    if (ClubSetting(db, kRetentionAgreedSetting) != QStringLiteral("1")) {
        if (!prompts.confirmed(
                RecordText::tr("The club keeps results with names for %n season(s). %1 former "
                               "member(s) have had no result since then: %2. Replace their "
                               "names by neutral labels and remove their addresses now? Their "
                               "results and everyone's places stay as they are.",
                               nullptr, kept)
                    .arg(members.size())
                    .arg(members.join(QStringLiteral(", "))))) {
            return 0;  // asked again at the next start
        }
        SetClubSetting(db, kRetentionAgreedSetting, QStringLiteral("1"));
    }
    for (const QString& loft : members) {
        EraseMember(db, loft, backupDir);
    }
    return int(members.size());
}

QString PersonalDataRecordText() {
    return RecordText::tr(
        "Personal data this program holds: each member's name, street, town, post code, "
        "telephone, loft number and loft coordinates, their clocks, rings, race entries, clock "
        "times, distances, pool entries and payouts, championship standings, and the history "
        "of changes to race entries with the login that made them.\n\n"
        "Why: to run the club and its races (members, clocks, results and prizes).\n\n"
        "Where: in the club's database on this PC (Kestrava_Europe.db in the data folder) or "
        "on the club's database server, and in the backups in the Backup folder beside the "
        "data folder.\n\n"
        "What leaves the club: published results (web pages, CSV, the live board, printed "
        "lists, the federation's combined result) show each member's name as they chose "
        "(full name, initials and surname, or the loft number only) and their town only if "
        "they allow it; never their street, post code, telephone, e-mail or coordinates. The "
        "federation's exchange files carry what the federation needs to compute results.\n\n"
        "How long: results stay with names for the seasons the club sets in Setup (all of "
        "them unless set); older ones are then shown under neutral labels. A member may ask "
        "for everything the club holds about them (Members, \"What We Hold About This Member\") "
        "and a former member may be erased (Members, \"Erase Former Member\"); backups made before "
        "keep their data until "
        "they are deleted.");
}
