#include "exchange_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "data/whole_file.h"
#include "flying_time.h"
#include "members/member_privacy.h"
#include "race_results.h"

namespace {
struct RaceText {
    Q_DECLARE_TR_FUNCTIONS(Races)
};
}  // namespace

namespace {

const QString kWeekWhere = QStringLiteral("substr(a.LiberDate,1,10) between ? and ?");

QVariantList weekParams(const QDate& raceDate) {
    const auto [monday, sunday] = IsoWeekDays(raceDate);
    return {DateText(monday), DateText(sunday)};
}

// "ddmmhhnnss" of a moment; the zero moment (1899-12-30 midnight) stands for a missing one.
QString dayClockText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("ddMMHHmmss"));
}

const QDateTime kZeroMoment(QDate(1899, 12, 30), QTime(0, 0));

QDateTime readingOf(const QVariant& stored, const QString& loftNo) {
    const QString text = stored.toString().trimmed();
    if (text.isEmpty()) {
        return kZeroMoment;
    }
    const QDateTime moment = ParseMoment(text);
    if (!moment.isValid()) {
        throw UserError(RaceText::tr("The clock reading '%1' of member %2 is not a valid date "
                                     "and time.")
                            .arg(text, loftNo));
    }
    return moment;
}

struct ReadingsKey {
    QString code;
    QDate date;
    QString loft;
    bool operator==(const ReadingsKey&) const = default;
};
size_t qHash(const ReadingsKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.code, k.date, k.loft);
}

struct LoftDay {
    QDate date;
    QString loft;
    bool operator==(const LoftDay&) const = default;
};
size_t qHash(const LoftDay& k, size_t seed = 0) {
    return qHashMulti(seed, k.date, k.loft);
}

// The marking times of one race and loft, sorted, to count those at or before a bird's.
struct RaceLoft {
    QString code;
    QDate date;
    QString loft;
    bool operator==(const RaceLoft&) const = default;
};
size_t qHash(const RaceLoft& k, size_t seed = 0) {
    return qHashMulti(seed, k.code, k.date, k.loft);
}

int numberIn(const QStringList& list, const QString& value) {
    const int i = int(list.indexOf(value));
    return i < 0 ? int(list.size()) + 1 : i + 1;
}

QString fieldText(const QVariant& v) {
    return v.toString();
}

// Marking times are ordered to the second: older data holds some with milliseconds, and
// "19:00:05" and "19:00:05.400" share a marking order.
QString markedSecond(const QVariant& markedTime) {
    const QString text = markedTime.toString();
    const QString second = MomentSecondText(text);
    return second.isEmpty() ? text.left(19) : second;
}

}  // namespace

QPair<QDate, QDate> IsoWeekDays(const QDate& raceDate) {
    const QDate monday = raceDate.addDays(1 - raceDate.dayOfWeek());
    return {monday, monday.addDays(6)};
}

QString WinSpeedProposedName(const QDate& raceDate) {
    return QString::asprintf("W00101%.2d.D00", raceDate.weekNumber());
}

int WinSpeedKeys::raceNumber(const QDate& date, const QString& code) const {
    const int i = int(races.indexOf(qMakePair(date, code.left(10))));
    return i < 0 ? int(races.size()) + 1 : i + 1;
}

int WinSpeedKeys::clubNumber(const QString& clubId) const {
    return numberIn(clubs, clubId);
}

int WinSpeedKeys::loftNumber(const QString& loftNo) const {
    return numberIn(lofts, loftNo);
}

QList<WeekEntry> WeekEntries(TdmZOLF& db, const QDate& raceDate) {
    QList<WeekEntry> entries;
    QSqlQuery q = db.select(
        QStringLiteral("select a.ClubID, a.LiberCode, a.LiberDate, a.PRingNo, a.BackTime, "
                       "a.MarkedTime, b.LoftNo, b.Sex, b.ColorType, c.LoftName from "
                       "(ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo) "
                       "left join ZOL_LoftData c on b.LoftNo=c.LoftNo where ") +
            kWeekWhere +
            QStringLiteral(
                " order by substr(a.LiberDate,1,10), b.LoftNo nulls first, a.BackTime is null, "
                "a.BackTime, a.PRingNo nulls first"),
        weekParams(raceDate));
    while (q.next()) {
        entries << WeekEntry{q.value(0).toString(),
                             q.value(1).toString(),
                             StrToDate(q.value(2).toString()),
                             q.value(3).toString(),
                             q.value(4),
                             q.value(5),
                             q.value(6),
                             q.value(7),
                             q.value(8),
                             q.value(9)};
    }
    return entries;
}

