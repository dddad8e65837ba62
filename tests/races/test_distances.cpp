// The club's distance method: the WGS84 geodesic beside the flat rule, what switching changes
// (only the update recomputes loft distances, only the recalculation a flown race), the
// comparison of both methods per loft, and coordinates pasted in the forms people have them.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include "data/errors.h"
#include "races/distance_method.h"
#include "races/loft_distances.h"
#include "races/pasted_coordinates.h"
#include "races/race_results.h"
#include "setup/club_setup.h"
#include "test_context.h"

namespace {

double Dms(double degrees, double minutes = 0, double seconds = 0) {
    return degrees + minutes / 60 + seconds / 3600;
}

const QDate kRaceDay(2026, 6, 14);

// Club KC (metric unless told), race A1 on 14 June liberated at 07:00 from N050'00:00
// E002'00:00; loft 001 at N051'30:00.00 W001'30:00.00 (297,414 m by the flat rule, 298,039 m
// on the geodesic) with its row computed by the flat rule, and one pigeon clocked at 11:00:00
// with that distance.
void seedRace(TdmZOLF& db, int mode = 0) {
    db.exec(
        "insert into ZOL_ClubData (ClubID, ClubName, Mode, AssociationCode, DBBackupDays, "
        "PrintCount) values('KC','Kestrava Club',?,'AS',0,1)",
        {mode});
    db.exec(
        "insert into ZOL_RaceData (ClubID, LiberCode, LiberSite, LiberDate, LiberTime, "
        "LiberLon, LiberLat) values('KC','A1','Arras','2026-06-14','07:00:00',"
        "'E002''00:00','N050''00:00')");
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('001','Ann',"
        "'W001''30:00.00','N051''30:00.00')");
    db.exec(
        "insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('002','Bob',"
        "'E003''10:00.00','N050''40:00.00')");
    db.exec("insert into ZOL_PigData (LoftNo, PRingNo, Sex, DeleteMark) values('001','R1','C',0)");
}

QVariantList Row(TdmZOLF& db, const QString& sql, const QVariantList& params = {}) {
    QSqlQuery q = db.select(sql, params);
    QVariantList row;
    if (q.next()) {
        for (int i = 0; i < q.record().count(); ++i) {
            row << q.value(i);
        }
    }
    return row;
}

QVariantList DistanceRow(TdmZOLF& db, const QString& loft) {
    return Row(db,
               "select Miles, Yards from ZOL_LoftLibPointDist where LiberCode='A1' and "
               "LoftNo=?",
               {loft});
}

QVariantList Entry(TdmZOLF& db) {
    return Row(db, "select Dist, FlySpeed, FlyTime from ZOL_PigRaceData where PRingNo='R1'");
}

}  // namespace

class TestDistances : public QObject {
    Q_OBJECT
  private slots:
    // Values from Vincenty's inverse formula on WGS84, computed apart from this program; the
    // first is the federation example whose flat distance is 297,414 m.
    void geodesicAgainstIndependentValues_data() {
        QTest::addColumn<double>("lat1");
        QTest::addColumn<double>("lon1");
        QTest::addColumn<double>("lat2");
        QTest::addColumn<double>("lon2");
        QTest::addColumn<double>("metres");
        QTest::newRow("federation example") << 51.5 << -1.5 << 50.0 << 2.0 << 298039.0902;
        QTest::newRow("short, 20 km") << Dms(51, 12, 30.4) << Dms(4, 23, 15.2) << Dms(51, 2, 10)
                                      << Dms(4, 28, 44) << 20210.4572;
        QTest::newRow("long, 1,239 km")
            << Dms(52, 22, 7.25) << Dms(4, 53, 41.6) << Dms(41, 23) << Dms(2, 10) << 1238565.3646;
        QTest::newRow("across the prime meridian")
            << Dms(50, 43, 12.5) << Dms(0, 35, 20.75) << Dms(47, 13, 5) << -Dms(1, 33, 10)
            << 419803.7701;
    }
    void geodesicAgainstIndependentValues() {
        QFETCH(double, lat1);
        QFETCH(double, lon1);
        QFETCH(double, lat2);
        QFETCH(double, lon2);
        QFETCH(double, metres);
        QVERIFY2(std::abs(GeodesicMetres(lat1, lon1, lat2, lon2) - metres) < 0.001,
                 qPrintable(QString::number(GeodesicMetres(lat1, lon1, lat2, lon2), 'f', 4)));
        // The same in the other direction, and through the method function.
        QVERIFY(std::abs(GeodesicMetres(lat2, lon2, lat1, lon1) - metres) < 0.001);
        QVERIFY(std::abs(CoordDistanceMetres(DistanceMethod::Geodesic, lat1, lon1, lat2, lon2) -
                         metres) < 0.001);
    }

