// Two clubs and their federation on one database server: each club's login reaches its own
// club's rows only, through the program and through any SQL connection, the federation's login
// reads them all, and what a login may not do is refused in words the secretary understands.
// The cases that need a server are skipped without one (KESTRAVA_TEST_POSTGRES).
#include <QCommandLineParser>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/server_admin.h"
#include "competitions/race_types.h"
#include "data/clock.h"
#include "data/club_settings.h"
#include "data/database.h"
#include "data/errors.h"
#include "data/server_access.h"
#include "data/sql_dialect.h"
#include "federation/combined_result.h"
#include "federation/federation_import.h"
#include "members/member_store.h"
#include "races/entry_history.h"
#include "scripted_prompts.h"
#include "test_server.h"

namespace {
const QString kFederationLogin = QStringLiteral("This needs the federation's login.");

// A refusal of a club's login: by the rows' policy (the federation's login is needed), or by a
// missing right on a table, which names the table.
bool RefusedToClub(const QString& text, const QString& table = {}) {
    return text == kFederationLogin ||
           (text.startsWith(QLatin1String("This login has no right to do this")) &&
            text.contains(table));
}
const QString kDay = QStringLiteral("2026-06-14");

// One table as the clubs reach it: the column that tells the clubs' rows apart, its value on
// the north club's rows and on the south club's, and a new row of the south club that the
// north club tries to store.
struct ClubTable {
    const char* table;
    const char* key;
    const char* north;
    const char* south;
    const char* insertSouth;
    QVariantList insertValues;
};

const std::vector<ClubTable>& ClubTables() {
    static const std::vector<ClubTable> tables = {
        {"ZOL_ClubData",
         "ClubID",
         "NORTH",
         "SOUTH",
         "insert into ZOL_ClubData (ClubID) values (?)",
         {"SOUTH"}},
        {"ZOL_LoftData",
         "LoftNo",
         "N1",
         "S1",
         "insert into ZOL_LoftData (LoftNo) values (?)",
         {"S1"}},
        {"ZOL_LoftClocks",
         "LoftNo",
         "N1",
         "S1",
         "insert into ZOL_LoftClocks (LoftNo, ClockID) values (?, ?)",
         {"S1", "0000AB99"}},
        {"ZOL_PigData",
         "LoftNo",
         "N1",
         "S1",
         "insert into ZOL_PigData (LoftNo, PRingNo) values (?, ?)",
         {"S1", "GB-26-999"}},
        {"ZOL_LoftLibPointDist",
         "LoftNo",
         "N1",
         "S1",
         "insert into ZOL_LoftLibPointDist (LiberCode, LoftNo) values (?, ?)",
         {"AN", "S1"}},
        {"ZOL_RaceClockTime",
         "LoftNo",
         "N1",
         "S1",
         "insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) values (?, ?, ?)",
         {"AN", "2026-06-14", "S1"}},
        {"ZOL_RaceData",
         "ClubID",
         "NORTH",
         "SOUTH",
         "insert into ZOL_RaceData (ClubID, LiberCode, LiberDate) values (?, ?, ?)",
         {"SOUTH", "ZZ", "2026-06-21"}},
        {"ZOL_PigRaceData",
         "ClubID",
         "NORTH",
         "SOUTH",
         "insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, PRingNo) values (?,?,?,?)",
         {"SOUTH", "AS", "2026-06-14", "GB-26-998"}},
        // The program's own race tables reach a club through their race.
        {"KST_ResultLock",
         "LiberCode",
         "AN",
         "AS",
         "insert into KST_ResultLock (LiberCode, LiberDate, LockedAt) values (?, ?, ?)",
         {"AS", "2026-06-20", "2026-06-20 10:00:00"}},
    };
    return tables;
}

struct Login {
    QString name;
    QString password;
};

// Opens the database with the login.
std::unique_ptr<TdmZOLF> OpenAs(const QString& url, const Login& login) {
    return ::OpenAs(url, login.name, login.password);
}

// A plain SQL connection with the login, as any SQL tool would make it.
QSqlDatabase PlainConnection(const QString& url, const Login& login, const QString& name) {
    const ServerAddress a = ParseServerSource(url);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(a.host);
    db.setPort(a.port);
    db.setDatabaseName(a.database);
    db.setUserName(login.name);
    db.setPassword(login.password);
    if (!db.open()) {
        qWarning() << db.lastError().text();
    }
    return db;
}

QString RefusalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DbError& e) {
        return e.text();
    }
    return {};
}

