// The interface languages: the club's choice holds at the next start, every caption of every
// screen is translated, and the translation files keep the placeholders their texts need.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "app/language.h"
#include "app/main_window.h"
#include "app/screens.h"
#include "clockops/clock_texts.h"
#include "competitions/championship.h"
#include "competitions/competition_reports.h"
#include "competitions/pool_store.h"
#include "data/errors.h"
#include "data/sql_dialect.h"
#include "races/entry_history.h"
#include "races/race_publish.h"
#include "races/race_ranking.h"
#include "races/result_lock.h"
#include "reports/report_layout.h"
#include "screen_helpers.h"
#include "setup/club_setup.h"
#include "setup/setup_screen.h"
#include "small_club.h"
#include "test_context.h"
#include "widgets/qt_prompts.h"

namespace {

const QStringList kLanguages{QStringLiteral("nl"), QStringLiteral("fr"), QStringLiteral("de")};

// Widgets that show data (the club, the ports found, the club's own race types) or entries
// deliberately the same in every language (each language in its own name).
const QStringList kNotCaptions{QStringLiteral("cbbLangue"),    QStringLiteral("cbbPort"),
                               QStringLiteral("lblClub"),      QStringLiteral("cbbRaceType1"),
                               QStringLiteral("cbbRaceType2"), QStringLiteral("cbbRaceType3")};

struct Caption {
    QString where;
    QString text;
};

void Add(QList<Caption>& out, const QString& where, const QString& text) {
    out.append({where, text});
}

// Qt's own parts of a widget, a list's drop-down (its entries are read from the list) and what
// kNotCaptions names.
bool Skipped(const QWidget* w) {
    for (const QObject* o = w; o != nullptr; o = o->parent()) {
        if (o->objectName().startsWith(QLatin1String("qt_")) ||
            kNotCaptions.contains(o->objectName()) ||
            (o != w && qobject_cast<const QComboBox*>(o) != nullptr)) {
            return true;
        }
    }
    return false;
}

// Every text a user reads on `root` without data in the database: window title, labels,
// buttons, group and tab titles, list entries, grid titles, hints and menu entries.
QList<Caption> Captions(QWidget& root) {
    QList<Caption> out;
    Add(out, root.objectName() + QStringLiteral(" title"), root.windowTitle());
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        if (Skipped(w)) {
            continue;
        }
        const QString where = w->objectName().isEmpty()
                                  ? QString::fromLatin1(w->metaObject()->className())
                                  : w->objectName();
        Add(out, where + QStringLiteral(" tip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            Add(out, where, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Add(out, where, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            Add(out, where, group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            Add(out, where + QStringLiteral(" hint"), edit->placeholderText());
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            Add(out, where, menu->title());
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                Add(out, where + QStringLiteral(" tab"), tabs->tabText(i));
            }
        }
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                Add(out, where + QStringLiteral(" entry"), box->itemText(i));
            }
        }
        // A grid's titles are read from the grid, which knows its hidden columns.
        if (auto* view = qobject_cast<QAbstractItemView*>(w);
            view && view->model() && !qobject_cast<QHeaderView*>(view)) {
            const QAbstractItemModel* model = view->model();
            const auto* table = qobject_cast<QTableView*>(view);
            for (int c = 0; c < model->columnCount(); ++c) {
                if (table != nullptr && table->isColumnHidden(c)) {
                    continue;
                }
                Add(out, where + QStringLiteral(" column"),
                    model->headerData(c, Qt::Horizontal).toString());
            }
            // Lists (not grids) hold fixed entries: with an empty database there is no data.
            if (model->columnCount() == 1) {
                for (int r = 0; r < model->rowCount(); ++r) {
                    Add(out, where + QStringLiteral(" entry"),
                        model->index(r, 0).data().toString());
                }
            }
        }
        for (QAction* action : w->actions()) {
            Add(out, where + QStringLiteral(" action"), action->text());
        }
    }
    return out;
}

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<TsMessage> ReadTs(const QString& language) {
    QFile file(QStringLiteral(KESTRAVA_TS_DIR "/kestrava_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no translation file for %s", qPrintable(language));
    }
    QList<TsMessage> out;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.finished = type.isEmpty();
            // A text with plural forms holds one <numerusform> per form: each is checked as a
            // translation of its own.
            QStringList forms;
            QString text;
            while (!(xml.readNext() == QXmlStreamReader::EndElement &&
                     xml.name() == QLatin1String("translation")) &&
                   !xml.atEnd()) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    forms << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (forms.isEmpty()) {
                forms << text;
            }
            for (const QString& form : forms) {
                message.translation = form;
                out.append(message);
            }
        }
    }
    if (xml.hasError()) {
        qFatal("%s", qPrintable(xml.errorString()));
    }
    return out;
}

