// The JSON model the clock link speaks: exact text out, the accepted grammar in, name lookup.
#include <QRandomGenerator>
#include <QtTest>
#include <functional>

#include "device/json_value.h"

namespace {
// The compact text of what FromText made of the input, or "absent".
QByteArray reparsed(const QByteArray& input) {
    const std::unique_ptr<TJsonBase> value = TJson::FromText(input);
    return value ? TJson::ToText(value.get()) : QByteArrayLiteral("absent");
}

std::unique_ptr<TJsonBase> text(const QString& s) {
    return std::make_unique<TJsonString>(s);
}
std::unique_ptr<TJsonBase> number(double n) {
    return std::make_unique<TJsonNumber>(n);
}
}  // namespace

class TestJson : public QObject {
    Q_OBJECT
  private slots:
    void textOfValues();
    void parse_data();
    void parse();
    void nestingLimit();
    void duplicateNamesFindTheFirst();
    void containerOperations();
    void typedGetters();
    void scalarTexts();
    void nameIndexStaysBalanced();
};

void TestJson::textOfValues() {
    struct Case {
        std::function<std::unique_ptr<TJsonBase>()> make;
        QByteArray expected;
    };
    const QList<Case> cases = {
        {[] {
             auto params = std::make_unique<TJsonObject>();
             params->AddTextMember("filter", "");
             auto o = std::make_unique<TJsonObject>();
             o->AddTextMember("method", "queryPigeon");
             o->AddMember("params", std::move(params));
             return o;
         },
         R"({"method":"queryPigeon","params":{"filter":""}})"},
        {[] { return text("a/b\"c"); }, R"("a\/b\"c")"},
        {[] { return text("back\\slash"); }, R"("back\\slash")"},
        {[] { return text(QString(QChar(0xE9))); }, "\"\xC3\xA9\""},
        {[] { return text(QString::fromUtf8("\xF0\x9F\x98\x80")); }, "\"\xF0\x9F\x98\x80\""},
        {[] { return text(QString(QChar(1))); }, R"("\u0001")"},
        {[] { return text("\b\t\n\f\r" + QString(QChar(0x1F)) + QChar(0)); },
         R"("\b\t\n\f\r\u001F\u0000")"},
        {[] { return number(120000); }, "120000"},
        {[] { return number(-5); }, "-5"},
        {[] { return number(-2147483648.0); }, "-2147483648"},
        {[] { return number(1.5); }, "1.5"},
        {[] { return number(-0.0); }, "0"},
        {[] { return std::make_unique<TJsonBoolean>(true); }, "true"},
        {[] { return std::make_unique<TJsonBoolean>(); }, "false"},
        {[] { return std::make_unique<TJsonNull>(); }, "null"},
        {[] {
             auto l = std::make_unique<TJsonList>();
             l->Append(number(1));
             l->AppendText("a");
             l->Append(std::make_unique<TJsonList>());
             l->Append(std::make_unique<TJsonObject>());
             return l;
         },
         R"([1,"a",[],{}])"},
        {[] { return std::make_unique<TJsonMember>("k", nullptr); }, R"("k":)"},
        {[] { return std::make_unique<TJsonBase>(); }, ""},
    };
    for (const Case& c : cases) {
        const auto value = c.make();
        QCOMPARE(TJson::ToText(value.get()), c.expected);
    }
    QCOMPARE(TJson::ToText(nullptr), QByteArray());
}