WinSpeedKeys WeekKeys(TdmZOLF& db, const QDate& raceDate) {
    WinSpeedKeys keys;
    const QVariantList week = weekParams(raceDate);
    QSqlQuery races = db.select(
        QStringLiteral("select substr(a.LiberDate,1,10) as d, a.LiberCode from ZOL_PigRaceData a "
                       "where ") +
            kWeekWhere + QStringLiteral(" group by d, a.LiberCode order by d, a.LiberCode"),
        week);
    while (races.next()) {
        keys.races << qMakePair(StrToDate(races.value(0).toString()),
                                races.value(1).toString().left(10));
    }
    keys.clubs =
        db.texts(QStringLiteral("select a.ClubID from ZOL_PigRaceData a where ") + kWeekWhere +
                     QStringLiteral(" group by a.ClubID order by a.ClubID nulls first"),
                 week);
    keys.lofts = db.texts(
        QStringLiteral("select b.LoftNo from ZOL_PigRaceData a left join ZOL_PigData b on "
                       "a.PRingNo=b.PRingNo where ") +
            kWeekWhere + QStringLiteral(" group by b.LoftNo order by b.LoftNo nulls first"),
        week);
    return keys;
}

QString WinSpeedRecord0(const QDate& liberDate) {
    return QStringLiteral("0") + liberDate.toString(QStringLiteral("ddMMyy"));
}

QString WinSpeedRecord1(int club, int loft, int clockedBirds, const QString& loftName) {
    return QString::asprintf("1%.3d%.3d%.3d", club, loft, clockedBirds) + loftName;
}

QString WinSpeedRecord2(int club, int loft, const QDateTime& marked, const QDateTime& master,
                        const QDateTime& member) {
    return QString::asprintf("2%.3d%.3d1", club, loft) + dayClockText(marked) +
           dayClockText(master) + member.toString(QStringLiteral("HHmmss"));
}

QString WinSpeedRecord3(int club, int loft, const WeekEntry& entry, int raceNumber,
                        int markingOrder) {
    const bool arrived = !entry.backTime.isNull();
    const QString colour = fieldText(entry.colorType);
    return QString::asprintf("3%.3d%.3d", club, loft) +
           entry.ring.left(kWinSpeedRingLength)
               .leftJustified(kWinSpeedRingLength, QLatin1Char(' ')) +
           fieldText(entry.sex) + QString::asprintf("%2d", raceNumber) +
           (arrived ? QStringLiteral("1") : QStringLiteral("0")) +
           (arrived ? dayClockText(ArrivalOf(entry.ring, entry.backTime.toString()))
                    : QStringLiteral("0000000000")) +
           QString::asprintf("%.8d", markingOrder) + QStringLiteral("00000000000000000000") +
           colour.left(4);
}

WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate) {
    // The week's entries are read once, for the counts and the records alike.
    const QList<WeekEntry> entries = WeekEntries(db, raceDate);
    QHash<LoftDay, int> clocked;
    QHash<RaceLoft, QStringList> marks;
    for (const WeekEntry& e : entries) {
        if (e.loftNo.isNull()) {
            continue;
        }
        const QString loft = e.loftNo.toString();
        if (!e.backTime.isNull()) {
            ++clocked[LoftDay{e.liberDate, loft}];
        }
        if (!e.markedTime.isNull()) {
            marks[RaceLoft{e.liberCode, e.liberDate, loft}] << markedSecond(e.markedTime);
        }
    }
    for (QStringList& times : marks) {
        std::sort(times.begin(), times.end());
    }
    WinSpeedCounting counting;
    counting.clockedBirds = [&clocked](const QDate& date, const QString& loft) {
        return clocked.value(LoftDay{date, loft}, 0);
    };
    counting.markingOrder = [&marks](const WeekEntry& e) {
        if (e.loftNo.isNull() || e.markedTime.isNull()) {
            return 0;
        }
        const auto it = marks.constFind(RaceLoft{e.liberCode, e.liberDate, e.loftNo.toString()});
        if (it == marks.constEnd()) {
            return 0;
        }
        return int(std::upper_bound(it->begin(), it->end(), markedSecond(e.markedTime)) -
                   it->begin());
    };
    return BuildWinSpeedFiles(db, raceDate, entries, counting);
}

WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate,
                                 const WinSpeedCounting& counting) {
    return BuildWinSpeedFiles(db, raceDate, WeekEntries(db, raceDate), counting);
}

WinSpeedFiles BuildWinSpeedFiles(TdmZOLF& db, const QDate& raceDate,
                                 const QList<WeekEntry>& entries,
                                 const WinSpeedCounting& counting) {
    const WinSpeedKeys keys = WeekKeys(db, raceDate);

    struct Readings {
        QVariant marked, master, member;
    };
    QHash<ReadingsKey, Readings> readings;
    QSqlQuery r = db.select(QStringLiteral("select a.LiberCode, a.LiberDate, a.LoftNo, "
                                           "a.DLMarkedTime, a.ULMasterTime, a.ULClockTime from "
                                           "ZOL_RaceClockTime a where ") +
                                kWeekWhere,
                            weekParams(raceDate));
    while (r.next()) {
        const ReadingsKey key{r.value(0).toString(), ParseDate(r.value(1).toString()),
                              r.value(2).toString()};
        if (!readings.contains(key)) {
            readings.insert(key, Readings{r.value(3), r.value(4), r.value(5)});
        }
    }

    WinSpeedFiles files;
    const PublishedMembers members(db);
    std::optional<QDate> lastDate;
    std::optional<QString> lastLoft;
    int club = 0;
    int loft = 0;
    for (const WeekEntry& e : entries) {
        if (lastDate != e.liberDate) {
            files.records << WinSpeedRecord0(e.liberDate);
            lastDate = e.liberDate;
        }
        const QString loftNo = e.loftNo.toString();
        if (lastLoft != loftNo) {
            club = keys.clubNumber(e.clubId);
            loft = keys.loftNumber(loftNo);
            const int birds = e.loftNo.isNull() ? 0 : counting.clockedBirds(e.liberDate, loftNo);
            // The club file goes to the federation, whose combined result shows the name: the
            // member's published name, as on the club's own pages.
            files.records << WinSpeedRecord1(
                club, loft, birds, e.loftName.isNull() ? QString() : members.of(loftNo).name);
            const Readings found =
                readings.value(ReadingsKey{e.liberCode, e.liberDate, loftNo}, Readings{});
            files.records << WinSpeedRecord2(club, loft, readingOf(found.marked, loftNo),
                                             readingOf(found.master, loftNo),
                                             readingOf(found.member, loftNo));
            lastLoft = loftNo;
        }
        files.records << WinSpeedRecord3(club, loft, e, keys.raceNumber(e.liberDate, e.liberCode),
                                         counting.markingOrder(e));
    }
    // The file holds 14 characters of a ring number: say which rings lose characters, and
    // which of them become one ring there.
    QMap<QString, QStringList> byCut;
    for (const WeekEntry& e : entries) {
        if (e.ring.size() > kWinSpeedRingLength) {
            QStringList& rings = byCut[e.ring.left(kWinSpeedRingLength)];
            if (!rings.contains(e.ring)) {
                rings << e.ring;
            }
        }
    }
    QSet<QString> shortRings;
    for (const WeekEntry& e : entries) {
        if (e.ring.size() <= kWinSpeedRingLength && byCut.contains(e.ring)) {
            shortRings << e.ring;
        }
    }
    for (auto it = byCut.begin(); it != byCut.end(); ++it) {
        std::sort(it->begin(), it->end());
        files.cutRings << *it;
        if (shortRings.contains(it.key())) {
            it->prepend(it.key());
        }
        if (it->size() > 1) {
            files.sharedCuts << *it;
        }
    }
    for (int i = 0; i < keys.races.size(); ++i) {
        files.liberCodeList << QString::asprintf("%.2d,", i + 1) +
                                   keys.races.at(i).first.toString(QStringLiteral("ddMMyy")) +
                                   QLatin1Char(',') + keys.races.at(i).second;
    }
    for (int i = 0; i < keys.lofts.size(); ++i) {
        files.loftList << QString::asprintf("%.2d,", i + 1) + keys.lofts.at(i);
    }
    return files;
}