// Words that are the same in a language as in English, each with the reason. A text shown
// in the language that is still its English source fails, unless every word of it is here
// (or is the club's own data). "*" is every language.
struct SameWord {
    const char* language;
    const char* word;
    const char* reason;
};
const SameWord kSameWords[] = {
    {"*", "OK", "the button's word in every language"},
    {"*", "yd", "the unit's symbol"},
    {"*", "min", "the unit's symbol (m/min)"},
    {"*", "Yards", "the unit, named so on the federation's lists"},
    {"*", "Code", "the same word"},
    {"*", "Nom", "the sport's abbreviation of a nomination, used in every club"},
    {"nl", "Ring", "the same word"},
    {"de", "Ring", "the same word"},
    {"de", "Name", "the same word"},
    {"de", "Pool", "the same word (a pool of stakes)"},
    {"de", "Pools", "the same word"},
    {"de", "Information", "the same word"},
    {"fr", "Information", "the same word"},
    {"fr", "Page", "the same word"},
    {"fr", "Date", "the same word"},
    {"fr", "Total", "the same word"},
    {"fr", "Club", "the same word"},
    {"fr", "Miles", "the unit, named so in French"},
    {"fr", "Dist", "the same abbreviation (distance)"},
    {"fr", "Distance", "the same word"},
    {"fr", "Pigeon", "the same word"},
    {"fr", "National", "the same word (a national race)"},
    {"de", "National", "the same word (a national race)"},
    {"fr", "Net", "the same word"},
    {"fr", "Place", "the same word"},
    {"fr", "Distances", "the same word"},
    {"fr", "minutes", "the same word"},
    {"fr", "Pigeons", "the same word"},
    {"fr", "Latitude", "the same word"},
    {"fr", "Longitude", "the same word"},
    {"fr", "Notes", "the same word"},
    {"fr", "Association", "the same word"},
    {"fr", "hh", "the time pattern (hh:mm:ss) as typed"},
    {"fr", "mm", "the time pattern"},
    {"fr", "ss", "the time pattern"},
    {"de", "hh", "the time pattern (hh:mm:ss) as typed"},
    {"de", "mm", "the time pattern"},
    {"de", "ss", "the time pattern"},
    {"fr", "Port", "the same word (the live board's network port)"},
    {"de", "Port", "the same word (the live board's network port)"},
};

// Whether `text`, shown in `language` exactly as in English, still holds an English word: a
// word that is neither in kSameWords for the language nor part of the club's data.
bool StillEnglish(const QString& text, const QString& language, const QStringList& data) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    QString rest = text;
    for (const QString& value : data) {
        rest.replace(value, QStringLiteral(" "));
    }
    for (const QRegularExpressionMatch& m : word.globalMatch(rest)) {
        bool same = false;
        for (const SameWord& w : kSameWords) {
            same = same || ((QLatin1String(w.language) == QLatin1String("*") ||
                             language == QLatin1String(w.language)) &&
                            m.captured().compare(QLatin1String(w.word), Qt::CaseInsensitive) == 0);
        }
        if (!same) {
            return true;
        }
    }
    return false;
}