void TestJson::parse_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");  // the compact text of the result, or "absent"
    const QByteArray bom = "\xEF\xBB\xBF";
    QTest::newRow("empty") << QByteArray() << QByteArray("absent");
    QTest::newRow("blanks only") << QByteArray(" \t\r\n") << QByteArray("absent");
    QTest::newRow("mark then object") << bom + R"({"error":0})" << QByteArray(R"({"error":0})");
    QTest::newRow("mark alone") << bom << QByteArray("absent");
    QTest::newRow("no comma") << QByteArray(R"({"a":1 "b":2})") << QByteArray(R"({"a":1,"b":2})");
    QTest::newRow("trailing comma") << QByteArray("{ \"a\" : 1 , }") << QByteArray(R"({"a":1})");
    QTest::newRow("name without colon") << QByteArray(R"({"a" 1})") << QByteArray("absent");
    QTest::newRow("name alone") << QByteArray(R"({"a":1,"b"})") << QByteArray("absent");
    QTest::newRow("bytes after value") << QByteArray(R"({"a":1}xyz)") << QByteArray(R"({"a":1})");
    QTest::newRow("list no commas") << QByteArray("[1 2]") << QByteArray("[1,2]");
    QTest::newRow("list trailing comma") << QByteArray("[1,]") << QByteArray("[1]");
    QTest::newRow("list empty") << QByteArray("[ ]") << QByteArray("[]");
    QTest::newRow("list lone comma") << QByteArray("[,]") << QByteArray("absent");
    QTest::newRow("list unclosed") << QByteArray("[1,2") << QByteArray("absent");
    QTest::newRow("unknown escape dropped") << QByteArray(R"("x\qy")") << QByteArray(R"("xy")");
    QTest::newRow("escapes") << QByteArray(R"("\"\'\/\\\b\f\n\r\t")")
                             << QByteArray(R"("\"'\/\\\b\f\n\r\t")");
    QTest::newRow("u escape") << QByteArray(R"("\u00e9\u0041")")
                              << QByteArray(
                                     "\"\xC3\xA9"
                                     "A\"");
    QTest::newRow("u escape bad") << QByteArray(R"(["a","\u00zz"])") << QByteArray("absent");
    QTest::newRow("u escape short") << QByteArray(R"("\u00")") << QByteArray("absent");
    QTest::newRow("escaped pair") << QByteArray(R"("\uD83D\uDE00")")
                                  << QByteArray("\"\xF0\x9F\x98\x80\"");
    QTest::newRow("raw four bytes")
        << QByteArray("\"\xF0\x9F\x98\x80\"") << QByteArray("\"\xF0\x9F\x98\x80\"");
    QTest::newRow("malformed utf8") << QByteArray("[\"a\xFF\",\"b\"]") << QByteArray(R"(["","b"])");
    QTest::newRow("overlong utf8") << QByteArray("\"\xC0\x80\"") << QByteArray(R"("")");
    QTest::newRow("cut utf8") << QByteArray("\"\xC3\"") << QByteArray(R"("")");
    QTest::newRow("unterminated") << QByteArray(R"("abc)") << QByteArray("absent");
    QTest::newRow("escaped closing") << QByteArray(R"("abc\")") << QByteArray("absent");
    QTest::newRow("True") << QByteArray("True") << QByteArray("absent");
    QTest::newRow("NULL") << QByteArray("NULL") << QByteArray("absent");
    QTest::newRow("literal prefix") << QByteArray("truex") << QByteArray("true");
    QTest::newRow("in list after literal") << QByteArray("[truex]") << QByteArray("absent");
    QTest::newRow(".5") << QByteArray(".5") << QByteArray("absent");
    QTest::newRow("1.") << QByteArray("1.") << QByteArray("absent");
    QTest::newRow("1e") << QByteArray("1e+") << QByteArray("absent");
    QTest::newRow("sign alone") << QByteArray("-") << QByteArray("absent");
    QTest::newRow("plus") << QByteArray("+12") << QByteArray("12");
    QTest::newRow("exponent") << QByteArray("-0.5e2") << QByteArray("-50");
    QTest::newRow("fraction") << QByteArray("2.25E0") << QByteArray("2.25");
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << QByteArray("1.7976931348623157E308");
    QTest::newRow("overflow") << QByteArray("[1e999]") << QByteArray("absent");
    QTest::newRow("overflow, exponent below")
        << "[1" + QByteArray(400, '0') + "e-50]" << QByteArray("absent");
    QTest::newRow("underflow") << QByteArray("[1e-999,-2.5e-400,0.0001e-320,0e999]")
                               << QByteArray("[0,0,0,0]");
    QTest::newRow("control blanks") << QByteArray(
                                           "\x01[\x1F"
                                           "1\x02]")
                                    << QByteArray("[1]");
    QTest::newRow("nested") << QByteArray(R"({"r":{"a":[true,null,"x"]},"e":-1})")
                            << QByteArray(R"({"r":{"a":[true,null,"x"]},"e":-1})");
}

void TestJson::parse() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(reparsed(input), expected);
}

