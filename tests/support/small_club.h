#pragma once

#include "data/database.h"

// The screen tests' club: something in every list (a member with a clock and a pigeon, a
// liberation point with distances, a race with one bird clocked), so that grids and labels
// hold real texts.
inline void SeedClub(TdmZOLF& db) {
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, Street, City, PostCode, "
        "AssociationCode, Language, Mode, DBBackupDays, PrintCount) values ('HF','Harbour "
        "Flyers','Quay 1','Oostende','8400','KBDB',0,0,7,1)");
    db.exec(
        "insert into ZOL_LoftData (AssociationCode, LoftNo, LoftName, Street, City) values "
        "('KBDB','0123','Jan Peeters','Kerkstraat 12','Gent'),"
        "('KBDB','0456','Marie Claes-Vandenberghe','Dorpsplein 3','Aalst')");
    db.exec("insert into ZOL_LoftClocks values ('0123','1A2B3C4D','2026-06-14 19:00:00.000',0)");
    db.exec(
        "insert into ZOL_LiberateSite values ('B23','Brussel','BRX','E004''21:00',"
        "'N050''51:00')");
    db.exec(
        "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) values "
        "('B23','0123',61,250),('B23','0456',55,1200)");
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberSiteAbbr, LiberDate, "
        "LiberTime, LiberLon, LiberLat, Updatetime, SynchFlag, RaceCode) values ('HF','B23',"
        "'Brussel','BRX','2026-06-13','07:30:00','E004''21:00','N050''51:00',"
        "'2026-06-10 18:00:00.000',1,'B230613')");
    db.exec(
        "insert into ZOL_PigData (LoftNo, PRingNo, RCountry, RYear, RRegNumber, Sex, "
        "ColorType, DeleteMark, SynchFlag) values ('0123','BELG-2024-4100001','BELG',"
        "'2024','4100001','C','BB',0,0)");
    db.exec(
        "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime, "
        "FlySpeed, Dist, FlyTime) values ('HF','B23','2026-06-13','BELG-2024-4100001',"
        "'2026-06-13 08:31:12.345',1512.345,92000,'01:01:12.345')");
}