qint64 Count(TdmZOLF& db, const QString& table, const QString& key, const QString& value) {
    return db.value(QStringLiteral("select count(*) from %1 where %2 = ?").arg(table, key), {value})
        .toLongLong();
}
}  // namespace

class TestServerAccess : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void passwordVerifierIsTheServersOwn();
    void sslModeFromTheDataLink_data();
    void sslModeFromTheDataLink();
    void clubReachesOnlyItsOwnRows_data();
    void clubReachesOnlyItsOwnRows();
    void federationReadsEveryClub();
    void clubWorksOnItsOwnClub();
    void federationActionsNeedTheFederationsLogin();
    void loginsAreCheckedAndMadeAgain();
    void requiredEncryptionIsRefusedInWords();
    void ownerAddsAClubFromTheCommandLine();

  private:
    bool onServer() const { return server_ != nullptr; }
    std::unique_ptr<TestServerDatabase> server_;
    std::unique_ptr<TdmZOLF> owner_;
    Login north_, south_, federation_;
};

void TestServerAccess::initTestCase() {
    if (!TestsOnServer()) {
        return;
    }
    server_ = std::make_unique<TestServerDatabase>();
    // The owner is no superuser: a login that may create logins, owning the database, as the
    // README has the administrator make it.
    const QString run = QString::number(QCoreApplication::applicationPid());
    const Login ownerLogin{QStringLiteral("owner_") + run, QStringLiteral("owner pass")};
    {
        // On a connection of its own: a database opened by the program would get its tables
        // from the superuser.
        const Login superuser{ParseServerSource(server_->url()).user,
                              QString::fromUtf8(qgetenv("PGPASSWORD"))};
        QSqlDatabase admin = PlainConnection(server_->url(), superuser, QStringLiteral("plain_su"));
        QSqlQuery q(admin);
        QVERIFY(q.exec(QStringLiteral("create role %1 login createrole password '%2'")
                           .arg(ownerLogin.name, ownerLogin.password)));
        QVERIFY(q.exec(QStringLiteral("alter database %1 owner to %2")
                           .arg(ParseServerSource(server_->url()).database, ownerLogin.name)));
        q = QSqlQuery();
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plain_su"));
    owner_ = OpenAs(server_->url(), ownerLogin);
    TdmZOLF& db = *owner_;
    // Set up twice: the second run finds everything there and changes nothing.
    SetUpServerAccess(db);
    SetUpServerAccess(db);
    // Tables of the program's own made after the set-up get their access rules at once.
    EnsureEntryHistoryTables(db);
    CreateFederationTables(db);
    for (const char* site : {"AN", "AS"}) {
        db.exec(QStringLiteral("insert into ZOL_LiberateSite (LiberCode, LiberSite) values (?, ?)"),
                {site, QStringLiteral("Site %1").arg(site)});
    }
    const struct {
        QString club, loft, site, ring;
    } clubs[] = {{"NORTH", "N1", "AN", "GB-26-1"}, {"SOUTH", "S1", "AS", "GB-26-2"}};
    for (const auto& c : clubs) {
        db.exec(QStringLiteral("insert into ZOL_ClubData (ClubID, ClubName) values (?, ?)"),
                {c.club, c.club});
        db.exec(QStringLiteral("insert into ZOL_ClubMap values (?, ?)"), {c.club, c.club});
        db.exec(QStringLiteral("insert into ZOL_LoftData (LoftNo, LoftName) values (?, ?)"),
                {c.loft, c.club});
        QCOMPARE(ClaimCopiedClub(db, c.club), 1);  // as after the club's file was copied
        db.exec(QStringLiteral("insert into ZOL_LoftClocks (LoftNo, ClockID) values (?, ?)"),
                {c.loft, "0000AB01"});
        db.exec(QStringLiteral("insert into ZOL_PigData (LoftNo, PRingNo) values (?, ?)"),
                {c.loft, c.ring});
        for (const char* site : {"AN", "AS"}) {
            db.exec(QStringLiteral("insert into ZOL_LoftLibPointDist (LiberCode, LoftNo, Miles) "
                                   "values (?, ?, ?)"),
                    {site, c.loft, 90});
        }
        db.exec(QStringLiteral("insert into ZOL_RaceData (ClubID, LiberCode, LiberDate) values "
                               "(?, ?, ?)"),
                {c.club, c.site, kDay});
        db.exec(QStringLiteral("insert into ZOL_PigRaceData (ClubID, LiberCode, LiberDate, "
                               "PRingNo) values (?, ?, ?, ?)"),
                {c.club, c.site, kDay, c.ring});
        db.exec(QStringLiteral("insert into ZOL_RaceClockTime (LiberCode, LiberDate, LoftNo) "
                               "values (?, ?, ?)"),
                {c.site, kDay, c.loft});
        db.exec(QStringLiteral("insert into KST_ResultLock (LiberCode, LiberDate, LockedAt) "
                               "values (?, ?, ?)"),
                {c.site, kDay, "2026-06-14 20:00:00"});
        db.exec(QStringLiteral("insert into KST_FedEntry (ClubID, LiberCode, LiberDate, PRingNo) "
                               "values (?, ?, ?, ?)"),
                {c.club, c.site, kDay, c.ring});
    }
    // Logins are cluster-wide: names of this run only.
    north_ = {QStringLiteral("north_") + run, QStringLiteral("north pass 1")};
    south_ = {QStringLiteral("south_") + run, QStringLiteral("south-pass-2")};
    federation_ = {QStringLiteral("fed_") + run, QStringLiteral("fédération 3")};
    CreateClubLogin(db, QStringLiteral("NORTH"), north_.name, north_.password);
    CreateClubLogin(db, QStringLiteral("SOUTH"), south_.name, south_.password);
    CreateFederationLogin(db, federation_.name, federation_.password);
}

void TestServerAccess::cleanupTestCase() {
    owner_.reset();
    server_.reset();
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (name.startsWith(QLatin1String("plain_"))) {
            QSqlDatabase::removeDatabase(name);
        }
    }
}

