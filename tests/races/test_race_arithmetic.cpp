// Coordinates, distances, flying time and speed: the figures a club checks its results by.
#include <QtTest>

#include "data/errors.h"
#include "races/coordinates.h"
#include "races/flying_time.h"
#include "scripted_prompts.h"

class TestRaceArithmetic : public QObject {
    Q_OBJECT
  private slots:
    void strToCoord_data();
    void strToCoord();
    void checkCoordText_data();
    void checkCoordText();
    void loftToPointDistance();
    void nearMeridianAndEquator_data();
    void nearMeridianAndEquator();
    void loftPointMetresGivesZero_data();
    void loftPointMetresGivesZero();
    void distPairs_data();
    void distPairs();
    void nearestInt_data();
    void nearestInt();
    void calcuateSecs_data();
    void calcuateSecs();
    void flySpeed_data();
    void flySpeed();
    void flyTimeText_data();
    void flyTimeText();
};

void TestRaceArithmetic::strToCoord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("message");

    QTest::newRow("loft latitude") << "N051'30:00.00" << true << 51.5 << "";
    QTest::newRow("loft longitude west") << "W001'30:00.00" << true << -1.5 << "";
    QTest::newRow("point east") << "E002'00:00" << true << 2.0 << "";
    QTest::newRow("minus sign") << "-010'30:36" << true << -10.51 << "";
    QTest::newRow("degree sign, south")
        << "S033\u00B052'04" << true << -(33 + 52 / 60.0 + 4 / 3600.0) << "";
    QTest::newRow("mark at the end") << "121'30:00W" << true << -121.5 << "";
    QTest::newRow("blank minutes and seconds") << "E121'  :  " << true << 121.0 << "";
    // Near the Greenwich meridian and the equator: 0 degrees is a coordinate.
    QTest::newRow("within a degree of the meridian") << "W000'07:30" << true << -0.125 << "";
    QTest::newRow("within a degree of the equator") << "N000'30:00" << true << 0.5 << "";
    QTest::newRow("on the meridian") << "E000'00:00.00" << true << 0.0 << "";
    QTest::newRow("empty") << "" << false << 0.0 << "";
    // The parser itself does not know the empty mask; LoftPointMetres keeps it silent.
    QTest::newRow("empty mask") << "    '  :  " << false << 0.0
                                << "Invalid character in degrees field in string     '  :  ";
    QTest::newRow("degrees not filled")
        << "E 21'30:00" << false << 0.0
        << "Invalid character in degrees field in string E 21'30:00";
    QTest::newRow("minutes empty") << "E21 '30:00" << false << 0.0
                                   << "Invalid character in minutes field in string E21 '30:00";
    QTest::newRow("seconds bad") << " N051'30:x0" << false << 0.0
                                 << "Invalid character in seconds field in string  N051'30:x0";
}

void TestRaceArithmetic::strToCoord() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, degrees);
    QFETCH(QString, message);
    ScriptedPrompts prompts;
    long double value = 99;
    QCOMPARE(StrToCoord(text, value, prompts), ok);
    if (ok) {
        QVERIFY2(std::fabs(double(value) - degrees) < 1e-12,
                 qPrintable(QString::number(double(value), 'g', 17)));
    } else if (!message.isEmpty()) {
        QCOMPARE(double(value), 0.0);
    }
    QCOMPARE(prompts.of(QStringLiteral("message")),
             message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(prompts.shown.size(), message.isEmpty() ? 0 : 1);
}

void TestRaceArithmetic::checkCoordText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("error");
    QTest::newRow("60 minutes") << "E121'60:00" << kLongitudeOver60 << kLongitudeOver60;
    QTest::newRow("59 minutes") << "E121'59:00" << kLongitudeOver60 << "";
    QTest::newRow("60 seconds") << "N051'30:60" << kLatitudeOver60 << kLatitudeOver60;
    QTest::newRow("blank degrees not examined") << "    '99:99" << kLongitudeOver60 << "";
    QTest::newRow("blank minutes")
        << "E121'  :00" << kLongitudeOver60 << "'  ' is not a valid integer value";
    QTest::newRow("half-typed seconds")
        << "N051'30:5 " << kLatitudeOver60 << "'5 ' is not a valid integer value";
}

void TestRaceArithmetic::checkCoordText() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, error);
    QString raised;
    try {
        CheckCoordText(text, message);
    } catch (const UserError& e) {
        raised = e.text();
    }
    QCOMPARE(raised, error);
}