// The club's own texts in the database (names, places, rings): the same in every language.
// Longest first, so that a name is taken out before a shorter name inside it.
QStringList DataTexts(TdmZOLF& db) {
    QSet<QString> texts{LoginName(db)};
    for (const QString& table :
         db.texts(QStringLiteral("select name from sqlite_master where type='table'"))) {
        if (table == QLatin1String("KST_EntryHistory")) {
            continue;  // its workflow names and states are the program's texts
        }
        QSqlQuery q = db.select(QStringLiteral("select * from ") + table);
        while (q.next()) {
            for (int i = 0; i < q.record().count(); ++i) {
                const QString value = q.value(i).toString().trimmed();
                if (value.size() >= 2 && value.toDouble() == 0) {
                    texts.insert(value);
                }
            }
        }
    }
    QStringList out(texts.begin(), texts.end());
    std::sort(out.begin(), out.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    return out;
}

// The texts shown in English and in the language, in the same order, that are still English;
// "where" names each one so that its translation can be added ("context: source" is in the
// translation file).
QStringList Untranslated(const QList<Caption>& english, const QList<Caption>& shown,
                         const QString& language, const QStringList& data) {
    QStringList out;
    if (english.size() != shown.size()) {
        out << QStringLiteral("%1 texts in English, %2 in %3: the screen differs by language")
                   .arg(english.size())
                   .arg(shown.size())
                   .arg(language);
    }
    for (qsizetype i = 0; i < english.size() && i < shown.size(); ++i) {
        const QString& text = english[i].text;
        if (shown[i].text == text && StillEnglish(text, language, data)) {
            out << english[i].where + QStringLiteral(": \"") + text + QLatin1Char('"');
        }
    }
    return out;
}

std::unique_ptr<QWidget> MakeScreen(const QString& name, AppContext& ctx) {
    if (name == QLatin1String("main window")) {
        return std::make_unique<TfrmMenu_V8_EU_TC>(ctx);
    }
    const QMap<QString, ScreenId> ids{{QStringLiteral("Home"), ScreenId::Home},
                                      {QStringLiteral("Clock Operation"), ScreenId::ClockOperation},
                                      {QStringLiteral("Member"), ScreenId::Member},
                                      {QStringLiteral("Races"), ScreenId::Races},
                                      {QStringLiteral("Setup"), ScreenId::Setup}};
    return std::unique_ptr<QWidget>(CreateScreen(ids.value(name), ctx, nullptr));
}

QList<Caption> ScreenCaptions(const QString& name, const QString& language) {
    InstallLanguage(language);
    TestContext t;
    if (name == QLatin1String("main window")) {
        // With a club record the main window starts without the first-run setup.
        t.db->exec(
            QStringLiteral("insert into ZOL_ClubData (ClubID, AssociationCode, ClubName) "
                           "values ('HF','NL','Harbour Flyers')"));
    }
    std::unique_ptr<QWidget> screen = MakeScreen(name, t.app());
    screen->resize(1280, 720);
    screen->show();
    QCoreApplication::processEvents();
    if (name == QLatin1String("Clock Operation")) {
        // The clock screen opens its port on a worker; "/dev/null" is refused, and the screen
        // may only go once that has been reported.
        QDeadlineTimer deadline(20000);
        while (t.prompts.shown.isEmpty() && !deadline.hasExpired()) {
            QTest::qWait(20);
        }
    }
    QList<Caption> captions = Captions(*screen);
    screen->close();
    screen.reset();
    InstallLanguage(QStringLiteral("en"));
    return captions;
}

// The club of the screen tests with a championship, a pool template, a locked result with its
// history and a race page, so that every panel shows its texts.
void SeedCompetitions(TestContext& t) {
    SeedClub(*t.db);
    t.db->exec(QStringLiteral("update ZOL_ClubData set Language=0"));
    ChampionshipDefinition champ;
    champ.name = QStringLiteral("Kampioenschap");
    champ.season = 2026;
    champ.points = {50, 40, 30};
    SaveChampionship(*t.db, champ);
    PoolDefinition pool;
    pool.name = QStringLiteral("Poule A");
    pool.stake = 100;
    pool.split = {10000};
    SetPoolTemplate(*t.db, {pool});
    const QDateTime before = t.clock.now();
    t.clock.set(QDateTime(QDate(2026, 6, 12), QTime(18, 0)));
    SetRacePools(*t.db, t.clock, RaceId{QStringLiteral("B23"), QDate(2026, 6, 13)}, {pool});
    EnterBird(*t.db, t.clock, RaceId{QStringLiteral("B23"), QDate(2026, 6, 13)},
              QStringLiteral("Poule A"), QStringLiteral("BELG-2024-4100001"));
    t.clock.set(before);
    LockResult(*t.db, QStringLiteral("B23"), QDate(2026, 6, 13), t.clock.now());
}

using Open = std::function<void(QWidget& screen)>;

void MemberAction(QWidget& screen, int action) {
    auto* members = child<QTableView>(screen, "dbgrdMem");
    members->setCurrentIndex(members->model()->index(0, 1));
    child<QMenu>(screen, "rgMem")->actions().at(action)->trigger();
}

struct View {
    const char* name;
    ScreenId screen;
    Open open;
};

// Every screen with each of its panels, tabs and boxes opened the way the secretary opens
// them, by position (never by a caption, which is in the language).
const QList<View>& Views() {
    static const QList<View> views = [] {
        const Open none = [](QWidget&) {};
        const auto race = [](int action) {
            return [action](QWidget& screen) { chooseRaceAction(screen, action); };
        };
        const auto clockTab = [](int index) {
            return [index](QWidget& screen) {
                child<QTabWidget>(screen, "PageControl1")->setCurrentIndex(index);
            };
        };
        return QList<View>{
            {"home", ScreenId::Home, none},
            {"clock synchronise", ScreenId::ClockOperation, clockTab(0)},
            {"clock marked upload", ScreenId::ClockOperation, clockTab(1)},
            {"clock result upload", ScreenId::ClockOperation, clockTab(2)},
            {"member list", ScreenId::Member, none},
            {"member form", ScreenId::Member, [](QWidget& s) { MemberAction(s, 0); }},
            {"member rings", ScreenId::Member, [](QWidget& s) { MemberAction(s, 3); }},
            {"member clocks", ScreenId::Member, [](QWidget& s) { MemberAction(s, 4); }},
            {"races", ScreenId::Races, none},
            {"race edit point", ScreenId::Races, race(0)},
            {"race distances", ScreenId::Races, race(3)},
            {"race status", ScreenId::Races, race(4)},
            {"race result", ScreenId::Races, race(5)},
            {"race result history", ScreenId::Races,
             [](QWidget& s) {
                 chooseRaceAction(s, 5);
                 click(s, "btnHistory");
             }},
            {"race result recalculation", ScreenId::Races,
             [](QWidget& s) {
                 chooseRaceAction(s, 5);
                 click(s, "btnRecaculate");
             }},
            {"race other clock", ScreenId::Races, race(7)},
            {"race distance download", ScreenId::Races, race(8)},
            {"race pools", ScreenId::Races, race(13)},
            {"race pools payout", ScreenId::Races,
             [](QWidget& s) {
                 chooseRaceAction(s, 13);
                 child<QTabWidget>(s, "tabPools")->setCurrentIndex(2);
             }},
            {"race championships", ScreenId::Races,
             [](QWidget& s) {
                 chooseRaceAction(s, 14);
                 click(s, "btnStandings");
             }},
            {"federation", ScreenId::Federation, none},
            {"setup", ScreenId::Setup, none},
        };
    }();
    return views;
}

// Adds the texts of the grids' cells (their first rows): lookups, states and marks shown in
// a grid are the program's texts as much as its titles are.
void AddCells(QList<Caption>& out, QWidget& root) {
    for (QTableView* view : root.findChildren<QTableView*>()) {
        const QAbstractItemModel* model = view->model();
        if (model == nullptr || view->isHidden()) {
            continue;
        }
        for (int r = 0; r < std::min(model->rowCount(), 30); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                if (!view->isColumnHidden(c)) {
                    Add(out, view->objectName() + QStringLiteral(" cell"),
                        model->index(r, c).data().toString());
                }
            }
        }
    }
}

