// Every statement of the program runs on the club file and on the server alike. This test reads
// the texts the program writes in its sources and refuses the forms only one engine takes, so that
// a statement written for the file alone is caught before a club on a server meets it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Text {
    QString file;  // relative to the source folder
    int line = 0;
    QString text;  // adjacent literals joined, as the compiler joins them
};

// The string literals of one source file, with adjacent ones ("a" "b") joined. Comments and
// character literals are skipped; raw strings are read whole.
QList<Text> Literals(const QString& file, const QString& source) {
    QList<Text> texts;
    int line = 1;
    bool joinNext = false;
    const int n = source.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = source.at(i);
        if (c == '\n') {
            ++line;
            continue;
        }
        if (c.isSpace()) {
            continue;
        }
        if (c == '/' && i + 1 < n && source.at(i + 1) == '/') {
            while (i < n && source.at(i) != '\n') {
                ++i;
            }
            --i;
            continue;
        }
        if (c == '/' && i + 1 < n && source.at(i + 1) == '*') {
            i += 2;
            while (i + 1 < n && !(source.at(i) == '*' && source.at(i + 1) == '/')) {
                line += source.at(i) == '\n';
                ++i;
            }
            ++i;
            continue;
        }
        if (c == '\'') {
            ++i;
            while (i < n && source.at(i) != '\'') {
                i += source.at(i) == '\\' ? 2 : 1;
            }
            joinNext = false;
            continue;
        }
        QString text;
        const int startLine = line;
        if (c == 'R' && i + 1 < n && source.at(i + 1) == '"' &&
            (i == 0 || !(source.at(i - 1).isLetterOrNumber() || source.at(i - 1) == '_'))) {
            const int open = source.indexOf('(', i + 2);
            const QString close = ')' + source.mid(i + 2, open - i - 2) + '"';
            const int end = source.indexOf(close, open);
            text = source.mid(open + 1, end - open - 1);
            line += text.count('\n');
            i = end + close.size() - 1;
        } else if (c == '"') {
            ++i;
            while (i < n && source.at(i) != '"') {
                if (source.at(i) == '\\' && i + 1 < n) {
                    text += source.at(i + 1) == 'n' ? QChar('\n') : source.at(i + 1);
                    i += 2;
                    continue;
                }
                text += source.at(i++);
            }
        } else {
            joinNext = false;
            continue;
        }
        if (joinNext && !texts.isEmpty()) {
            texts.last().text += text;
        } else {
            texts.append({file, startLine, text});
        }
        joinNext = true;
    }
    return texts;
}

struct Form {
    const char* name;
    QRegularExpression pattern;
};

// Forms that only one of the two engines runs.
const QList<Form>& EngineSpecificForms() {
    static const QList<Form> forms = [] {
        const auto ci = QRegularExpression::CaseInsensitiveOption;
        const auto form = [&](const char* name, const char* pattern) {
            return Form{name,
                        QRegularExpression(QString::fromLatin1(pattern),
                                           ci | QRegularExpression::DotMatchesEverythingOption)};
        };
        return QList<Form>{
            form("date(", R"((?<![\w.])date\s*\()"),
            form("datetime(", R"((?<![\w.])datetime\s*\()"),
            form("strftime(", R"((?<![\w.])strftime\s*\()"),
            form("ifnull(", R"((?<![\w.])ifnull\s*\()"),
            form("group_concat(", R"((?<![\w.])group_concat\s*\()"),
            form("char(", R"((?<![\w.])char\s*\()"),
            form("now()", R"((?<![\w.])now\s*\(\s*\))"),
            form("insert or replace", R"(\binsert\s+or\s+replace\b)"),
            form("insert or ignore", R"(\binsert\s+or\s+ignore\b)"),
            form("limit -1", R"(\blimit\s+-\s*1\b)"),
            // A "create table" run by the data module is made the server's by it.
            form("autoincrement", R"(^(?!\s*create\s+table\b).*\bautoincrement\b)"),
            form("ilike", R"(\bilike\b)"),
            form("::", R"(\w\s*::\s*(int|bigint|text|real|double|numeric|date|timestamp)\b)"),
            form("`quoted`", R"(`\w+`)"),
            form("[quoted]", R"((from|join|into|update|table|select|,)\s*\[\w+\])"),
        };
    }();
    return forms;
}