void TestServerAccess::passwordVerifierIsTheServersOwn() {
    // Worked out independently (PBKDF2-HMAC-SHA-256, 4096 rounds) for this salt and password.
    const QString verifier =
        ScramVerifier(QStringLiteral("pencil"), QByteArray::fromBase64("W22ZaJ0SNY7soEsUEjb6gQ=="));
    QCOMPARE(verifier, QStringLiteral("SCRAM-SHA-256$4096:W22ZaJ0SNY7soEsUEjb6gQ==$WG5d8oPm3OtcPnk"
                                      "di4Uo7BkeZkBFzpcXkuLmtbsT4qY=:wfPLwcE6nTWhTAmQ7tl2KeoiWGPlZ"
                                      "qQxSrmfPwDl2dU="));
    if (!onServer()) {
        return;
    }
    // The server keeps the verifier, and the logins made with it work (initTestCase).
    TdmZOLF superuser(server_->url());
    const QString stored =
        superuser
            .value(QStringLiteral("select rolpassword from pg_authid where rolname = ?"),
                   {north_.name})
            .toString();
    QVERIFY(stored.startsWith(QLatin1String("SCRAM-SHA-256$4096:")));
    QVERIFY(!stored.contains(north_.password));
}

void TestServerAccess::sslModeFromTheDataLink_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("mode");  // empty: refused
    QTest::newRow("default") << "postgresql://sec@db/club"
                             << "prefer";
    QTest::newRow("required") << "postgresql://sec@db:5433/club?sslmode=require"
                              << "require";
    QTest::newRow("certificate checked") << "postgresql://sec@db/club?sslmode=verify-full"
                                         << "verify-full";
    QTest::newRow("unknown mode") << "postgresql://sec@db/club?sslmode=maybe"
                                  << "";
    QTest::newRow("password among the options")
        << "postgresql://sec@db/club?sslmode=require&password=secret"
        << "";
}