// The texts of one view in the language, with the club's data texts.
QList<Caption> ViewCaptions(const View& view, const QString& language, QStringList* data) {
    InstallLanguage(language);
    TestContext t;
    SeedCompetitions(t);
    QList<Caption> captions;
    {
        TfrmMenu_V8_EU_TC window(t.app());
        window.resize(1280, 680);
        window.show();
        if (!window.showScreen(view.screen)) {
            qFatal("%s does not open", view.name);
        }
        QWidget& screen = *window.currentScreen();
        if (view.screen == ScreenId::ClockOperation) {
            // The port ("/dev/null") is refused on a worker: its message is one of the texts.
            QDeadlineTimer deadline(20000);
            while (t.prompts.shown.isEmpty() && !deadline.hasExpired()) {
                QTest::qWait(20);
            }
        }
        view.open(screen);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        captions = Captions(screen);
        AddCells(captions, screen);
        // The messages the screen showed; of the clock screens the port's refusal only (what
        // the worker reports after it comes and goes with the timing of the run).
        QStringList messages = t.prompts.shown;
        if (view.screen == ScreenId::ClockOperation) {
            messages = messages.mid(0, 1);
        }
        for (const QString& shown : messages) {
            Add(captions, QStringLiteral("message"), shown);
        }
    }
    if (data != nullptr) {
        *data = DataTexts(*t.db);
    }
    InstallLanguage(QStringLiteral("en"));
    return captions;
}

