// The interface languages: the club's choice holds at the next start, every caption of every
// screen is translated, and the translation files keep the placeholders their texts need.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSqlError>
#include <QTabWidget>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "app/language.h"
#include "app/main_window.h"
#include "app/screens.h"
#include "clockops/clock_texts.h"
#include "data/sql_dialect.h"
#include "setup/club_setup.h"
#include "setup/setup_screen.h"
#include "test_context.h"

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

// A text made of words: at least two letters in a row.
bool HasWords(const QString& text) {
    static const QRegularExpression words(QStringLiteral("\\p{L}{2}"));
    return words.match(text).hasMatch();
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

// Texts whose translation is deliberately the same ("Mode :" in French).
QSet<QString> SameInTranslation(const QString& language) {
    QSet<QString> same;
    for (const TsMessage& m : ReadTs(language)) {
        if (m.finished && m.translation == m.source) {
            same.insert(m.source);
        }
    }
    return same;
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
    QCOMPARE(translated.size(), english.size());
    const QSet<QString> same = SameInTranslation(language);
    QStringList untranslated;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QString& text = english[i].text;
        if (translated[i].text == text && HasWords(text) && !same.contains(text)) {
            untranslated << english[i].where + QStringLiteral(": \"") + text + QLatin1Char('"');
        }
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
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