void TestServerAccess::sslModeFromTheDataLink() {
    QFETCH(QString, source);
    QFETCH(QString, mode);
    if (mode.isEmpty()) {
        const QString text = RefusalOf([&] { ParseServerSource(source); });
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains(QLatin1String("secret")), qPrintable(text));
        return;
    }
    const ServerAddress a = ParseServerSource(source);
    QCOMPARE(a.sslMode, mode);
    // The address written back names the same mode.
    QCOMPARE(ParseServerSource(a.url()).sslMode, mode);
}

void TestServerAccess::clubReachesOnlyItsOwnRows_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(ClubTables().size()); ++i) {
        QTest::newRow(ClubTables()[i].table) << i;
    }
}

void TestServerAccess::clubReachesOnlyItsOwnRows() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    QFETCH(int, index);
    const ClubTable& t = ClubTables()[index];
    const QString table = QLatin1String(t.table);
    const QString key = QLatin1String(t.key);
    const QString north = QLatin1String(t.north);
    const QString south = QLatin1String(t.south);
    const qint64 southRows = Count(*owner_, table, key, south);
    QVERIFY(southRows > 0);

    // Through the program.
    {
        auto club = OpenAs(server_->url(), north_);
        QVERIFY(Count(*club, table, key, north) > 0);
        QCOMPARE(Count(*club, table, key, south), qint64(0));
        QCOMPARE(club->rowCount(QStringLiteral("select * from %1").arg(table)),
                 int(Count(*club, table, key, north)));
        club->exec(QStringLiteral("update %1 set %2 = %2 where %2 = ?").arg(table, key), {south});
        club->exec(QStringLiteral("delete from %1 where %2 = ?").arg(table, key), {south});
        QCOMPARE(RefusalOf([&] { club->exec(QLatin1String(t.insertSouth), t.insertValues); }),
                 kFederationLogin);
        // Nor can a row of its own be handed to the other club.
        QCOMPARE(RefusalOf([&] {
                     club->exec(QStringLiteral("update %1 set %2 = ? where %2 = ?").arg(table, key),
                                {south, north});
                 }),
                 kFederationLogin);
    }
    // Through a plain SQL connection with the same login.
    {
        QSqlDatabase plain = PlainConnection(server_->url(), north_, QStringLiteral("plain_club"));
        QVERIFY(plain.isOpen());
        QSqlQuery q(plain);
        const auto closed = qScopeGuard([&] {
            q = QSqlQuery();
            plain.close();
        });
        QVERIFY(
            q.exec(
                QStringLiteral("select count(*) from %1 where %2 = '%3'").arg(table, key, south)) &&
            q.next());
        QCOMPARE(q.value(0).toLongLong(), qint64(0));
        QVERIFY(q.exec(QStringLiteral("delete from %1 where %2 = '%3'").arg(table, key, south)));
        QCOMPARE(q.numRowsAffected(), 0);
        QVERIFY(q.prepare(QLatin1String(t.insertSouth)));
        for (int i = 0; i < t.insertValues.size(); ++i) {
            q.bindValue(i, t.insertValues.at(i));
        }
        QVERIFY(!q.exec());
        QCOMPARE(q.lastError().nativeErrorCode(), QStringLiteral("42501"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("plain_club"));
    // The south club's rows are all still there.
    QCOMPARE(Count(*owner_, table, key, south), southRows);
}

void TestServerAccess::federationReadsEveryClub() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    auto federation = OpenAs(server_->url(), federation_);
    QCOMPARE(SessionClub(*federation), QString());
    for (const ClubTable& t : ClubTables()) {
        const QString sql = QStringLiteral("select * from %1").arg(QLatin1String(t.table));
        QCOMPARE(federation->rowCount(sql), owner_->rowCount(sql));
        QVERIFY(Count(*federation, QLatin1String(t.table), QLatin1String(t.key),
                      QLatin1String(t.south)) > 0);
    }
    // It reads the federation's tables and writes its imports, but no club's race.
    QCOMPARE(federation->rowCount(QStringLiteral("select * from KST_FedEntry")), 2);
    federation->exec(QStringLiteral("insert into KST_FedEntry (ClubID, LiberCode, LiberDate, "
                                    "PRingNo) values (?, ?, ?, ?)"),
                     {"EAST", "AE", kDay, "GB-26-3"});
    QCOMPARE(RefusalOf([&] {
                 federation->exec(
                     QStringLiteral("update ZOL_PigRaceData set FlySpeed = ? where ClubID = ?"),
                     {1500.0, "SOUTH"});
             }),
             QStringLiteral("This login has no right to do this on the database server (it may "
                            "not use table zol_pigracedata); nothing of this action was stored."));
    QCOMPARE(RefusalOf([&] {
                 federation->exec(QStringLiteral("delete from ZOL_RaceData where ClubID = ?"),
                                  {"SOUTH"});
             }),
             QStringLiteral("This login has no right to do this on the database server (it may "
                            "not use table zol_racedata); nothing of this action was stored."));
    QCOMPARE(Count(*owner_, QStringLiteral("ZOL_RaceData"), QStringLiteral("ClubID"),
                   QStringLiteral("SOUTH")),
             qint64(1));
    owner_->exec(QStringLiteral("delete from KST_FedEntry where ClubID = ?"), {"EAST"});
}

