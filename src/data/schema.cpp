#include "schema.h"

namespace {
// Stored types: text(n) and memo are TEXT, date/time is TEXT in the program's ISO forms,
// yes/no, byte and integer are INTEGER, float is REAL.
constexpr const char* T = "TEXT";
constexpr const char* I = "INTEGER";
constexpr const char* R = "REAL";
}  // namespace

const std::vector<TableDef>& ClubSchema() {
    static const std::vector<TableDef> schema = {
        {"ZOL_LoftData",
         {{"AssociationCode", T},
          {"LoftNo", T},
          {"LoftName", T},
          {"Street", T},
          {"City", T},
          {"PostCode", T},
          {"PhoneNo", T},
          {"EMail", T},
          {"LoftLon", T},
          {"LoftLat", T},
          {"Notes", T},
          {"UpdateTime", T},
          {"SynchFlag", I}},
         {"LoftNo"}},
        {"ZOL_LoftClocks",
         {{"LoftNo", T}, {"ClockID", T}, {"LastSynchDate", T}, {"SynchStat", I}},
         {"LoftNo", "ClockID"}},
        {"ZOL_RaceData",
         {{"ClubID", T},
          {"LiberCode", T},
          {"LiberSite", T},
          {"LiberSiteAbbr", T},
          {"LiberDate", T},
          {"LiberTime", T},
          {"LiberLon", T},
          {"LiberLat", T},
          {"Updatetime", T},
          {"SynchFlag", I},
          {"RaceCode", T},
          {"DeleteMark", I}},
         {"LiberCode", "LiberDate"}},
        {"ZOL_PigRaceData",
         {{"ClubID", T},
          {"LiberCode", T},
          {"LiberDate", T},
          {"PRingNo", T},
          {"BackTime", T},
          {"FlySpeed", R},
          {"Dist", I},
          {"RandomCode", I},
          {"ClockID", T},
          {"UID_Real", T},
          {"TimeVari", I},
          {"MarkedTime", T},
          {"FlyTime", T},
          {"RealRandom", T},
          {"BackLon", T},
          {"BackLat", T}},
         {"LiberCode", "LiberDate", "PRingNo"}},
        {"ZOL_PigData",
         {{"LoftNo", T},
          {"PRingNo", T},
          {"RCountry", T},
          {"RRegNumber", T},
          {"Sex", T},
          {"E_Ring", T},
          {"Comment", T},
          {"ActiveStat", I},
          {"Updatetime", T},
          {"SynchFlag", I},
          {"RandomCode", I},
          {"UID", T},
          {"CreateDate", T},
          {"AssignDate", T},
          {"DeleteMark", I},
          {"RYear", T},
          {"RRegLetter", T},
          {"ColorType", T}},
         {"LoftNo", "PRingNo"}},
        {"ZOL_ClubData",
         {{"ClubID", T},
          {"ClubName", T},
          {"Street", T},
          {"City", T},
          {"PostCode", T},
          {"AssociationCode", T},
          {"Logo", T},
          {"Language", I},
          {"Mode", I},
          {"DBBackupDays", I},
          {"PrintCount", I}},
         {"AssociationCode", "ClubID"}},
        {"ZOL_SunSet_SunRise",
         {{"RaceCode", T}, {"RaceDate", T}, {"SunSet", T}, {"SunRise", T}, {"Location", T}},
         {"RaceCode"},
         false},
        {"ZOL_FeatherColor", {{"ColorType", T}, {"FeathColor", T}}, {"ColorType"}},
        {"ZOL_ClubMap", {{"ClubID", T}, {"ClubName", T}}, {"ClubID"}},
        {"ZOL_LiberateSite",
         {{"LiberCode", T},
          {"LiberSite", T},
          {"LiberSiteAbbr", T},
          {"LiberLon", T},
          {"LiberLat", T}},
         {"LiberCode"}},
        {"ZOL_LoftLibPointDist",
         {{"LiberCode", T}, {"LoftNo", T}, {"Miles", I}, {"Yards", I}, {"LoftName", T}},
         {"LiberCode", "LoftNo"}},
        {"ZOL_RaceClockTime",
         {{"LiberCode", T},
          {"LiberDate", T},
          {"LoftNo", T},
          {"ClockID", T},
          {"DLMarkedTime", T},
          {"ULMasterTime", T},
          {"ULClockTime", T}},
         {"LiberCode", "LiberDate", "LoftNo"}},
    };
    return schema;
}

QStringList ClubTableNames() {
    QStringList names;
    for (const TableDef& t : ClubSchema()) {
        names << QString::fromLatin1(t.name);
    }
    return names;
}

QStringList ColumnNames(const QString& table) {
    for (const TableDef& t : ClubSchema()) {
        if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0) {
            QStringList names;
            for (const ColumnDef& c : t.columns) {
                names << QString::fromLatin1(c.name);
            }
            return names;
        }
    }
    return {};
}