void TestRaceArithmetic::loftToPointDistance() {
    ScriptedPrompts prompts;
    long double loftLat = 0, loftLon = 0, pointLat = 0, pointLon = 0;
    QVERIFY(StrToCoord(QStringLiteral("N051'30:00.00"), loftLat, prompts));
    QVERIFY(StrToCoord(QStringLiteral("W001'30:00.00"), loftLon, prompts));
    QVERIFY(StrToCoord(QStringLiteral("N050'00:00"), pointLat, prompts));
    QVERIFY(StrToCoord(QStringLiteral("E002'00:00"), pointLon, prompts));
    const double km = CoordDistanceKm(loftLat, loftLon, pointLat, pointLon);
    QCOMPARE(QString::number(km, 'f', 6), QStringLiteral("297.414578"));
    QCOMPARE(CoordDistanceKm(loftLat, loftLon, loftLat, loftLon), 0.0);

    const int metres =
        LoftPointMetres(QStringLiteral("W001'30:00.00"), QStringLiteral("N051'30:00.00"),
                        QStringLiteral("E002'00:00"), QStringLiteral("N050'00:00"), prompts);
    QCOMPARE(metres, 297414);
    QCOMPARE(MetresToDistPair(metres, 1), (DistPair{184, 1415}));
    QCOMPARE(DistPairToUnits(184, 1415, 1), 325255);
    QCOMPARE(MetresToDistPair(metres, 0), (DistPair{297, 414}));
    QCOMPARE(DistPairToUnits(297, 414, 0), 297414);
    QVERIFY(prompts.shown.isEmpty());
}

void TestRaceArithmetic::nearMeridianAndEquator_data() {
    QTest::addColumn<QString>("loftLon");
    QTest::addColumn<QString>("loftLat");
    QTest::addColumn<QString>("pointLon");
    QTest::addColumn<QString>("pointLat");
    QTest::addColumn<int>("metres");
    QTest::newRow("loft at W000'07") << "W000'07:30.00"
                                     << "N051'30:00.00"
                                     << "E002'00:00"
                                     << "N050'00:00" << 223815;
    QTest::newRow("loft at E000'31") << "E000'31:00.00"
                                     << "N051'05:00.00"
                                     << "E004'21:00"
                                     << "N050'51:00" << 269984;
    QTest::newRow("point on the meridian") << "W001'30:00.00"
                                           << "N051'30:00.00"
                                           << "E000'00:00"
                                           << "N050'00:00" << 197119;
    QTest::newRow("loft at N000'30") << "E010'00:00.00"
                                     << "N000'30:00.00"
                                     << "E010'00:00"
                                     << "S000'30:00" << 110948;
}

void TestRaceArithmetic::nearMeridianAndEquator() {
    QFETCH(QString, loftLon);
    QFETCH(QString, loftLat);
    QFETCH(QString, pointLon);
    QFETCH(QString, pointLat);
    QFETCH(int, metres);
    ScriptedPrompts prompts;
    QCOMPARE(LoftPointMetres(loftLon, loftLat, pointLon, pointLat, prompts), metres);
    QVERIFY(prompts.shown.isEmpty());
}

void TestRaceArithmetic::loftPointMetresGivesZero_data() {
    QTest::addColumn<QString>("loftLon");
    QTest::addColumn<QString>("loftLat");
    QTest::addColumn<QString>("pointLon");
    QTest::addColumn<QString>("pointLat");
    QTest::addColumn<QStringList>("messages");
    const QString lon = QStringLiteral("W001'30:00.00");
    const QString lat = QStringLiteral("N051'30:00.00");
    QTest::newRow("loft longitude blank") << "    '  :  .  " << lat << "E002'00:00"
                                          << "N050'00:00" << QStringList();
    QTest::newRow("point without coordinates") << lon << lat << ""
                                               << "" << QStringList();
    QTest::newRow("loft latitude malformed, parsed first")
        << "E 01'30:00.00"
        << "N 51'30:00.00"
        << "E002'00:00"
        << "N050'00:00"
        << QStringList{"Invalid character in degrees field in string N 51'30:00.00"};
}

void TestRaceArithmetic::loftPointMetresGivesZero() {
    QFETCH(QString, loftLon);
    QFETCH(QString, loftLat);
    QFETCH(QString, pointLon);
    QFETCH(QString, pointLat);
    QFETCH(QStringList, messages);
    ScriptedPrompts prompts;
    QCOMPARE(LoftPointMetres(loftLon, loftLat, pointLon, pointLat, prompts), 0);
    QCOMPARE(prompts.of(QStringLiteral("message")), messages);
}