// A printed report's own texts: its title band, column titles and footer.
QList<Caption> ReportCaptions(const ReportDefinition& report) {
    QList<Caption> out;
    const QString where = QStringLiteral("report \"%1\"").arg(report.name);
    Add(out, where + QStringLiteral(" name"), report.name);
    for (const QList<ReportLine>& lines : {report.titleBand, report.footer}) {
        for (const ReportLine& line : lines) {
            for (const ReportText& text : line) {
                Add(out, where + QStringLiteral(" heading"), text.text);
            }
        }
    }
    for (const ReportColumn& column : report.columns) {
        Add(out, where + QStringLiteral(" column"), column.header);
    }
    return out;
}

// Every printed report of a race and a season in the language.
QList<Caption> ReportsCaptions(const QString& language, QStringList* data) {
    InstallLanguage(language);
    TestContext t;
    SeedCompetitions(t);
    const RaceId race{QStringLiteral("B23"), QDate(2026, 6, 13)};
    const QList<PoolPayout> payouts = RacePayouts(*t.db, race);
    QList<Caption> out;
    out += ReportCaptions(PoolSheetReport(*t.db, race, payouts));
    out += ReportCaptions(LoftPayoutReport(*t.db, race, payouts));
    for (const ChampionshipDefinition& champ : Championships(*t.db)) {
        out += ReportCaptions(StandingsReport(*t.db, ReadStandings(*t.db, champ)));
    }
    out += ReportCaptions(RaceRankingReportOf(
        *t.db, QStringLiteral("B23"), QStringLiteral("2026-06-13"), QStringLiteral("Brussel")));
    *data = DataTexts(*t.db);
    InstallLanguage(QStringLiteral("en"));
    return out;
}

// The published race page and season index in the language: every text between tags, and the
// lang attribute of each.
QList<Caption> PublishedCaptions(const QString& language, QStringList* data, QStringList* langs) {
    InstallLanguage(language);
    TestContext t;
    SeedCompetitions(t);
    QDir(t.root.path()).mkpath(QStringLiteral("site"));
    const PublishedFiles files = PublishRace(*t.db, t.root.filePath(QStringLiteral("site")),
                                             QStringLiteral("B23"), QDate(2026, 6, 13));
    QList<Caption> out;
    static const QRegularExpression text(QStringLiteral(">([^<]+)<"));
    static const QRegularExpression lang(QStringLiteral("<html lang=\"([^\"]*)\""));
    for (const QString& path : {files.page, files.index}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qFatal("%s not written", qPrintable(path));
        }
        const QString html = QString::fromUtf8(file.readAll());
        *langs << lang.match(html).captured(1);
        for (const QRegularExpressionMatch& m : text.globalMatch(html)) {
            if (!m.captured(1).trimmed().isEmpty() && !m.captured(1).contains(QLatin1Char('{'))) {
                Add(out, QFileInfo(path).fileName(), m.captured(1).trimmed());
            }
        }
    }
    *data = DataTexts(*t.db);
    InstallLanguage(QStringLiteral("en"));
    return out;
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { InstallLanguage(QStringLiteral("en")); }
    void languageBoxListsEachInItsOwnName();
    void chosenLanguageHoldsAtNextStart_data();
    void chosenLanguageHoldsAtNextStart();
    void everyCaptionTranslated_data();
    void everyCaptionTranslated();
    void everyViewTranslated_data();
    void everyViewTranslated();
    void reportsAndPagesTranslated_data();
    void reportsAndPagesTranslated();
    void sameTranslationsAreListed_data();
    void sameTranslationsAreListed();
    void messageBoxesStartWithACapital();

  private:
    void checkReportsAndPages(const QString& language);
    void translationsKeepPlaceholders_data();
    void translationsKeepPlaceholders();
    void messagesNameButtonsAsCaptioned_data();
    void messagesNameButtonsAsCaptioned();
    void clockLinesShownInLanguage_data();
    void clockLinesShownInLanguage();
    void serverRefusalsInLanguage();
};