void TestJson::nestingLimit() {
    auto nested = [](int depth) { return QByteArray(depth, '[') + QByteArray(depth, ']'); };
    QCOMPARE(reparsed(nested(TJson::kMaxDepth)), nested(TJson::kMaxDepth));
    QCOMPARE(reparsed(nested(TJson::kMaxDepth + 1)), QByteArray("absent"));
    // Far deeper than any stack could take by recursion: refused, not crashed.
    QCOMPARE(reparsed(QByteArray(1000000, '[')), QByteArray("absent"));
    QCOMPARE(reparsed(QByteArray("{\"a\":").repeated(300000)), QByteArray("absent"));
}

void TestJson::duplicateNamesFindTheFirst() {
    for (const bool indexed : {true, false}) {
        TJsonObject o(indexed);
        o.AddIntMember("k", 1);
        o.AddIntMember("k", 2);
        o.AddIntMember("j", 3);
        QCOMPARE(o.ChildCount(), 3);
        QCOMPARE(o.MemberIndex("k"), 0);
        QCOMPARE(o.MemberValue("k")->AsVariant(), TJsonScalar(1));
        QCOMPARE(o.MemberIndex("K"), -1);
        QVERIFY(!o.MemberValue("x"));
    }
    const auto parsed = TJson::FromText(R"({"k":1,"k":2})");
    const auto* object = dynamic_cast<const TJsonObject*>(parsed.get());
    QVERIFY(object);
    QCOMPARE(object->ChildCount(), 2);
    QCOMPARE(object->MemberValue("k")->AsVariant(), TJsonScalar(1));
    QCOMPARE(TJson::ToText(object), QByteArray(R"({"k":1,"k":2})"));
}

void TestJson::containerOperations() {
    const QList<std::pair<std::function<std::unique_ptr<TJsonBase>()>, QString>> kinds = {
        {[] { return std::make_unique<TJsonBase>(); }, "0 jsBase"},
        {[] { return number(1); }, "1 jsNumber"},
        {[] { return text("a"); }, "2 jsString"},
        {[] { return std::make_unique<TJsonBoolean>(); }, "3 jsBoolean"},
        {[] { return std::make_unique<TJsonNull>(); }, "4 jsNull"},
        {[] { return std::make_unique<TJsonList>(); }, "5 jsList"},
        {[] { return std::make_unique<TJsonObject>(); }, "6 jsObject"},
        {[] { return std::make_unique<TJsonMember>("a", nullptr); }, "0 jsBase"},
    };
    for (const auto& [make, expected] : kinds) {
        const auto v = make();
        QCOMPARE(QString::number(v->KindCode()) + ' ' + v->KindName(), expected);
    }

    TJsonList list;
    QCOMPARE(list.Append(nullptr), -1);
    for (int i = 0; i < 4; ++i) {
        list.Append(number(i));
    }
    TJsonBase* three = list.ChildAt(3);
    list.RemoveAt(1);  // the last moves into its place
    QCOMPARE(TJson::ToText(&list), QByteArray("[0,3,2]"));
    QCOMPARE(list.PositionOf(three), 1);
    list.RemoveAt(7);
    list.PutChildAt(-1, number(9));
    list.PutChildAt(2, text("x"));
    QCOMPARE(TJson::ToText(&list), QByteArray(R"([0,3,"x"])"));
    QVERIFY(!list.ChildAt(3));
    QCOMPARE(list.Lookup(1.0), list.ChildAt(1));
    QVERIFY(!list.Lookup(QString("1")));
    QString name;
    QCOMPARE(list.EntryAt(2, name), list.ChildAt(2));
    QCOMPARE(name, QString("2"));

    // An object whose members move keeps finding them by name.
    TJsonObject o;
    QCOMPARE(o.AddMember("none", nullptr), -1);
    o.AddIntMember("a", 1);
    o.AddIntMember("b", 2);
    o.AddIntMember("c", 3);
    o.RemoveAt(0);
    QCOMPARE(TJson::ToText(&o), QByteArray(R"({"c":3,"b":2})"));
    QCOMPARE(o.MemberIndex("c"), 0);
    QCOMPARE(o.MemberIndex("a"), -1);
    o.PutChildAt(1, std::make_unique<TJsonMember>("d", number(4)));
    QCOMPARE(o.MemberIndex("d"), 1);
    QCOMPARE(o.MemberIndex("b"), -1);
    QCOMPARE(o.Lookup(QString("d"))->AsVariant(), TJsonScalar(4));
    QCOMPARE(o.Lookup(1.0), o.ChildAt(1));  // a number gives the member pair itself
    QCOMPARE(o.EntryAt(1, name)->AsVariant(), TJsonScalar(4));
    QCOMPARE(name, QString("d"));
    QCOMPARE(o.MemberNameAt(5), QString());
}