void TestRaceArithmetic::distPairs_data() {
    QTest::addColumn<int>("metres");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("miles");
    QTest::addColumn<int>("yards");
    QTest::addColumn<int>("units");
    QTest::newRow("imperial") << 297414 << 1 << 184 << 1415 << 325255;
    QTest::newRow("any mode but 0 is imperial") << 297414 << 2 << 184 << 1415 << 325255;
    QTest::newRow("metric") << 297414 << 0 << 297 << 414 << 297414;
    // 1609 m x 1.093613 = 1759.6 yards, truncated: not yet a mile.
    QTest::newRow("just under a mile") << 1609 << 1 << 0 << 1759 << 1759;
    QTest::newRow("zero") << 0 << 1 << 0 << 0 << 0;
}

void TestRaceArithmetic::distPairs() {
    QFETCH(int, metres);
    QFETCH(int, mode);
    QFETCH(int, miles);
    QFETCH(int, yards);
    QFETCH(int, units);
    QCOMPARE(MetresToDistPair(metres, mode), (DistPair{miles, yards}));
    QCOMPARE(DistPairToUnits(miles, yards, mode), units);
}

void TestRaceArithmetic::nearestInt_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<qint64>("n");
    QTest::newRow("half up") << 2.5 << qint64(3);
    QTest::newRow("below half") << 2.49 << qint64(2);
    QTest::newRow("negative half away from zero") << -2.5 << qint64(-3);
    QTest::newRow("negative below half") << -2.49 << qint64(-2);
    QTest::newRow("large ms") << 19815249.9999 << qint64(19815250);
}

void TestRaceArithmetic::nearestInt() {
    QFETCH(double, x);
    QFETCH(qint64, n);
    QCOMPARE(NearestInt(x), n);
}

namespace {
const QDate kDay1(2026, 5, 26);
const QDate kDay2 = kDay1.addDays(1);
const QDate kDay3 = kDay1.addDays(2);

// "sunrise-sunset" per day; an empty side is null.
SunRow sun(const QDate& day, const QString& rise, const QString& set) {
    SunRow row;
    row.raceDate = day;
    if (!rise.isEmpty()) {
        row.sunRise =
            QTime::fromString(rise, QStringLiteral("HH:mm:ss")).msecsSinceStartOfDay() / 86400000.0;
    }
    if (!set.isEmpty()) {
        row.sunSetNull = false;
        row.sunSet =
            QTime::fromString(set, QStringLiteral("HH:mm:ss")).msecsSinceStartOfDay() / 86400000.0;
    }
    return row;
}
QDateTime at(const QDate& day, const QString& time) {
    return QDateTime(day, QTime::fromString(time, QStringLiteral("HH:mm:ss.zzz")));
}
const qint64 kHour = 3600000;
}  // namespace