void TestLanguages::languageBoxListsEachInItsOwnName() {
    TestContext t;
    TfrmSetup setup(t.app());
    auto* box = setup.findChild<QComboBox*>(QStringLiteral("cbbLangue"));
    QVERIFY(box != nullptr);
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries << box->itemText(i);
    }
    QCOMPARE(entries, (QStringList{QStringLiteral("English"), QStringLiteral("Nederlands"),
                                   QString::fromUtf8("Fran\xc3\xa7"
                                                     "ais"),
                                   QStringLiteral("Deutsch")}));
}

// The position chosen in the box is stored; the next start reads it and speaks that language.
// A position no box offers (a newer program's choice) starts in English.
void TestLanguages::chosenLanguageHoldsAtNextStart_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("nameCaption");
    QTest::newRow("English") << 0 << "en"
                             << "Name :";
    QTest::newRow("Dutch") << 1 << "nl"
                           << "Naam:";
    QTest::newRow("French") << 2 << "fr"
                            << "Nom :";
    QTest::newRow("German") << 3 << "de"
                            << "Name:";
    QTest::newRow("unknown position") << 9 << "en"
                                      << "Name :";
}

void TestLanguages::chosenLanguageHoldsAtNextStart() {
    QFETCH(int, position);
    QFETCH(QString, code);
    QFETCH(QString, nameCaption);
    TestContext t;
    {
        TfrmSetup setup(t.app());
        setup.show();
        setup.findChild<QLineEdit*>(QStringLiteral("edtClubAbbt"))->setText(QStringLiteral("HF"));
        setup.findChild<QLineEdit*>(QStringLiteral("edtAssociation"))
            ->setText(QStringLiteral("NL"));
        auto* box = setup.findChild<QComboBox*>(QStringLiteral("cbbLangue"));
        if (position < box->count()) {
            box->setCurrentIndex(position);
        }
        QVERIFY(setup.close());
    }
    if (position >= 4) {
        t.db->exec(QStringLiteral("update ZOL_ClubData set Language=?"), {position});
    }
    QCOMPARE(t.db->select(QStringLiteral("select Language from ZOL_ClubData")).next(), true);
    QCOMPARE(InstallClubLanguage(*t.db), code);
    TfrmSetup next(t.app());
    bool found = false;
    for (QLabel* label : next.findChildren<QLabel*>()) {
        found = found || label->text() == nameCaption;
    }
    QVERIFY2(found, qPrintable(nameCaption));
}

void TestLanguages::everyCaptionTranslated_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    for (const char* screen :
         {"main window", "Home", "Clock Operation", "Member", "Races", "Setup"}) {
        for (const QString& language : kLanguages) {
            QTest::addRow("%s %s", screen, qPrintable(language))
                << QString::fromLatin1(screen) << language;
        }
    }
}