    // The stored pair from coordinate texts: the flat rule exactly as before, the geodesic in
    // whole metres or whole international yards (not through the rounded factor).
    void storedPairByMethod() {
        ScriptedPrompts prompts;
        const auto pair = [&](DistanceMethod method, int mode) {
            return LoftPointDistPair(method, mode, "W001'30:00.00", "N051'30:00.00", "E002'00:00",
                                     "N050'00:00", prompts);
        };
        QCOMPARE(pair(DistanceMethod::Flat, 0), (DistPair{297, 414}));
        QCOMPARE(pair(DistanceMethod::Flat, 1), (DistPair{184, 1415}));
        QCOMPARE(pair(DistanceMethod::Geodesic, 0), (DistPair{298, 39}));
        // 298,039.090 m / 0.9144 = 325,939.6 yards.
        QCOMPARE(pair(DistanceMethod::Geodesic, 1), (DistPair{185, 339}));
        // Coordinates not set give 0 by both methods, without a message.
        QCOMPARE(LoftPointDistPair(DistanceMethod::Geodesic, 0, "    '  :  .  ", "N051'30:00.00",
                                   "E002'00:00", "N050'00:00", prompts),
                 (DistPair{0, 0}));
        QVERIFY(prompts.shown.isEmpty());
    }