void TestRaceArithmetic::calcuateSecs_data() {
    QTest::addColumn<QDateTime>("arrival");
    QTest::addColumn<int>("variation");
    QTest::addColumn<QList<SunRow>>("rows");
    QTest::addColumn<qint64>("ms");

    const QList<SunRow> none;
    const QList<SunRow> sameDaySunset{sun(kDay1, "", "20:30:00")};
    const QList<SunRow> twoDays{sun(kDay1, "", "20:00:00"), sun(kDay2, "05:00:00", "20:30:00")};
    const QList<SunRow> threeDays = twoDays + QList<SunRow>{sun(kDay3, "05:10:00", "20:40:00")};

    QTest::newRow("same day, no sun data")
        << at(kDay1, "12:30:15.250") << 0 << none << qint64(19815250);
    QTest::newRow("clock 5 s fast") << at(kDay1, "12:30:15.250") << 5 << none << qint64(19810250);
    QTest::newRow("clock 3 s slow") << at(kDay1, "12:30:15.250") << -3 << none << qint64(19818250);
    QTest::newRow("same day, before sunset")
        << at(kDay1, "20:00:00.000") << 0 << sameDaySunset << 13 * kHour;
    QTest::newRow("same day, after sunset counts to sunset")
        << at(kDay1, "21:00:00.000") << 0 << sameDaySunset << 13 * kHour + 30 * 60000;
    QTest::newRow("same day, first sunset null")
        << at(kDay1, "21:00:00.000") << 0 << QList<SunRow>{sun(kDay1, "05:00:00", "")}
        << 14 * kHour;
    QTest::newRow("next day morning")
        << at(kDay2, "09:15:00.000") << 0 << twoDays << qint64(62100000);
    QTest::newRow("next day before sunrise")
        << at(kDay2, "04:30:00.000") << 0 << twoDays << 13 * kHour;
    QTest::newRow("next day at sunrise") << at(kDay2, "05:00:00.000") << 0 << twoDays << 13 * kHour;
    QTest::newRow("next day after sunset")
        << at(kDay2, "21:00:00.000") << 0 << twoDays << 13 * kHour + 15 * kHour + 30 * 60000;
    // Only the days from the liberation to the arrival count: the day-2 bird is not given the
    // third day's daylight, and so flies faster than a day-3 arrival of the same distance.
    QTest::newRow("a later day's daylight is not added")
        << at(kDay2, "09:15:00.000") << 0 << threeDays << qint64(62100000);
    QTest::newRow("third day, the second counts whole")
        << at(kDay3, "06:00:00.000") << 0 << threeDays
        << 13 * kHour + 15 * kHour + 30 * 60000 + 50 * 60000;
    QTest::newRow("a day before the liberation is not added")
        << at(kDay2, "09:15:00.000") << 0
        << QList<SunRow>{sun(kDay1.addDays(-1), "05:00:00", "20:00:00")} + twoDays
        << qint64(62100000);
    QTest::newRow("next day with variation")
        << at(kDay2, "09:15:00.000") << 2 << twoDays << qint64(62100000 - 2000);
    QTest::newRow("next day without sun data")
        << at(kDay2, "09:15:00.000") << 0 << none << qint64(0);
    QTest::newRow("zero stays zero, variation not applied")
        << at(kDay2, "09:15:00.000") << 5 << none << qint64(0);
    QTest::newRow("arrival before liberation")
        << at(kDay1, "06:00:00.000") << 2 << none << -kHour - 2000;
}

void TestRaceArithmetic::calcuateSecs() {
    QFETCH(QDateTime, arrival);
    QFETCH(int, variation);
    QFETCH(QList<SunRow>, rows);
    QFETCH(qint64, ms);
    QCOMPARE(CalcuateSecs(variation, arrival, at(kDay1, "07:00:00.000"), rows), ms);
}

void TestRaceArithmetic::flySpeed_data() {
    QTest::addColumn<qint64>("distance");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("yards") << qint64(325255) << qint64(19815250) << " 984.863";
    QTest::newRow("metres") << qint64(12345) << qint64(3723004) << " 198.952";
    // Exact halves of a thousandth (flights of exactly 5:20 h) round away from zero.
    QTest::newRow("half, even digit below") << qint64(300020) << qint64(19200000) << " 937.563";
    QTest::newRow("half, odd digit below") << qint64(327500) << qint64(19200000) << "1023.438";
    QTest::newRow("half, even digit again") << qint64(332500) << qint64(19200000) << "1039.063";
    QTest::newRow("not a half") << qint64(325255) << qint64(19200000) << "1016.422";
    QTest::newRow("no distance") << qint64(0) << qint64(3723004) << "   0.000";
    QTest::newRow("no time") << qint64(12345) << qint64(0) << "   0.000";
    QTest::newRow("negative time") << qint64(12345) << qint64(-3602000) << "   0.000";
}

void TestRaceArithmetic::flySpeed() {
    QFETCH(qint64, distance);
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(FlySpeedText(CalcFlySpeed(distance, ms)), text);
}

void TestRaceArithmetic::flyTimeText_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("same day") << qint64(19815250) << "05:30:15.250";
    QTest::newRow("to sunset") << qint64(48600000) << "13:30:00.000";
    QTest::newRow("short") << qint64(3723004) << "01:02:03.004";
    QTest::newRow("zero") << qint64(0) << "00:00:00.000";
    QTest::newRow("100 hours and more") << qint64(100) * 3600000 + 61005 << "100:01:01.005";
    QTest::newRow("negative") << qint64(-3723004) << "-01:-02:-03.-004";
}

void TestRaceArithmetic::flyTimeText() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(MsToFlyTime(ms), text);
}

QTEST_GUILESS_MAIN(TestRaceArithmetic)
#include "test_race_arithmetic.moc"