// Each caption shown in the language differs from the English one, or the translation file
// says it is the same on purpose.
void TestLanguages::everyCaptionTranslated() {
    QFETCH(QString, screen);
    QFETCH(QString, language);
    const QList<Caption> english = ScreenCaptions(screen, QStringLiteral("en"));
    const QList<Caption> translated = ScreenCaptions(screen, language);
    const QStringList untranslated = Untranslated(english, translated, language, {});
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestLanguages::everyViewTranslated_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("language");
    for (int v = 0; v < Views().size(); ++v) {
        for (const QString& language : kLanguages) {
            QTest::addRow("%s %s", Views()[v].name, qPrintable(language)) << v << language;
        }
    }
}

// Each screen with a club in it and each of its panels, tabs and boxes opened, its grids'
// cells and the messages it showed: nothing still in English. A failure names the widget and
// the English text (the source to translate).
void TestLanguages::everyViewTranslated() {
    QFETCH(int, view);
    QFETCH(QString, language);
    QStringList data;
    const QList<Caption> english = ViewCaptions(Views()[view], QStringLiteral("en"), &data);
    const QList<Caption> shown = ViewCaptions(Views()[view], language, nullptr);
    const QStringList untranslated = Untranslated(english, shown, language, data);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestLanguages::reportsAndPagesTranslated_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// The printed reports' headings and the published pages are in the club's language, and the
// pages say which (a screen reader reads them in that voice).
void TestLanguages::reportsAndPagesTranslated() {
    QFETCH(QString, language);
    try {
        checkReportsAndPages(language);
    } catch (const UserError& e) {
        QFAIL(qPrintable(e.text()));
    }
}

void TestLanguages::checkReportsAndPages(const QString& language) {
    QStringList data;
    QStringList untranslated = Untranslated(ReportsCaptions(QStringLiteral("en"), &data),
                                            ReportsCaptions(language, &data), language, data);
    QStringList englishLangs;
    QStringList langs;
    const QList<Caption> englishPages =
        PublishedCaptions(QStringLiteral("en"), &data, &englishLangs);
    untranslated +=
        Untranslated(englishPages, PublishedCaptions(language, &data, &langs), language, data);
    QCOMPARE(englishLangs, (QStringList{QStringLiteral("en"), QStringLiteral("en")}));
    QCOMPARE(langs, (QStringList{language, language}));
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestLanguages::sameTranslationsAreListed_data() {
    translationsKeepPlaceholders_data();
}

// A translation equal to its English source is a text nobody translated, unless each of its
// words is the same in the language (kSameWords): this covers every message box text, which
// no screen shows until something goes wrong.
void TestLanguages::sameTranslationsAreListed() {
    QFETCH(QString, language);
    QStringList faults;
    for (const TsMessage& m : ReadTs(language)) {
        if (m.finished && m.translation == m.source && StillEnglish(m.source, language, {})) {
            faults << m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A message box shows a sentence: its first letter a capital in every language, the rest
// (a value at its start) as it is.
void TestLanguages::messageBoxesStartWithACapital() {
    QCOMPARE(BoxText(QStringLiteral("back-up is gelukt!")), QStringLiteral("Back-up is gelukt!"));
    QCOMPARE(BoxText(QStringLiteral("\u00e9chec de la copie")),
             QStringLiteral("\u00c9chec de la copie"));
    QCOMPARE(BoxText(QStringLiteral("  sauvegarde")), QStringLiteral("  Sauvegarde"));
    for (const char* kept : {"'abc' is not a valid integer value", "/home/jan/club.db was written",
                             "12 rings read", ""}) {
        QCOMPARE(BoxText(QString::fromUtf8(kept)), QString::fromUtf8(kept));
    }
}

void TestLanguages::translationsKeepPlaceholders_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// Every text is translated, with the same %1, %2 ... as its source (a missing one loses a
// value from a message) and an accelerator "&" where the source has one.
void TestLanguages::translationsKeepPlaceholders() {
    QFETCH(QString, language);
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
            found << m.captured();
        }
        found.sort();
        return found;
    };
    const QList<TsMessage> messages = ReadTs(language);
    QVERIFY(!messages.isEmpty());
    QStringList faults;
    for (const TsMessage& m : messages) {
        const QString what = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (!m.finished || m.translation.isEmpty()) {
            faults << what + QStringLiteral(" not translated");
        } else if (placeholders(m.source) != placeholders(m.translation)) {
            faults << what + QStringLiteral(" placeholders differ");
        } else if (m.source.contains(QLatin1Char('&')) !=
                   m.translation.contains(QLatin1Char('&'))) {
            faults << what + QStringLiteral(" accelerator differs");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// A message that tells the secretary to use a button names it as the button is captioned in
// her language (the restore question names "Load Backup").
void TestLanguages::messagesNameButtonsAsCaptioned_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void TestLanguages::messagesNameButtonsAsCaptioned() {
    QFETCH(QString, language);
    const QList<TsMessage> messages = ReadTs(language);
    QString caption;
    for (const TsMessage& m : messages) {
        if (m.context == QLatin1String("TfrmSetup") && m.source == QLatin1String("Load Backup")) {
            caption = m.translation;
        }
    }
    QVERIFY(!caption.isEmpty());
    int naming = 0;
    for (const TsMessage& m : messages) {
        if (m.source.contains(QLatin1String("\"Load Backup\" can restore"))) {
            ++naming;
            QVERIFY2(m.translation.contains(caption), qPrintable(m.translation));
        }
    }
    QCOMPARE(naming, 2);
}

void TestLanguages::clockLinesShownInLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("shown");
    QTest::newRow("en unchanged") << "en"
                                  << "In synchronize Loft Number: 0412345 Please Wait! "
                                  << "In synchronize Loft Number: 0412345 Please Wait! ";
    QTest::newRow("nl progress with loft") << "nl"
                                           << "In synchronize Loft Number: 0412345 Please Wait! "
                                           << "Hok 0412345 wordt gesynchroniseerd, even geduld! ";
    // The clock's command and its own error text stay as they are, even when it holds "%1".
    QTest::newRow("de clock error") << "de"
                                    << "SaveRace Error : %1 refused"
                                    << "Fehler bei SaveRace : %1 refused";
    QTest::newRow("fr values in order")
        << "fr"
        << "Ring BE-123 of loft 0412345 already belongs to loft 0499999 : not added !"
        << "La bague BE-123 du colombier 0412345 appartient déjà au colombier 0499999 : non "
           "ajoutée !";
    QTest::newRow("nl memo of two lines, one unknown")
        << "nl"
        << "Please connect to club antenna and clock.\nsomething the clock said"
        << "Sluit de clubantenne en de klok aan.\nsomething the clock said";
    QTest::newRow("de database error wins over the general error")
        << "de"
        << "Database Error : not stored, the clock is read again : database is locked"
        << "Datenbankfehler : nicht gespeichert, die Uhr wird erneut gelesen : database is locked";
}

// The clock screen's memo, progress and messages: the workflows write English (the race-day
// log and the screen's code keep it), the secretary reads her language with the values intact.
void TestLanguages::clockLinesShownInLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, english);
    QFETCH(QString, shown);
    InstallLanguage(language);
    QCOMPARE(ShownClockText(english), shown);
}

// A server's refusals reach the secretary in her language, with the server and user named.
void TestLanguages::serverRefusalsInLanguage() {
    ServerAddress server;
    server.user = QStringLiteral("secretary");
    server.host = QStringLiteral("clubpc");
    server.database = QStringLiteral("club");
    const QSqlError wrongPassword(
        QStringLiteral("FATAL:  password authentication failed for user \"secretary\""), {},
        QSqlError::ConnectionError);
    const QSqlError lostRow(QStringLiteral("ERROR:  could not obtain lock on row"), {},
                            QSqlError::StatementError, QStringLiteral("55P03"));
    InstallLanguage(QStringLiteral("de"));
    QCOMPARE(ServerOpenFailureText(server, wrongPassword),
             QStringLiteral("Der Datenbankserver clubpc:5432 hat den Benutzer secretary "
                            "abgewiesen: das Passwort ist falsch oder fehlt (geben Sie es in "
                            "PGPASSWORD oder ~/.pgpass an)."));
    InstallLanguage(QStringLiteral("nl"));
    QVERIFY2(
        RefusalText(SqlEngine::Postgres, lostRow).startsWith(QStringLiteral("Een andere werkplek")),
        qPrintable(RefusalText(SqlEngine::Postgres, lostRow)));
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