void TestJson::typedGetters() {
    const auto parsed = TJson::FromText(R"({"n":-2.7,"s":"x","b":true,"z":null})");
    const auto& o = dynamic_cast<const TJsonObject&>(*parsed);
    QCOMPARE(o.IntAt(0), -2);  // truncated toward zero
    QCOMPARE(o.RealAt(0), -2.7);
    QCOMPARE(o.TextAt(1), QString("x"));
    QCOMPARE(o.WideTextAt(1), QString("x"));
    QCOMPARE(o.FlagAt(2), true);
    // Outside the range the element is absent: the empty value.
    QCOMPARE(o.IntAt(9), 0);
    QCOMPARE(o.TextAt(9), QString());
    QCOMPARE(o.FlagAt(-1), false);
    QVERIFY_THROWS_EXCEPTION(EJsonInvalidCast, o.IntAt(1));
    QVERIFY_THROWS_EXCEPTION(EJsonInvalidCast, o.TextAt(0));
    QVERIFY_THROWS_EXCEPTION(EJsonInvalidCast, o.FlagAt(3));
    QVERIFY_THROWS_EXCEPTION(EJsonInvalidCast, o.RealAt(2));
}

void TestJson::scalarTexts() {
    QCOMPARE(TJsonScalar().toText(), QString());
    QCOMPARE(TJsonScalar(0.1).toText(), QString("0.1"));
    QCOMPARE(TJsonScalar(1.0 / 3).toText(), QString("0.333333333333333"));
    QCOMPARE(TJsonScalar(1e20).toText(), QString("1E20"));
    QCOMPARE(TJsonScalar(-1.25e-7).toText(), QString("-1.25E-7"));
    QCOMPARE(TJsonScalar(true).toText(), QString("True"));
    QCOMPARE(TJsonScalar(false).toText(), QString("False"));
    QCOMPARE(TJsonScalar(QString("é")).toText(), QString("é"));
    bool ok = false;
    QCOMPARE(TJsonScalar(2.6).toInt(&ok), 3);
    QVERIFY(ok);
    QCOMPARE(TJsonScalar(QString("12")).toInt(&ok), 12);
    QVERIFY(ok);
    TJsonScalar(QString("1x")).toInt(&ok);
    QVERIFY(!ok);
    TJsonScalar(1e10).toInt(&ok);
    QVERIFY(!ok);
    TJsonNumber n;
    n.AssignVariant(QString("42"));
    QCOMPARE(n.value(), 42.0);
}

void TestJson::nameIndexStaysBalanced() {
    TJsonNameIndex index;
    QCOMPARE(index.Find("a"), -1);
    QRandomGenerator random(7);
    QStringList names;
    for (int i = 0; i < 2000; ++i) {
        names << QString::number(random.bounded(100000), 36);
    }
    QHash<QString, int> first;
    for (int i = 0; i < names.size(); ++i) {
        const bool isNew = !first.contains(names[i]);
        QCOMPARE(index.Insert(names[i], i), isNew);
        if (isNew) {
            first.insert(names[i], i);
        }
    }
    // Sorted input is the worst case for an unbalanced tree.
    for (int i = 0; i < 2000; ++i) {
        const QString name = QStringLiteral("s%1").arg(i, 5, 10, QLatin1Char('0'));
        QVERIFY(index.Insert(name, 10000 + i));
        first.insert(name, 10000 + i);
    }
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        QCOMPARE(index.Find(it.key()), it.value());
    }
    QVERIFY(index.Find("A") == -1 || first.contains("A"));
    // An AA tree of n nodes has at most log2(n + 1) levels.
    QVERIFY(index.RootLevel() <= std::log2(first.size() + 1));
    QVERIFY(index.RootLevel() >= 5);
    index.Clear();
    QCOMPARE(index.Find(names[0]), -1);
    QCOMPARE(index.RootLevel(), 0);
}

QTEST_GUILESS_MAIN(TestJson)
#include "test_json.moc"
