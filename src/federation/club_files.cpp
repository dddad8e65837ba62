#include "club_files.h"

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

#include "data/date_time.h"
#include "data/errors.h"
#include "federation_text.h"
#include "races/coordinates.h"
#include "spreadsheet/workbook_reader.h"

namespace {

[[noreturn]] void BadLine(const QString& file, int line, const QString& why) {
    throw UserError(
        Federation::tr("%1, line %2: %3").arg(QFileInfo(file).fileName()).arg(line).arg(why));
}

// The whole file, refused when it is larger than any club's file can be.
ClubFileText ReadClubFileText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        throw UserError(Federation::tr("%1 cannot be read: %2")
                            .arg(QDir::toNativeSeparators(file), f.errorString()));
    }
    const QByteArray bytes = f.read(kClubFileMaxBytes + 1);
    if (bytes.size() > kClubFileMaxBytes) {
        throw UserError(Federation::tr("%1 is larger than a club's file can be (%2 MB at most).")
                            .arg(QDir::toNativeSeparators(file))
                            .arg(kClubFileMaxBytes / (1024 * 1024)));
    }
    return {file, bytes};
}

// A character no club's text holds: a control character, tabs included, since the records
// are of fixed width (a binary file, or text in a two-byte encoding, which puts a zero byte
// beside every letter).
bool NotText(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// The lines of a WinSpeed text file (one byte a character), trailing empty lines dropped.
QStringList LatinLines(const ClubFileText& file) {
    QByteArray bytes = file.bytes;
    if (bytes.endsWith('\x1a')) {
        bytes.chop(1);  // an end-of-file mark left by old DOS programs
    }
    QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString& line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        for (const QChar c : std::as_const(line)) {
            if (NotText(c)) {
                BadLine(file.name, i + 1,
                        Federation::tr("the file holds a character that is not text (code %1): "
                                       "it is not a WinSpeed text file.")
                            .arg(c.unicode()));
            }
        }
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// The file of this name in the folder of `beside`, its name matched without regard to case.
QString FileBeside(const QString& beside, const QString& name) {
    const QDir dir = QFileInfo(beside).absoluteDir();
    const QStringList found = dir.entryList(QDir::Files);
    for (const QString& f : found) {
        if (f.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(f);
        }
    }
    throw UserError(Federation::tr("%1 is missing: the WinSpeed file needs it beside it in %2.")
                        .arg(name, QDir::toNativeSeparators(dir.path())));
}

int Number(const QString& text, bool* ok) {
    return text.trimmed().toInt(ok);
}

QDate DayMonthYear(const QString& ddmmyy) {
    bool ok1 = false, ok2 = false, ok3 = false;
    const int d = ddmmyy.mid(0, 2).toInt(&ok1);
    const int m = ddmmyy.mid(2, 2).toInt(&ok2);
    const int y = ddmmyy.mid(4, 2).toInt(&ok3);
    if (ddmmyy.size() != 6 || !ok1 || !ok2 || !ok3) {
        return {};
    }
    return QDate(2000 + y, m, d);
}

// "ddmmhhnnss" of an arrival in the race of `race`.
QDateTime ArrivalMoment(const QString& text, const QDate& race) {
    if (text.size() != 10) {
        return {};
    }
    int parts[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        parts[i] = text.mid(i * 2, 2).toInt(&ok);
        if (!ok) {
            return {};
        }
    }
    int year = race.year();
    if (parts[1] < race.month()) {
        ++year;  // a December race whose birds came home in January
    }
    const QDate day(year, parts[1], parts[0]);
    const QTime time(parts[2], parts[3], parts[4]);
    return day.isValid() && time.isValid() ? QDateTime(day, time) : QDateTime();
}

// Leaves out a second entry of one ring in one race, noting it.
void AddEntry(ClubFile& out, QSet<QString>& seen, const ClubFileEntry& e, const QString& where) {
    const QString key =
        e.liberCode + QLatin1Char('\n') + DateText(e.liberDate) + QLatin1Char('\n') + e.ring;
    if (seen.contains(key)) {
        out.notes << Federation::tr(
                         "%1: ring %2 is given twice for race %3 of %4; the first is kept.")
                         .arg(where, e.ring, e.liberCode, DateText(e.liberDate));
        return;
    }
    seen.insert(key);
    out.entries << e;
    if (!out.races.contains(ClubFileRace{e.liberCode, e.liberDate})) {
        out.races << ClubFileRace{e.liberCode, e.liberDate};
    }
}

}  // namespace

double MaxClubFileSpeed(int mode) {
    return mode == 0 ? 3000.0 : 3000.0 / 0.9144;
}

ClubFile ReadWinSpeedSet(const QString& file, const QString& clubId, const QString& clubName) {
    const QString raceList = FileBeside(file, QStringLiteral("LiberCode_List.txt"));
    const QString loftList = FileBeside(file, QStringLiteral("Loft_List.txt"));
    return ParseWinSpeedSet(ReadClubFileText(file), ReadClubFileText(raceList),
                            ReadClubFileText(loftList), clubId, clubName);
}

ClubFile ParseWinSpeedSet(const ClubFileText& records, const ClubFileText& raceFile,
                          const ClubFileText& loftFile, const QString& clubId,
                          const QString& clubName) {
    const QString& file = records.name;
    const QString& raceList = raceFile.name;
    const QString& loftList = loftFile.name;
    ClubFile out;
    out.kind = ClubFile::Kind::WinSpeed;
    out.fileName = file;
    out.clubId = clubId;
    out.clubName = clubName;
    const QDate today = QDate::currentDate();

    // Race numbers: "NN,ddmmyy,CODE".
    QHash<int, ClubFileRace> races;
    const QStringList raceLines = LatinLines(raceFile);
    for (int i = 0; i < raceLines.size(); ++i) {
        const QStringList f = raceLines[i].split(QLatin1Char(','));
        bool ok = false;
        const int n = f.size() == 3 ? Number(f[0], &ok) : 0;
        const QDate date = f.size() == 3 ? DayMonthYear(f[1].trimmed()) : QDate();
        if (!ok || !date.isValid() || f[2].trimmed().isEmpty()) {
            BadLine(
                raceList, i + 1,
                Federation::tr("'%1' is not a race number, a date and a code.").arg(raceLines[i]));
        }
        if (date > today) {
            BadLine(raceList, i + 1,
                    Federation::tr("the race day %1 is still to come.").arg(DateText(date)));
        }
        races.insert(n, ClubFileRace{f[2].trimmed(), date});
    }
    // Loft numbers: "NN,LoftNo".
    QHash<int, QString> lofts;
    const QStringList loftLines = LatinLines(loftFile);
    for (int i = 0; i < loftLines.size(); ++i) {
        const int comma = loftLines[i].indexOf(QLatin1Char(','));
        bool ok = false;
        const int n = comma > 0 ? Number(loftLines[i].left(comma), &ok) : 0;
        if (!ok) {
            BadLine(loftList, i + 1,
                    Federation::tr("'%1' is not a loft number and a loft.").arg(loftLines[i]));
        }
        lofts.insert(n, loftLines[i].mid(comma + 1).trimmed().toUpper());
    }

    QSet<QString> seen;
    const QStringList lines = LatinLines(records);
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString where =
            QStringLiteral("%1, line %2").arg(QFileInfo(file).fileName()).arg(i + 1);
        if (line.isEmpty()) {
            continue;
        }
        const QChar kind = line[0];
        if (kind == QLatin1Char('0') || kind == QLatin1Char('2')) {
            continue;  // the day and the clock readings: the races and arrivals carry them
        }
        bool ok = false;
        const int loftNumber = line.size() >= 7 ? Number(line.mid(4, 3), &ok) : 0;
        if (kind != QLatin1Char('1') && kind != QLatin1Char('3')) {
            BadLine(file, i + 1,
                    Federation::tr("'%1' is not a WinSpeed record.").arg(line.left(20)));
        }
        if (!ok || !lofts.contains(loftNumber)) {
            BadLine(
                file, i + 1,
                Federation::tr("loft number '%1' is not in Loft_List.txt.").arg(line.mid(4, 3)));
        }
        const QString loftNo = lofts.value(loftNumber);
        if (kind == QLatin1Char('1')) {
            if (line.size() < 10) {
                BadLine(file, i + 1, Federation::tr("the loft record is too short."));
            }
            if (!loftNo.isEmpty()) {
                out.loftNames.insert(loftNo, line.mid(10));
            }
            continue;
        }
        // A pigeon: a stored sex of one letter stands at position 22; without one the race
        // number begins there (blank or digit).
        if (line.size() < 62) {
            BadLine(file, i + 1, Federation::tr("the pigeon record is too short."));
        }
        ClubFileEntry e;
        e.ring = line.mid(7, 14).trimmed();
        const QChar s = line[21];
        const bool hasSex = !(s.isDigit() || s == QLatin1Char(' '));
        if (hasSex) {
            e.sex = QString(s);
        }
        const QString rest = line.mid(21 + (hasSex ? 1 : 0));
        if (rest.size() < 41) {
            BadLine(file, i + 1, Federation::tr("the pigeon record is too short."));
        }
        const int raceNumber = Number(rest.left(2), &ok);
        if (!ok || !races.contains(raceNumber)) {
            BadLine(
                file, i + 1,
                Federation::tr("race number '%1' is not in LiberCode_List.txt.").arg(rest.left(2)));
        }
        const ClubFileRace race = races.value(raceNumber);
        e.liberCode = race.liberCode;
        e.liberDate = race.liberDate;
        e.loftNo = loftNo;
        e.colorType = rest.mid(41).trimmed();
        if (rest[2] == QLatin1Char('1')) {
            const QDateTime arrival = ArrivalMoment(rest.mid(3, 10), race.liberDate);
            if (!arrival.isValid()) {
                BadLine(
                    file, i + 1,
                    Federation::tr("'%1' is not an arrival day and time.").arg(rest.mid(3, 10)));
            }
            const qint64 days = race.liberDate.daysTo(arrival.date());
            if (days < 0 || days > kClubFileMaxArrivalDays) {
                BadLine(file, i + 1,
                        Federation::tr("the arrival on %1 is outside the race of %2.")
                            .arg(DateText(arrival.date()), DateText(race.liberDate)));
            }
            e.backTime = MomentMsText(arrival);
        } else if (rest[2] != QLatin1Char('0')) {
            BadLine(file, i + 1,
                    Federation::tr("'%1' does not say whether the bird arrived.").arg(rest[2]));
        }
        if (e.ring.isEmpty()) {
            BadLine(file, i + 1, Federation::tr("the pigeon record has no ring number."));
        }
        e.where = where;
        AddEntry(out, seen, e, where);
    }
    return out;
}