void TestServerAccess::clubWorksOnItsOwnClub() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    auto club = OpenAs(server_->url(), north_);
    QCOMPARE(SessionClub(*club), QStringLiteral("NORTH"));
    // The program's club record is the club's own.
    QCOMPARE(club->value(QStringLiteral("select ClubID from ZOL_ClubData")).toString(),
             QStringLiteral("NORTH"));
    // A new member: the loft, and a distance row for every liberation site (shared list).
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 6, 15), QTime(10, 0))};
    MemberForm form;
    form.associationCode = QStringLiteral("NBU");
    form.loftNo = QStringLiteral("N2");
    form.name = QStringLiteral("Jan Noord");
    QCOMPARE(SaveMember(*club, prompts, clock, form, MemberFormMode::AddNew),
             MemberSaveResult::Inserted);
    // The member list shows the club's two lofts and no other.
    QCOMPARE(club->rowCount(MemberListSql()), 2);
    QCOMPARE(club->texts(QStringLiteral("select LoftNo from ZOL_LoftData order by LoftNo")),
             QStringList({QStringLiteral("N1"), QStringLiteral("N2")}));
    QCOMPARE(club->rowCount(QStringLiteral("select * from ZOL_LoftLibPointDist where LoftNo = "
                                           "?"),
                            {"N2"}),
             2);
    QCOMPARE(
        owner_->value(QStringLiteral("select ClubID from KST_LoftClub where LoftNo = ?"), {"N2"})
            .toString(),
        QStringLiteral("NORTH"));
    // The other club does not see it, and cannot take its number.
    auto other = OpenAs(server_->url(), south_);
    QCOMPARE(other->rowCount(QStringLiteral("select * from ZOL_LoftData where LoftNo = ?"), {"N2"}),
             0);
    QCOMPARE(RefusalOf([&] {
                 other->exec(QStringLiteral("insert into ZOL_LoftData (LoftNo) values (?)"),
                             {"N2"});
             }),
             kFederationLogin);
    owner_->exec(QStringLiteral("delete from ZOL_LoftLibPointDist where LoftNo = ?"), {"N2"});
    owner_->exec(QStringLiteral("delete from ZOL_LoftData where LoftNo = ?"), {"N2"});
}

