#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

class TdmZOLF;
class Prompts;

// The distance of every loft to every liberation point (ZOL_LoftLibPointDist): computed from
// the coordinates, typed into the grid, or read from a distance file.

inline const QString kDistanceDownloadSuccess =
    QStringLiteral(QT_TRANSLATE_NOOP("Races", "Race Distance download success \uFF01\uFF01"));

// The club's unit mode: 0 metric (kilometres and metres), anything else imperial (miles and
// yards). A club without a record counts as metric.
int ClubDistanceMode(TdmZOLF& db);

// Column titles of the distance pair in the club's mode: "Miles"/"Yards" or "KM"/"M".
QString MilesTitle(int mode);
QString YardsTitle(int mode);

// The distance rows with the loft's name looked up (LiberCode, LoftName, LoftNo, Miles,
// Yards); with a liberation code, only that code's rows.
QString LoftDistanceSql(bool filtered);

// The total distance of a loft from a liberation point in yards or metres; 0 without a row.
int LoftTotalDistance(TdmZOLF& db, const QString& liberCode, const QString& loftNo, int mode);

// Every loft's distance from a liberation point as a result list shows it ("miles/yards"),
// by loft number, read at once.
QHash<QString, QString> LoftDistanceTexts(TdmZOLF& db, const QString& liberCode);

// Computes every loft's distance to the race's own coordinates with the club's distance method
// and writes the code's rows (created where missing), recording the method as their source.
// Lofts without a longitude keep their row as it is. The race is the one of this club, code and
// date (the race list's texts). This is the only action that recomputes distance rows; race
// entries keep their distances until the race is recalculated. Returns the rows written.
int LoftDistUpdate(TdmZOLF& db, Prompts& prompts, const QString& clubId, const QString& liberCode,
                   const QString& liberDateText);

// One loft's distance to a race's liberation point by both methods, in the club's unit
// (metres, or yards in imperial mode), as the update would store each.
struct MethodComparison {
    QString loftNo;
    QString loftName;
    int flat = 0;
    int geodesic = 0;
    int difference() const { return geodesic - flat; }
};
// Every loft with coordinates, largest difference (geodesic minus flat) first; lofts whose
// coordinates are not set or do not parse are left out. Writes nothing.
QList<MethodComparison> CompareDistanceMethods(TdmZOLF& db, const QString& clubId,
                                               const QString& liberCode,
                                               const QString& liberDateText);

// Stores a pair typed into the grid.
void SetLoftDistance(TdmZOLF& db, const QString& liberCode, const QString& loftNo,
                     const QVariant& miles, const QVariant& yards);

// Reads a distance file (Latin-1; lines "code,loft,miles,yards"): existing rows are updated,
// missing ones created when the code is given. A third or fourth field that is not a whole
// number stops at that line with the conversion error and its line number; the lines before
// it stay stored. The codes written record the file as the source of their distances. Shows the
// success message at the end, listing the lines stored for a loft that is not a member. Returns
// the lines read.
int DownloadDistances(TdmZOLF& db, Prompts& prompts, const QString& path);
// The end message of a download; `strangers` are the lines ("line 3 \"A1,999,1,2\"") stored
// for a loft that is not a member.
QString DistanceDownloadMessage(const QStringList& strangers);

// Typing in a distance grid: a digit edits the current cell (the first digit replaces the
// value, further ones append), Enter posts the row, any other typed key (Backspace too) drops
// the row's pending edit. Only Miles and Yards take digits; leaving the row posts it.
class DistanceGridEdit {
  public:
    enum class Action { None, Typed, Post, Cancel };

    // `keyText` is the text the key types (empty for keys like arrows).
    Action key(const QString& keyText, const QString& liberCode, const QString& loftNo,
               const QString& field);

    bool editing() const { return editing_; }
    bool isPending(const QString& liberCode, const QString& loftNo) const {
        return editing_ && liberCode == liberCode_ && loftNo == loftNo_;
    }
    // The pending text of a field, or a null QString when the field is not being edited.
    QString pendingText(const QString& liberCode, const QString& loftNo,
                        const QString& field) const;
    // Stores the pending row (fields not typed keep their stored value) and ends the edit.
    void post(TdmZOLF& db);
    void cancel() {
        editing_ = false;
        texts_.clear();
        lastField_.clear();
    }

  private:
    bool editing_ = false;
    QString liberCode_;
    QString loftNo_;
    QString lastField_;
    QHash<QString, QString> texts_;
};