QString CompactCoordinate(const QString& c) {
    // A coordinate never typed is stored as the empty mask (blanks between the separators).
    if (c.isEmpty() || c.front() == QLatin1Char(' ')) {
        return {};
    }
    return c.mid(0, 4) + c.mid(5, 2) + c.mid(8, 2) + c.mid(10, 4);
}

QStringList CoteLines(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QStringList lines;
    QSqlQuery q = db.select(
        QStringLiteral("select b.LoftNo, c.LoftName, c.PhoneNo, c.LoftLon, c.LoftLat, "
                       "c.AssociationCode, (select k.ClockID from ZOL_LoftClocks k where "
                       "k.LoftNo=b.LoftNo order by k.LastSynchDate desc nulls last limit 1) from "
                       "(ZOL_PigRaceData a left join ZOL_PigData b on a.PRingNo=b.PRingNo) "
                       "left join ZOL_LoftData c on b.LoftNo=c.LoftNo where a.LiberCode=? and "
                       "substr(a.LiberDate,1,10)=? group by b.LoftNo, c.LoftName, c.PhoneNo, "
                       "c.LoftLon, c.LoftLat, c.AssociationCode order by b.LoftNo nulls first"),
        {liberCode, DateText(liberDate)});
    const QString raceCode = RaceCodeOf(liberCode, liberDate);
    while (q.next()) {
        lines << QStringList{q.value(0).toString(),
                             q.value(1).toString(),
                             q.value(2).toString(),
                             CompactCoordinate(q.value(3).toString()),
                             CompactCoordinate(q.value(4).toString()),
                             q.value(6).toString(),
                             q.value(5).toString(),
                             raceCode}
                     .join(QLatin1Char(','));
    }
    return lines;
}

QStringList RingLines(TdmZOLF& db, const QString& liberCode, const QDate& liberDate) {
    QStringList lines;
    QSqlQuery q = db.select(
        QStringLiteral(
            "select a.PRingNo, b.E_Ring, b.UID, b.LoftNo, c.LoftName, "
            "c.AssociationCode from (ZOL_PigRaceData a left join ZOL_PigData b on "
            "a.PRingNo=b.PRingNo) left join ZOL_LoftData c on b.LoftNo=c.LoftNo "
            "where a.LiberCode=? and substr(a.LiberDate,1,10)=? order by b.LoftNo nulls first, "
            "a.PRingNo nulls first"),
        {liberCode, DateText(liberDate)});
    const QString raceCode = RaceCodeOf(liberCode, liberDate);
    while (q.next()) {
        lines << q.value(3).toString() + QLatin1Char(',') + q.value(4).toString() +
                     QLatin1Char(',') + q.value(0).toString() + QLatin1Char(',') +
                     q.value(1).toString().left(8) + QLatin1Char(',') +
                     q.value(2).toString().left(8) + q.value(5).toString() + QLatin1Char(',') +
                     raceCode;
    }
    return lines;
}

QByteArray ExchangeFileBytes(const QStringList& lines, int* replaced) {
    QByteArray bytes;
    int count = 0;
    for (const QString& line : lines) {
        for (const char32_t ch : line.toUcs4()) {
            if (ch > 0xFF) {
                bytes += '?';
                ++count;
            } else {
                bytes += char(ch);
            }
        }
        bytes += "\r\n";
    }
    if (replaced != nullptr) {
        *replaced = count;
    }
    return bytes;
}