void TestServerAccess::federationActionsNeedTheFederationsLogin() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    auto club = OpenAs(server_->url(), north_);
    // Reads of the shared lists work.
    QCOMPARE(club->rowCount(QStringLiteral("select * from ZOL_LiberateSite")), 2);
    QCOMPARE(ClubSetting(*club, QStringLiteral("DistanceMethod"), QStringLiteral("flat")),
             QStringLiteral("flat"));
    // The settings are the federation's; storing a value unchanged (a Setup screen saved as it
    // was) is no change and not refused.
    SetClubSetting(*owner_, QStringLiteral("DistanceMethod"), QStringLiteral("flat"));
    SetClubSetting(*club, QStringLiteral("DistanceMethod"), QStringLiteral("flat"));
    // The club list is shared: a club reads all of it and names its own entry only.
    QCOMPARE(club->rowCount(QStringLiteral("select * from ZOL_ClubMap")), 2);
    club->exec(QStringLiteral("update ZOL_ClubMap set ClubName = ? where ClubID = ?"),
               {"North Flyers", "NORTH"});
    club->exec(QStringLiteral("update ZOL_ClubMap set ClubName = ? where ClubID = ?"),
               {"Taken over", "SOUTH"});
    QCOMPARE(owner_->texts(QStringLiteral("select ClubName from ZOL_ClubMap order by ClubID")),
             QStringList({QStringLiteral("North Flyers"), QStringLiteral("SOUTH")}));
    const std::vector<std::pair<const char*, std::function<void()>>> actions = {
        {"another club in the club list",
         [&] {
             club->exec(QStringLiteral("insert into ZOL_ClubMap (ClubID, ClubName) values (?, ?)"),
                        {"WEST", "West"});
         }},
        {"federation's releases", [&] { FederationReleases(*club); }},
        {"a new liberation site",
         [&] {
             club->exec(QStringLiteral("insert into ZOL_LiberateSite (LiberCode) values (?)"),
                        {"XX"});
         }},
        {"a club setting", [&] { SetClubSetting(*club, QStringLiteral("PublishFolder"), "/x"); }},
        {"the login list",
         [&] { club->value(QStringLiteral("select count(*) from KST_ClubRole")); }},

    };
    for (const auto& [what, action] : actions) {
        const QString text = RefusalOf(action);
        QVERIFY2(RefusedToClub(text), qPrintable(QStringLiteral("%1: %2").arg(what, text)));
    }
    // Adding logins is the owner's.
    QVERIFY(RefusalOf([&] {
                CreateClubLogin(*club, "NORTH", "north_more", "x1");
            }).startsWith(QLatin1String("Only the owner of the club tables")));
}

void TestServerAccess::loginsAreCheckedAndMadeAgain() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    const QString ownName = ParseServerSource(server_->url()).user;
    for (const QString& bad :
         {QStringLiteral("North"), QStringLiteral("1club"), QStringLiteral("a;drop role x"),
          QStringLiteral("kestrava_club"), ownName}) {
        QVERIFY2(!RefusalOf([&] { CreateClubLogin(*owner_, "NORTH", bad, "secret"); }).isEmpty(),
                 qPrintable(bad));
    }
    QVERIFY(
        !RefusalOf([&] { CreateClubLogin(*owner_, "NORTH", north_.name, QString()); }).isEmpty());
    // Made again with a new password: the old one no longer opens, the new one does.
    const Login renewed{south_.name, QStringLiteral("another one")};
    CreateClubLogin(*owner_, QStringLiteral("SOUTH"), renewed.name, renewed.password);
    QVERIFY(RefusalOf([&] {
                OpenAs(server_->url(), south_);
            }).contains(QLatin1String("password is wrong")));
    QCOMPARE(SessionClub(*OpenAs(server_->url(), renewed)), QStringLiteral("SOUTH"));
    south_ = renewed;
}