ClubFile ReadResultWorkbook(const QString& file, const QString& clubId, const QString& clubName,
                            const QDate& liberDate, int mode) {
    ClubFile out;
    out.kind = ClubFile::Kind::ResultWorkbook;
    out.fileName = file;
    out.clubId = clubId;
    out.clubName = clubName;
    WorkbookLimits limits;
    limits.maxFileBytes = kClubFileMaxBytes;
    const WorkbookReader book(file, limits);
    const QString name = QFileInfo(file).fileName();
    QHash<QString, int> column;
    for (int c = 1; c <= book.columnCount(); ++c) {
        column.insert(book.text(1, c).trimmed().toLower(), c);
    }
    for (const char* needed : {"libercode", "pringno", "backtime", "loftno"}) {
        if (!column.contains(QLatin1String(needed))) {
            throw UserError(Federation::tr("%1 is not a result list: it has no column '%2'.")
                                .arg(name, QLatin1String(needed)));
        }
    }
    auto cell = [&](int row, const char* title) {
        const int c = column.value(QLatin1String(title));
        return c > 0 ? book.text(row, c).trimmed() : QString();
    };
    QDate day = liberDate;
    if (!day.isValid()) {
        for (int r = 2; r <= book.rowCount(); ++r) {
            const QDate d = ParseMoment(cell(r, "backtime")).date();
            if (d.isValid() && (!day.isValid() || d < day)) {
                day = d;
            }
        }
    }
    if (day.isValid() && day > QDate::currentDate()) {
        throw UserError(
            Federation::tr("%1: the race day %2 is still to come.").arg(name, DateText(day)));
    }
    QSet<QString> seen;
    for (int r = 2; r <= book.rowCount(); ++r) {
        const QString where = QStringLiteral("%1, row %2").arg(name).arg(r);
        for (int c = 1; c <= book.columnCount(); ++c) {
            const QString text = book.text(r, c);
            if (std::any_of(text.begin(), text.end(), NotText)) {
                throw UserError(
                    Federation::tr("%1: a cell holds a character that is not text.").arg(where));
            }
        }
        ClubFileEntry e;
        e.ring = cell(r, "pringno").toUpper();
        if (e.ring.isEmpty()) {
            continue;
        }
        if (e.ring.size() > kClubFileMaxRing) {
            throw UserError(Federation::tr("%1: the ring number '%2' is longer than %3 characters.")
                                .arg(where, e.ring.left(40))
                                .arg(kClubFileMaxRing));
        }
        e.liberCode = cell(r, "libercode").toUpper();
        e.liberDate = day;
        e.loftNo = cell(r, "loftno").toUpper();
        e.sex = cell(r, "sex");
        e.colorType = cell(r, "colortype");
        e.backTime = cell(r, "backtime");
        if (!e.backTime.isEmpty() && !ParseMoment(e.backTime).isValid()) {
            throw UserError(
                Federation::tr("%1: '%2' is not a date and time.").arg(where, e.backTime));
        }
        if (!day.isValid()) {
            throw UserError(Federation::tr("%1: the race's day is not known.").arg(where));
        }
        if (!e.backTime.isEmpty()) {
            const qint64 days = day.daysTo(ParseMoment(e.backTime).date());
            if (days < 0 || days > kClubFileMaxArrivalDays) {
                throw UserError(Federation::tr("%1: the arrival %2 is outside the race of %3.")
                                    .arg(where, e.backTime, DateText(day)));
            }
        }
        e.flyTime = cell(r, "flytime");
        const QString speed = cell(r, "flyspeed");
        bool ok = false;
        const double v = speed.toDouble(&ok);
        if (!speed.isEmpty()) {
            if (!ok) {
                throw UserError(Federation::tr("%1: '%2' is not a valid floating point value.")
                                    .arg(where, speed));
            }
            if (!std::isfinite(v) || v < 0 || v > MaxClubFileSpeed(mode)) {
                throw UserError(Federation::tr("%1: the speed %2 is not a speed a pigeon flies.")
                                    .arg(where, speed));
            }
            e.flySpeed = v;
        }
        const QStringList pair = cell(r, "dist").split(QLatin1Char('/'));
        if (pair.size() == 2) {
            bool ok1 = false, ok2 = false;
            const int miles = pair[0].trimmed().toInt(&ok1);
            const int yards = pair[1].trimmed().toInt(&ok2);
            if (ok1 && ok2) {
                e.dist = DistPairToUnits(miles, yards, mode);
            }
        }
        const QString vari = cell(r, "timevari");
        const int tv = vari.toInt(&ok);
        if (ok) {
            e.timeVari = tv;
        }
        e.where = where;
        AddEntry(out, seen, e, where);
    }
    return out;
}

ClubFile ReadClubFile(const QString& file, const QString& clubId, const QString& clubName,
                      int mode) {
    if (file.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        return ReadResultWorkbook(file, clubId, clubName, {}, mode);
    }
    return ReadWinSpeedSet(file, clubId, clubName);
}