// A text is taken as a statement (or a piece of one) when it has the words of one.
bool LooksLikeSql(const QString& text) {
    static const QRegularExpression words(
        QStringLiteral("\\b(select\\b.*\\bfrom|insert\\s+(or\\s+\\w+\\s+)?into|update\\s+\\w+\\s+"
                       "set|delete\\s+from|create\\s+(unique\\s+)?(table|index)|where|order\\s+by|"
                       "group\\s+by|coalesce|substr)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return words.match(text).hasMatch();
}

struct Allowed {
    const char* file;  // source file, relative to src/
    const char* form;
    const char* reason;
};

// The places that may use a form of one engine, each with the reason.
const QList<Allowed> kAllowed{
    {"data/server_access.cpp",
     "::", "the server's own catalogue, read only when the club database is on the server"},
};

QString SourceDir() {
    return QStringLiteral(KESTRAVA_SOURCE_DIR);
}

}  // namespace

class TestStatementForms : public QObject {
    Q_OBJECT
  private slots:
    void formsAreFound_data();
    void formsAreFound();
    void statementsRunOnBothEngines();
};

void TestStatementForms::formsAreFound_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("form");
    QTest::newRow("date() across joined literals")
        << "db.select(QStringLiteral(\"select count(*) from ZOL_RaceData \"\n  \"where "
           "date(LiberDate)=?\"));"
        << "date(";
    QTest::newRow("insert or replace") << "q(\"insert or REPLACE into KST_Setting values(?,?)\");"
                                       << "insert or replace";
    QTest::newRow("raw string") << "q(R\"(select group_concat(LoftNo) from ZOL_PigData)\");"
                                << "group_concat(";
    QTest::newRow("cast") << "q(\"select Miles::text from ZOL_LoftLibPointDist\");"
                          << "::";
    QTest::newRow("autoincrement outside a create table")
        << "q(\"insert into t select 1 where x = 'autoincrement'\");"
        << "autoincrement";
    QTest::newRow("a create table is made the server's")
        << "q(\"create table if not exists KST_X (Id integer primary key autoincrement)\");"
        << "";
    QTest::newRow("substr is fine") << "q(\"select substr(LiberDate,1,10) from ZOL_RaceData\");"
                                    << "";
    QTest::newRow("a message is no statement") << "tr(\"Pick a date(s) first\");"
                                               << "";
    QTest::newRow("a comment is no statement")
        << "// select date(LiberDate) from ZOL_RaceData\nq(\"select 1 from t where a=?\");"
        << "";
}

void TestStatementForms::formsAreFound() {
    QFETCH(QString, source);
    QFETCH(QString, form);
    QStringList found;
    for (const Text& t : Literals(QStringLiteral("x.cpp"), source)) {
        for (const Form& f : EngineSpecificForms()) {
            if (LooksLikeSql(t.text) && f.pattern.match(t.text).hasMatch()) {
                found << QString::fromLatin1(f.name);
            }
        }
    }
    QCOMPARE(found, form.isEmpty() ? QStringList() : QStringList{form});
}

void TestStatementForms::statementsRunOnBothEngines() {
    QStringList faults;
    int files = 0;
    QDirIterator it(SourceDir(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString file = QDir(SourceDir()).relativeFilePath(path);
        QFile f(path);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
        ++files;
        for (const Text& t : Literals(file, QString::fromUtf8(f.readAll()))) {
            if (!LooksLikeSql(t.text)) {
                continue;
            }
            for (const Form& form : EngineSpecificForms()) {
                if (!form.pattern.match(t.text).hasMatch()) {
                    continue;
                }
                const bool allowed =
                    std::any_of(kAllowed.begin(), kAllowed.end(), [&](const Allowed& a) {
                        return file == QLatin1String(a.file) && qstrcmp(form.name, a.form) == 0;
                    });
                if (!allowed) {
                    faults << QStringLiteral("%1:%2: %3 in \"%4\"")
                                  .arg(file)
                                  .arg(t.line)
                                  .arg(QString::fromLatin1(form.name), t.text.simplified());
                }
            }
        }
    }
    QVERIFY2(files > 0, qPrintable(SourceDir()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(TestStatementForms)
#include "test_statement_forms.moc"