void TestServerAccess::requiredEncryptionIsRefusedInWords() {
    if (!onServer()) {
        QSKIP("no test server named");
    }
    // The test server offers no encryption: "prefer" opens, "require" is refused plainly.
    ServerAddress a = ParseServerSource(server_->url());
    a.sslMode = QStringLiteral("prefer");
    TdmZOLF preferred(a.url());
    a.sslMode = QStringLiteral("require");
    const QString text = RefusalOf([&] { TdmZOLF required(a.url()); });
    QVERIFY2(text.contains(QLatin1String("refused an unprotected connection")), qPrintable(text));
}

void TestServerAccess::ownerAddsAClubFromTheCommandLine() {
    const auto request = [](const QStringList& args) {
        QCommandLineParser parser;
        AddServerAdminOptions(parser);
        parser.parse(QStringList{QStringLiteral("kestrava")} + args);
        return ServerAdminRequestFrom(parser);
    };
    const ServerAdminRequest asked = request({"--add-club-login", "east_sec", "--club", "east"});
    QCOMPARE(int(asked.kind), int(ServerAdminRequest::Kind::ClubLogin));
    QCOMPARE(asked.club, QStringLiteral("EAST"));
    for (const QStringList& bad :
         {QStringList{"--add-club-login", "east_sec"},
          QStringList{"--set-up-server", "--add-federation-login", "fed"}}) {
        try {
            request(bad);
            QFAIL(qPrintable(bad.join(' ')));
        } catch (const UserError&) {
        }
    }
    if (!onServer()) {
        return;
    }
    // The password is typed (here: one line from a pipe), never given on the command line.
    const Login east{QStringLiteral("east_") + QString::number(QCoreApplication::applicationPid()),
                     QStringLiteral("east pass")};
    QByteArray typed = (east.password + QLatin1Char('\n')).toUtf8();
    QString said;
    QTextStream in(&typed);
    QTextStream out(&said);
    ServerAdminRequest add;
    add.kind = ServerAdminRequest::Kind::ClubLogin;
    add.login = east.name;
    add.club = QStringLiteral("EAST");
    QVERIFY2(RunServerAdmin(*owner_, add, in, out, false) == 0, qPrintable(said));
    QVERIFY2(!said.contains(east.password), qPrintable(said));
    QCOMPARE(SessionClub(*OpenAs(server_->url(), east)), QStringLiteral("EAST"));

    // The owner made the program's own tables, so a club stores the types of its own race
    // (and of no other club's).
    SetClubRaceTypes(*owner_, {QStringLiteral("Young birds")});
    auto club = OpenAs(server_->url(), north_);
    SetRaceTypes(*club, RaceId{QStringLiteral("AN"), QDate(2026, 6, 14)},
                 {QStringLiteral("Young birds")});
    QCOMPARE(RaceTypes(*club, RaceId{QStringLiteral("AN"), QDate(2026, 6, 14)}),
             QStringList{QStringLiteral("Young birds")});
    QCOMPARE(RefusalOf([&] {
                 SetRaceTypes(*club, RaceId{QStringLiteral("AS"), QDate(2026, 6, 14)},
                              {QStringLiteral("Young birds")});
             }),
             kFederationLogin);
    // Nor may a club change the club's list of race types, which all clubs share.
    QVERIFY(
        RefusedToClub(RefusalOf([&] { SetClubRaceTypes(*club, {QStringLiteral("Old birds")}); }),
                      QStringLiteral("kst_racetypename")));
}

QTEST_GUILESS_MAIN(TestServerAccess)
#include "test_server_access.moc"