    void methodIsAClubSetting() {
        TestContext t;
        QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Flat);
        SetClubDistanceMethod(*t.db, DistanceMethod::Geodesic);
        QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Geodesic);
        QCOMPARE(Row(*t.db, "select Value from KST_Setting where Name='DistanceMethod'"),
                 QVariantList{"geodesic"});
        // A value this program does not know reads as the default.
        t.db->exec("update KST_Setting set Value='spherical' where Name='DistanceMethod'");
        QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Flat);

        // The setup screen stores the choice with the club record, and a store that does not
        // name it leaves it alone.
        seedRace(*t.db);
        ClubSetupFields f = *LoadClubSetup(*t.db);
        QCOMPARE(f.distanceMethod, std::optional<int>(0));
        f.distanceMethod = 1;
        QVERIFY(StoreClubSetup(*t.db, t.prompts, f));
        QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Geodesic);
        f.distanceMethod.reset();
        QVERIFY(StoreClubSetup(*t.db, t.prompts, f));
        QCOMPARE(ClubDistanceMethod(*t.db), DistanceMethod::Geodesic);
    }

    // Switching changes no stored distance; the update recomputes the rows with the club's
    // method; the flown race keeps its distance and speed until it is recalculated.
    void switchingTouchesNothingUntilUpdatedAndRecalculated() {
        TestContext t;
        seedRace(*t.db);
        LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14");
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{297, 414}));
        QCOMPARE(DistancesLine(*t.db, "A1"),
                 QStringLiteral("Distances : Flat (federation file rule)"));
        const QDateTime liberation(kRaceDay, QTime(7, 0));
        t.db->exec(
            "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo, BackTime) "
            "values('KC','A1','2026-06-14','R1','2026-06-14 11:00:00.000')");
        RecalculateRace(*t.db, "A1", kRaceDay, liberation);
        const QVariantList flown = Entry(*t.db);
        QCOMPARE(flown.value(0).toInt(), 297414);
        QCOMPARE(flown.value(1).toDouble(), 1239.225);  // 297,414 m in 240 minutes

        SetClubDistanceMethod(*t.db, DistanceMethod::Geodesic);
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{297, 414}));
        QCOMPARE(Entry(*t.db), flown);
        QVERIFY(RecalculationDistancesNote(*t.db, "A1").contains("update the loft distances"));

        LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14");
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{298, 39}));
        QCOMPARE(Entry(*t.db), flown);
        QCOMPARE(EntriesWithEarlierDistances(*t.db, "A1", kRaceDay), 1);
        QCOMPARE(RaceResultDistancesLine(*t.db, "A1", kRaceDay),
                 QStringLiteral("Distances : WGS84 geodesic (1 clocked with earlier distances: "
                                "not recalculated since)"));
        QVERIFY(!RecalculationDistancesNote(*t.db, "A1").contains("update the loft distances"));

        RecalculateRace(*t.db, "A1", kRaceDay, liberation);
        const QVariantList recalculated = Entry(*t.db);
        QCOMPARE(recalculated.value(0).toInt(), 298039);
        QCOMPARE(recalculated.value(1).toDouble(), 1241.829);
        QCOMPARE(recalculated.value(2), flown.value(2));
        QCOMPARE(RaceResultDistancesLine(*t.db, "A1", kRaceDay),
                 QStringLiteral("Distances : WGS84 geodesic"));
        QVERIFY(t.prompts.shown.isEmpty());
    }

    // The update updates the rows there are and adds the missing ones, for every loft with
    // coordinates; a liberation point that does not parse is said once, not once per loft, and
    // every loft then gets 0 0.
    void updateWritesEveryLoftOnce() {
        TestContext t;
        seedRace(*t.db);
        t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
            "values('A1','002',1,1)");
        t.db->exec("insert into ZOL_LoftData (LoftNo, LoftName) values('003','Cy')");
        QCOMPARE(LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14"), 2);
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{297, 414}));
        const DistPair bob =
            LoftPointDistPair(DistanceMethod::Flat, 0, "E003'10:00.00", "N050'40:00.00",
                              "E002'00:00", "N050'00:00", t.prompts);
        QCOMPARE(DistanceRow(*t.db, "002"), (QVariantList{bob.miles, bob.yards}));
        QVERIFY(DistanceRow(*t.db, "003").isEmpty());
        QCOMPARE(t.db->value("select count(*) from ZOL_LoftLibPointDist").toInt(), 2);
        QVERIFY(t.prompts.shown.isEmpty());

        t.db->exec("update ZOL_RaceData set LiberLat='N05X''00:00'");
        QCOMPARE(LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14"), 2);
        QCOMPARE(t.prompts.shown.size(), 1);
        QVERIFY(t.prompts.shown.first().contains("N05X"));
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{0, 0}));
        QCOMPARE(DistanceRow(*t.db, "002"), (QVariantList{0, 0}));
    }

    void distanceFileIsRecordedAsTheSource() {
        TestContext t;
        seedRace(*t.db);
        SetClubDistanceMethod(*t.db, DistanceMethod::Geodesic);
        LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14");
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("A1,001,300,5\r\nB2,001,120,350\r\n");
        file.close();
        DownloadDistances(*t.db, t.prompts, file.fileName());
        QCOMPARE(LoftDistanceSource(*t.db, "A1"), DistanceSource::File);
        QCOMPARE(DistancesLineOf(*t.db, std::nullopt),
                 QStringLiteral("Distances : from a distance file"));
        t.db->exec(
            "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles, Yards) "
            "values('C3','001',0,0)");
        QCOMPARE(DistancesLineOf(*t.db, std::nullopt),
                 QStringLiteral("Distances : Flat (federation file rule) (C3); from a distance "
                                "file (A1, B2)"));
        // A file's distances are what the club decided on: no reminder to update them.
        QVERIFY(!RecalculationDistancesNote(*t.db, "A1").contains("update the loft distances"));
    }

    // A distance typed into the grid is no longer the method's: the race's lists say that its
    // distances were typed (all or some) until they are computed again.
    void typedDistancesAreNamed() {
        TestContext t;
        seedRace(*t.db);
        SetClubDistanceMethod(*t.db, DistanceMethod::Geodesic);
        LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14");
        QCOMPARE(DistancesLine(*t.db, "A1"), QStringLiteral("Distances : WGS84 geodesic"));
        DistanceGridEdit edit;
        for (const char* key : {"2", "9", "9", "\r"}) {
            edit.key(key, "A1", "001", "Miles");
        }
        edit.post(*t.db);
        QCOMPARE(DistanceRow(*t.db, "001"), (QVariantList{299, 39}));
        QCOMPARE(LoftDistanceSource(*t.db, "A1"), DistanceSource::Typed);
        QCOMPARE(RaceResultDistancesLine(*t.db, "A1", kRaceDay),
                 QStringLiteral("Distances : typed in (all or some)"));
        // Typed distances are the club's own: no reminder to compute them again.
        QVERIFY(!RecalculationDistancesNote(*t.db, "A1").contains("update the loft distances"));
        LoftDistUpdate(*t.db, t.prompts, "KC", "A1", "2026-06-14");
        QCOMPARE(LoftDistanceSource(*t.db, "A1"), DistanceSource::Geodesic);
    }

    // Both methods per loft, largest difference first, in the club's unit; nothing written.
    void comparisonPerLoft() {
        TestContext t;
        seedRace(*t.db, 1);
        t.db->exec(
            "insert into ZOL_LoftData (LoftNo, LoftName, LoftLon, LoftLat) values('003',"
            "'Cid','E00x''00:00.00','N051''00:00.00')");
        const QList<MethodComparison> rows =
            CompareDistanceMethods(*t.db, "KC", "A1", "2026-06-14");
        QCOMPARE(rows.size(), 2);  // Cid's longitude does not parse
        QCOMPARE(rows.at(0).loftNo, QStringLiteral("001"));
        QCOMPARE(rows.at(0).flat, 325255);
        QCOMPARE(rows.at(0).geodesic, 325939);
        QCOMPARE(rows.at(0).difference(), 684);
        QCOMPARE(rows.at(1).loftNo, QStringLiteral("002"));
        QVERIFY(rows.at(1).difference() < 684);
        QVERIFY(t.prompts.shown.isEmpty());
        QCOMPARE(t.db->rowCount("select 1 from ZOL_LoftLibPointDist"), 0);
    }

    void pastedCoordinates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("latitudeBox");
        QTest::addColumn<bool>("loft");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<bool>("rounded");
        // 51.208444° = 51°12'30.3984", 4.387556° = 4°23'15.2016".
        QTest::newRow("map pair, loft") << "51.208444, 4.387556" << true << true << "N051'12:30.40"
                                        << "E004'23:15.20" << true;
        QTest::newRow("map pair, point") << "51.208444, 4.387556" << false << false << "N051'12:30"
                                         << "E004'23:15" << true;
        QTest::newRow("pair without a blank")
            << "51.208444,-4.387556" << true << true << "N051'12:30.40"
            << "W004'23:15.20" << true;
        QTest::newRow("letters after")
            << "51.208444 N 4.387556 E" << true << true << "N051'12:30.40"
            << "E004'23:15.20" << true;
        QTest::newRow("letters before, longitude first")
            << "E 4.387556 N 51.208444" << true << true << "N051'12:30.40"
            << "E004'23:15.20" << true;
        QTest::newRow("degree marks")
            << "N 51°12'30.40\" E 4°23'15.20\"" << true << true << "N051'12:30.40"
            << "E004'23:15.20" << false;
        QTest::newRow("typographic marks")
            << "51º12′30.4″N, 4°23’15.2”W" << false << true << "N051'12:30.40"
            << "W004'23:15.20" << false;
        QTest::newRow("blanks, one coordinate")
            << "51 12 30.4 N" << false << true << "N051'12:30.40"
            << "" << false;
        QTest::newRow("decimal minutes") << "S 33° 51.5'" << true << false << "S033'51:30"
                                         << "" << false;
        QTest::newRow("half a second rounds up") << "51 12 30.5" << true << false << "N051'12:31"
                                                 << "" << true;
        QTest::newRow("half a hundredth rounds up") << "4 23 15.205 W" << true << true << ""
                                                    << "W004'23:15.21" << true;
        QTest::newRow("rounding carries into the degree") << "4 59 59.6" << false << false << ""
                                                          << "E005'00:00" << true;
        QTest::newRow("a plain number is the box's own") << "-0.5" << false << true << ""
                                                         << "W000'30:00.00" << false;
        QTest::newRow("colons") << "51:12:30.4" << true << true << "N051'12:30.40"
                                << "" << false;
        QTest::newRow("stored form") << "n051'12:30.40" << true << true << "N051'12:30.40"
                                     << "" << false;
        QTest::newRow("stored form, letter after") << "121'30:00W" << false << false << ""
                                                   << "W121'30:00" << false;
        QTest::newRow("stored form, degrees only") << "E121'" << false << false << ""
                                                   << "E121'00:00" << false;
        QTest::newRow("the edges") << "-90, 180" << true << true << "S090'00:00.00"
                                   << "E180'00:00.00" << false;
    }
    void pastedCoordinates() {
        QFETCH(QString, text);
        QFETCH(bool, latitudeBox);
        QFETCH(bool, loft);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(bool, rounded);
        const PastedCoordinates p = ConvertPastedCoordinates(
            text, latitudeBox ? CoordinateAxis::Latitude : CoordinateAxis::Longitude,
            loft ? CoordinateForm::Loft : CoordinateForm::Point);
        QCOMPARE(p.latitude.value_or(QString()), latitude);
        QCOMPARE(p.longitude.value_or(QString()), longitude);
        QCOMPARE(p.rounded, rounded);
    }

    void refusedPastes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString invalid = "Invalid character in degrees field in string ";
        for (const char* text :
             {"Antwerp", "51,2", "N 51.2 N 4.3", "51.2, 4.3, 7", "-51.2 N", "12'30\"",
              "51.2 4.3 1.0", "N", "51°°", "51.5° 30'", "NE 51", "   "}) {
            QTest::newRow(text) << QString(text) << invalid + text;
        }
        QTest::newRow("minutes 60") << "51 60 00 N"
                                    << "Latitude Input Value  > 60 !";
        QTest::newRow("seconds 60") << "4°12'60\"E"
                                    << "Longitude Input Value > 60 !";
        QTest::newRow("latitude beyond 90")
            << "90.000001, 4" << QString::fromUtf8("A latitude cannot be beyond 90°: 90.000001, 4");
        QTest::newRow("longitude beyond 180")
            << "W180'00:01" << QString::fromUtf8("A longitude cannot be beyond 180°: W180'00:01");
    }
    void refusedPastes() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            ConvertPastedCoordinates(text, CoordinateAxis::Latitude, CoordinateForm::Loft);
            QFAIL("accepted");
        } catch (const UserError& e) {
            QCOMPARE(e.text(), message);
        }
    }

    void pastedNoteShowsWhatWasStored() {
        const PastedCoordinates p = ConvertPastedCoordinates(
            "51.208444, 4.387556", CoordinateAxis::Latitude, CoordinateForm::Loft);
        QCOMPARE(PastedCoordinatesNote(p, CoordinateForm::Loft),
                 QStringLiteral("Pasted: N051'12:30.40  E004'23:15.20 (rounded half-up to "
                                "hundredths of a second)"));
        const PastedCoordinates zero =
            ConvertPastedCoordinates("-0.12", CoordinateAxis::Longitude, CoordinateForm::Point);
        QCOMPARE(PastedCoordinatesNote(zero, CoordinateForm::Point),
                 QStringLiteral("Pasted: W000'07:12"));
    }
};

QTEST_GUILESS_MAIN(TestDistances)
#include "test_distances.moc"
