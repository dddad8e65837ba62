#include "winspeed_checks.h"

#include <exception>

#include "data/date_time.h"
#include "data/errors.h"
#include "federation/club_files.h"

namespace {

const QString kRecords = QStringLiteral("W0010124.D00");
const QString kRaceList = QStringLiteral("LiberCode_List.txt");
const QString kLoftList = QStringLiteral("Loft_List.txt");

bool IsText(const QString& s) {
    for (const QChar c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            return false;
        }
    }
    return true;
}

QString CheckEntries(const ClubFile& file) {
    const QDate today = QDate::currentDate();
    for (const ClubFileEntry& e : file.entries) {
        if (e.ring.isEmpty() || e.ring.size() > kClubFileMaxRing || !IsText(e.ring) ||
            !IsText(e.loftNo) || !IsText(e.colorType)) {
            return QStringLiteral("entry with ring '%1' of loft '%2'").arg(e.ring, e.loftNo);
        }
        if (!e.liberDate.isValid() || e.liberDate > today || e.liberCode.isEmpty() ||
            !file.races.contains(ClubFileRace{e.liberCode, e.liberDate})) {
            return QStringLiteral("race %1 of %2").arg(e.liberCode, DateText(e.liberDate));
        }
        if (!e.backTime.isEmpty()) {
            const QDateTime at = ParseMoment(e.backTime);
            const qint64 days = at.isValid() ? e.liberDate.daysTo(at.date()) : -1;
            if (days < 0 || days > kClubFileMaxArrivalDays) {
                return QStringLiteral("arrival %1 in the race of %2")
                    .arg(e.backTime, DateText(e.liberDate));
            }
        }
        if (!e.where.startsWith(kRecords + QStringLiteral(", line "))) {
            return QStringLiteral("entry from '%1'").arg(e.where);
        }
    }
    return {};
}

}  // namespace

QByteArray PackWinSpeedSet(const QByteArray& raceList, const QByteArray& loftList,
                           const QByteArray& records) {
    QByteArray out;
    out.append(char(qMin(raceList.size(), qsizetype(255))));
    out.append(char(qMin(loftList.size(), qsizetype(255))));
    return out + raceList.left(255) + loftList.left(255) + records;
}

QString CheckWinSpeedInput(const QByteArray& bytes) {
    if (bytes.size() < 2) {
        return {};
    }
    const int races = quint8(bytes[0]);
    const int lofts = quint8(bytes[1]);
    const ClubFileText raceList{kRaceList, bytes.mid(2, races)};
    const ClubFileText loftList{kLoftList, bytes.mid(2 + races, lofts)};
    const ClubFileText records{kRecords, bytes.mid(2 + races + lofts)};
    try {
        return CheckEntries(
            ParseWinSpeedSet(records, raceList, loftList, QStringLiteral("A"), QString()));
    } catch (const UserError& e) {
        for (const QString& name : {kRecords, kRaceList, kLoftList}) {
            if (e.text().startsWith(name + QStringLiteral(", line "))) {
                return {};
            }
        }
        return QStringLiteral("unexpected message: ") + e.text();
    } catch (const std::exception& e) {
        return QStringLiteral("exception: ") + QString::fromUtf8(e.what());
    }
}