int WriteExchangeFiles(const QList<QPair<QString, QStringList>>& files) {
    int replaced = 0;
    QList<WholeFile> contents;
    for (const auto& [path, lines] : files) {
        int n = 0;
        contents << WholeFile{path, ExchangeFileBytes(lines, &n), {}};
        replaced += n;
    }
    WriteWholeFiles(contents);
    return replaced;
}

namespace {

void reportReplaced(Prompts& prompts, int replaced) {
    if (replaced > 0) {
        prompts.information(RaceText::tr("%1 character(s) that the file cannot hold were "
                                         "written as \"?\".")
                                .arg(replaced));
    }
}

}  // namespace

QString WinSpeedRingNote(const WinSpeedFiles& files) {
    if (files.cutRings.isEmpty()) {
        return {};
    }
    QStringList cut;
    for (const QString& ring : files.cutRings) {
        cut << RaceText::tr("%1 as %2").arg(ring, ring.left(kWinSpeedRingLength));
    }
    QString note = RaceText::tr(
                       "%1 ring number(s) longer than %2 characters were cut in the "
                       "WinSpeed file: %3.")
                       .arg(files.cutRings.size())
                       .arg(kWinSpeedRingLength)
                       .arg(cut.join(QStringLiteral(", ")));
    for (const QStringList& rings : files.sharedCuts) {
        note += RaceText::tr("\n%1 became the same ring number %2 there.")
                    .arg(rings.join(QStringLiteral(", ")), rings.first().left(kWinSpeedRingLength));
    }
    return note;
}

void GenerateWinSpeedFile(TdmZOLF& db, Prompts& prompts, const QDate& raceDate) {
    const QString path = prompts.saveFileName(RaceText::tr("WinSpeed file (*.D00);;All files (*)"),
                                              WinSpeedProposedName(raceDate));
    if (path.isEmpty()) {
        return;
    }
    const WinSpeedFiles files = BuildWinSpeedFiles(db, raceDate);
    const QDir folder = QFileInfo(path).absoluteDir();
    reportReplaced(
        prompts,
        WriteExchangeFiles(
            {qMakePair(path, files.records),
             qMakePair(folder.filePath(QStringLiteral("LiberCode_List.txt")), files.liberCodeList),
             qMakePair(folder.filePath(QStringLiteral("Loft_List.txt")), files.loftList)}));
    const QString note = WinSpeedRingNote(files);
    if (files.cutRings.size() > kWinSpeedCutsInOneBox) {
        // A season of long rings cuts hundreds of them: a few lines say what happened, and the
        // whole list is in a window that scrolls and can be saved.
        prompts.details(
            RaceText::tr("%1 ring numbers longer than %2 characters were cut in the WinSpeed "
                         "file; %3 groups of them became one ring number there. The whole list "
                         "is below.")
                .arg(files.cutRings.size())
                .arg(kWinSpeedRingLength)
                .arg(files.sharedCuts.size()),
            note);
    } else if (!note.isEmpty()) {
        prompts.information(note);
    }
}

void GenerateSmsTextFiles(TdmZOLF& db, Prompts& prompts, const QString& liberCode,
                          const QDate& liberDate) {
    const QString cote =
        prompts.saveFileName(RaceText::tr("Texe file (COTE.txt)"), QStringLiteral("COTE.txt"));
    const QString ring =
        prompts.saveFileName(RaceText::tr("Texe file (RING.txt)"), QStringLiteral("RING.txt"));
    // The two lists of one race are replaced together or not at all.
    QList<QPair<QString, QStringList>> files;
    if (!cote.isEmpty()) {
        files << qMakePair(cote, CoteLines(db, liberCode, liberDate));
    }
    if (!ring.isEmpty()) {
        files << qMakePair(ring, RingLines(db, liberCode, liberDate));
    }
    if (!files.isEmpty()) {
        reportReplaced(prompts, WriteExchangeFiles(files));
    }
}
