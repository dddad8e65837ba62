#include "device/json_value.h"

#include <cmath>
#include <limits>

// ---------------------------------------------------------------- scalar

QString JsonNumberText(double value) {
    if (value == 0) {
        return QStringLiteral("0");  // also for -0
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? QStringLiteral("NAN")
                                 : (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF"));
    }
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        return QString::number(qint64(value));
    }
    QString text = QString::number(value, 'g', 15);
    bool readable = false;
    if (!std::isfinite(text.toDouble(&readable)) || !readable) {
        // Near the largest double, 15 digits round up past it; 17 always read back.
        text = QString::number(value, 'g', 17);
    }
    // "1.5e+20" -> "1.5E20", "1e-07" -> "1E-7"
    const int e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        QString exponent = text.mid(e + 1);
        QString sign;
        if (exponent.startsWith(QLatin1Char('+')) || exponent.startsWith(QLatin1Char('-'))) {
            if (exponent.startsWith(QLatin1Char('-'))) {
                sign = QStringLiteral("-");
            }
            exponent.remove(0, 1);
        }
        while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) {
            exponent.remove(0, 1);
        }
        text = text.left(e) + QLatin1Char('E') + sign + exponent;
    }
    return text;
}

QString TJsonScalar::toText() const {
    if (const auto* r = std::get_if<double>(&value_)) {
        return JsonNumberText(*r);
    }
    if (const auto* t = std::get_if<QString>(&value_)) {
        return *t;
    }
    if (const auto* f = std::get_if<bool>(&value_)) {
        return *f ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

int TJsonScalar::toInt(bool* ok) const {
    bool good = false;
    int result = 0;
    if (const auto* r = std::get_if<double>(&value_)) {
        const double n = std::nearbyint(*r);
        if (std::isfinite(n) && n >= std::numeric_limits<int>::min() &&
            n <= std::numeric_limits<int>::max()) {
            result = int(n);
            good = true;
        }
    } else if (const auto* t = std::get_if<QString>(&value_)) {
        result = t->trimmed().toInt(&good);
    } else if (const auto* f = std::get_if<bool>(&value_)) {
        result = *f ? -1 : 0;
        good = true;
    }
    if (ok) {
        *ok = good;
    }
    return good ? result : 0;
}

double TJsonScalar::toReal() const {
    if (const auto* r = std::get_if<double>(&value_)) {
        return *r;
    }
    if (const auto* t = std::get_if<QString>(&value_)) {
        return t->trimmed().toDouble();
    }
    if (const auto* f = std::get_if<bool>(&value_)) {
        return *f ? -1 : 0;
    }
    return 0;
}

bool TJsonScalar::toFlag() const {
    if (const auto* f = std::get_if<bool>(&value_)) {
        return *f;
    }
    if (const auto* r = std::get_if<double>(&value_)) {
        return *r != 0;
    }
    if (const auto* t = std::get_if<QString>(&value_)) {
        return t->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
               t->trimmed().toDouble() != 0;
    }
    return false;
}

// ---------------------------------------------------------------- kinds

QString TJsonBase::KindName() const {
    return QStringLiteral("jsBase");
}
QString TJsonNumber::KindName() const {
    return QStringLiteral("jsNumber");
}
QString TJsonString::KindName() const {
    return QStringLiteral("jsString");
}
QString TJsonBoolean::KindName() const {
    return QStringLiteral("jsBoolean");
}
QString TJsonNull::KindName() const {
    return QStringLiteral("jsNull");
}
QString TJsonList::KindName() const {
    return QStringLiteral("jsList");
}
QString TJsonObject::KindName() const {
    return QStringLiteral("jsObject");
}

// ---------------------------------------------------------------- containers

TJsonCustomList::~TJsonCustomList() {
    // Children go from the last to the first.
    while (!children_.empty()) {
        children_.pop_back();
    }
}

TJsonBase* TJsonCustomList::ChildAt(int index) const {
    if (index < 0 || index >= ChildCount()) {
        return nullptr;
    }
    return children_[size_t(index)].get();
}

void TJsonCustomList::PutChildAt(int index, std::unique_ptr<TJsonBase> value) {
    if (index < 0 || index >= ChildCount()) {
        return;
    }
    children_[size_t(index)] = std::move(value);
}

TJsonBase* TJsonCustomList::Lookup(const TJsonScalar& key) const {
    if (!key.isReal()) {
        return nullptr;
    }
    bool ok = false;
    const int index = key.toInt(&ok);
    return ok ? ChildAt(index) : nullptr;
}

TJsonBase* TJsonCustomList::EntryAt(int index, QString& name) const {
    name = QString::number(index);
    return ChildAt(index);
}

int TJsonCustomList::Append(std::unique_ptr<TJsonBase> value) {
    if (!value) {
        return -1;
    }
    children_.push_back(std::move(value));
    return ChildCount() - 1;
}

void TJsonCustomList::RemoveAt(int index) {
    if (index < 0 || index >= ChildCount()) {
        return;
    }
    const size_t i = size_t(index);
    children_[i].reset();
    if (i + 1 != children_.size()) {
        children_[i] = std::move(children_.back());
    }
    children_.pop_back();
}

int TJsonCustomList::PositionOf(const TJsonBase* value) const {
    for (size_t i = 0; i < children_.size(); ++i) {
        if (children_[i].get() == value) {
            return int(i);
        }
    }
    return -1;
}

namespace {
template <typename T>
const T* typedElement(const TJsonBase* element) {
    if (!element) {
        return nullptr;
    }
    const auto* typed = dynamic_cast<const T*>(element);
    if (!typed) {
        throw EJsonInvalidCast();
    }
    return typed;
}
}  // namespace

int TJsonCustomList::IntAt(int index) const {
    const auto* n = typedElement<TJsonNumber>(ElementAt(index));
    if (!n) {
        return 0;
    }
    const double t = std::trunc(n->value());
    if (!(t >= std::numeric_limits<int>::min() && t <= std::numeric_limits<int>::max())) {
        throw EJsonInvalidCast();  // no 32-bit integer part
    }
    return int(t);
}

QString TJsonCustomList::TextAt(int index) const {
    return WideTextAt(index);
}

QString TJsonCustomList::WideTextAt(int index) const {
    const auto* s = typedElement<TJsonString>(ElementAt(index));
    return s ? s->text() : QString();
}

double TJsonCustomList::RealAt(int index) const {
    const auto* n = typedElement<TJsonNumber>(ElementAt(index));
    return n ? n->value() : 0;
}

bool TJsonCustomList::FlagAt(int index) const {
    const auto* b = typedElement<TJsonBoolean>(ElementAt(index));
    return b ? b->flag() : false;
}

int TJsonList::AppendText(const QString& text) {
    return Append(std::make_unique<TJsonString>(text));
}

// ---------------------------------------------------------------- object

const TJsonMember* TJsonObject::memberAt(int index) const {
    return dynamic_cast<const TJsonMember*>(ChildAt(index));
}

TJsonBase* TJsonObject::Lookup(const TJsonScalar& key) const {
    if (key.isText()) {
        return MemberValue(key.toText());
    }
    return TJsonCustomList::Lookup(key);
}

TJsonBase* TJsonObject::EntryAt(int index, QString& name) const {
    name = MemberNameAt(index);
    return memberAt(index) ? MemberValue(name) : nullptr;
}

TJsonBase* TJsonObject::ElementAt(int index) const {
    const TJsonMember* member = memberAt(index);
    return member ? MemberValue(member->name()) : nullptr;
}

int TJsonObject::Append(std::unique_ptr<TJsonBase> value) {
    const auto* member = dynamic_cast<const TJsonMember*>(value.get());
    const int position = TJsonCustomList::Append(std::move(value));
    if (position >= 0 && member && indexed_) {
        index_.Insert(member->name(), position);
    }
    return position;
}

// Replacing or removing a member moves positions about, so the index is built afresh: a stale
// index would find the wrong member or none.
void TJsonObject::PutChildAt(int index, std::unique_ptr<TJsonBase> value) {
    if (index < 0 || index >= ChildCount()) {
        return;
    }
    TJsonCustomList::PutChildAt(index, std::move(value));
    rebuildIndex();
}

void TJsonObject::RemoveAt(int index) {
    if (index < 0 || index >= ChildCount()) {
        return;
    }
    TJsonCustomList::RemoveAt(index);
    rebuildIndex();
}

void TJsonObject::rebuildIndex() {
    if (!indexed_) {
        return;
    }
    index_.Clear();
    for (int i = 0; i < ChildCount(); ++i) {
        if (const TJsonMember* member = memberAt(i)) {
            index_.Insert(member->name(), i);
        }
    }
}

int TJsonObject::AddMember(const QString& name, std::unique_ptr<TJsonBase> value) {
    if (!value) {
        return -1;
    }
    return Append(std::make_unique<TJsonMember>(name, std::move(value)));
}

int TJsonObject::AddTextMember(const QString& name, const QString& text) {
    return AddMember(name, std::make_unique<TJsonString>(text));
}

int TJsonObject::AddIntMember(const QString& name, qint32 value) {
    return AddMember(name, std::make_unique<TJsonNumber>(double(value)));
}

int TJsonObject::MemberIndex(const QString& name) const {
    if (indexed_) {
        return index_.Find(name);
    }
    for (int i = 0; i < ChildCount(); ++i) {
        const TJsonMember* member = memberAt(i);
        if (member && member->name() == name) {
            return i;
        }
    }
    return -1;
}

TJsonBase* TJsonObject::MemberValue(const QString& name) const {
    const TJsonMember* member = memberAt(MemberIndex(name));
    return member ? member->value() : nullptr;
}

QString TJsonObject::MemberNameAt(int index) const {
    const TJsonMember* member = memberAt(index);
    return member ? member->name() : QString();
}

// ---------------------------------------------------------------- name index (AA tree)

struct TJsonNameIndex::Node {
    Node* left;
    Node* right;
    quint8 level;
    qint32 key;
    QString name;
};

TJsonNameIndex::TJsonNameIndex() : bottom_(new Node{nullptr, nullptr, 0, -1, {}}) {
    bottom_->left = bottom_;
    bottom_->right = bottom_;
    root_ = bottom_;
}

TJsonNameIndex::~TJsonNameIndex() {
    Clear();
    delete bottom_;
}

void TJsonNameIndex::destroy(Node* node) {
    if (node == bottom_) {
        return;
    }
    destroy(node->left);
    destroy(node->right);
    delete node;
}

void TJsonNameIndex::Clear() {
    destroy(root_);
    root_ = bottom_;
}

int TJsonNameIndex::RootLevel() const {
    return root_->level;
}

namespace {
// Ordinal comparison of UTF-16 code units.
int compareNames(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseSensitive);
}
}  // namespace

bool TJsonNameIndex::insertAt(Node*& node, const QString& name, int key) {
    if (node == bottom_) {
        node = new Node{bottom_, bottom_, 1, key, name};
        return true;
    }
    const int c = compareNames(name, node->name);
    bool inserted = false;
    if (c < 0) {
        inserted = insertAt(node->left, name, key);
    } else if (c > 0) {
        inserted = insertAt(node->right, name, key);
    } else {
        return false;
    }
    // skew
    if (node->left->level == node->level) {
        Node* l = node->left;
        node->left = l->right;
        l->right = node;
        node = l;
    }
    // split
    if (node->right->right->level == node->level) {
        Node* r = node->right;
        node->right = r->left;
        r->left = node;
        node = r;
        ++node->level;
    }
    return inserted;
}

bool TJsonNameIndex::Insert(const QString& name, int key) {
    return insertAt(root_, name, key);
}

int TJsonNameIndex::Find(const QString& name) const {
    const Node* node = root_;
    while (node != bottom_) {
        const int c = compareNames(name, node->name);
        if (c == 0) {
            return node->key;
        }
        node = c < 0 ? node->left : node->right;
    }
    return -1;
}

// ---------------------------------------------------------------- text generation

namespace {
void writeString(QByteArray& out, const QString& text) {
    static const char hex[] = "0123456789ABCDEF";
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto b = quint8(c);
        switch (b) {
            case 0x08:
                out += "\\b";
                break;
            case 0x09:
                out += "\\t";
                break;
            case 0x0A:
                out += "\\n";
                break;
            case 0x0C:
                out += "\\f";
                break;
            case 0x0D:
                out += "\\r";
                break;
            case '"':
            case '/':
            case '\\':
                out += '\\';
                out += char(b);
                break;
            default:
                if (b < 0x20) {
                    out += "\\u00";
                    out += hex[b >> 4];
                    out += hex[b & 15];
                } else {
                    out += char(b);
                }
        }
    }
    out += '"';
}

void writeValue(QByteArray& out, const TJsonBase* value) {
    if (!value) {
        return;
    }
    if (const auto* n = dynamic_cast<const TJsonNumber*>(value)) {
        out += JsonNumberText(n->value()).toLatin1();
    } else if (const auto* s = dynamic_cast<const TJsonString*>(value)) {
        writeString(out, s->text());
    } else if (const auto* b = dynamic_cast<const TJsonBoolean*>(value)) {
        out += b->flag() ? "true" : "false";
    } else if (dynamic_cast<const TJsonNull*>(value)) {
        out += "null";
    } else if (const auto* l = dynamic_cast<const TJsonList*>(value)) {
        out += '[';
        for (int i = 0; i < l->ChildCount(); ++i) {
            if (i > 0) {
                out += ',';
            }
            writeValue(out, l->ChildAt(i));
        }
        out += ']';
    } else if (const auto* m = dynamic_cast<const TJsonMember*>(value)) {
        writeString(out, m->name());
        out += ':';
        writeValue(out, m->value());
    } else if (const auto* o = dynamic_cast<const TJsonObject*>(value)) {
        out += '{';
        for (int i = 0; i < o->ChildCount(); ++i) {
            if (i > 0) {
                out += ',';
            }
            writeValue(out, o->ChildAt(i));
        }
        out += '}';
    }
}
}  // namespace

QByteArray TJson::ToText(const TJsonBase* value) {
    QByteArray out;
    writeValue(out, value);
    // The text ends at its first zero byte (none can occur: a zero inside a string is escaped).
    const qsizetype zero = out.indexOf('\0');
    if (zero >= 0) {
        out.truncate(zero);
    }
    return out;
}

// ---------------------------------------------------------------- parsing

namespace {

struct ParseFailure {};  // a bad \u escape or number: the whole parse gives absent

class Parser {
  public:
    explicit Parser(const QByteArray& text) : s_(text) {}

    std::unique_ptr<TJsonBase> parseValue(int depth) {
        skipWhitespace();
        const qsizetype start = pos_;
        if (startsWith("true")) {
            pos_ += 4;
            return std::make_unique<TJsonBoolean>(true);
        }
        if (startsWith("false")) {
            pos_ += 5;
            return std::make_unique<TJsonBoolean>(false);
        }
        if (startsWith("null")) {
            pos_ += 4;
            return std::make_unique<TJsonNull>();
        }
        if (auto number = parseNumber()) {
            return number;
        }
        pos_ = start;
        QString text;
        if (parseString(text)) {
            return std::make_unique<TJsonString>(text);
        }
        pos_ = start;
        if (depth >= TJson::kMaxDepth) {
            return nullptr;
        }
        if (auto list = parseList(depth)) {
            return list;
        }
        pos_ = start;
        if (auto object = parseObject(depth)) {
            return object;
        }
        pos_ = start;
        return nullptr;
    }

    void skipBom() {
        if (s_.startsWith("\xEF\xBB\xBF")) {
            pos_ = 3;
        }
    }
    bool atEnd() const { return pos_ >= s_.size(); }

  private:
    quint8 at(qsizetype i) const { return i < s_.size() ? quint8(s_[i]) : 0; }
    bool startsWith(const char* word) const {
        return QByteArrayView(s_).sliced(pos_).startsWith(QByteArrayView(word));
    }
    void skipWhitespace() {
        while (pos_ < s_.size() && quint8(s_[pos_]) < 0x21) {
            ++pos_;
        }
    }
    static bool isDigit(quint8 c) { return c >= '0' && c <= '9'; }
    qsizetype skipDigits(qsizetype i) const {
        while (i < s_.size() && isDigit(at(i))) {
            ++i;
        }
        return i;
    }

    std::unique_ptr<TJsonBase> parseNumber() {
        qsizetype i = pos_;
        if (at(i) == '+' || at(i) == '-') {
            ++i;
        }
        qsizetype j = skipDigits(i);
        if (j == i) {
            return nullptr;
        }
        i = j;
        if (at(i) == '.') {
            j = skipDigits(i + 1);
            if (j == i + 1) {
                return nullptr;
            }
            i = j;
        }
        if (at(i) == 'E' || at(i) == 'e') {
            qsizetype k = i + 1;
            if (at(k) == '+' || at(k) == '-') {
                ++k;
            }
            j = skipDigits(k);
            if (j == k) {
                return nullptr;
            }
            i = j;
        }
        QByteArray digits = s_.mid(pos_, i - pos_);
        if (digits.startsWith('+')) {
            digits.remove(0, 1);
        }
        bool ok = false;
        double value = digits.toDouble(&ok);
        // The bytes are a number by the grammar, so a failed conversion is out of range. One too
        // small for a double is read as 0, its nearest value; one too large fails the parse.
        if (!ok) {
            if (!belowRange(digits)) {
                throw ParseFailure();
            }
            value = 0;
        }
        if (!std::isfinite(value)) {
            throw ParseFailure();
        }
        pos_ = i;
        return std::make_unique<TJsonNumber>(value);
    }

    // Whether a number text of the grammar lies below 1 in magnitude: the decimal position of
    // its leading non-zero digit plus its exponent is negative (0 itself counts as below).
    static bool belowRange(const QByteArray& number) {
        qsizetype e = number.indexOf('e');
        if (e < 0) {
            e = number.indexOf('E');
        }
        const QByteArray mantissa = e < 0 ? number : number.left(e);
        const qsizetype point = mantissa.indexOf('.');
        const qsizetype intEnd = point < 0 ? mantissa.size() : point;
        qsizetype lead = -1;
        for (qsizetype i = 0; i < mantissa.size() && lead < 0; ++i) {
            if (mantissa[i] >= '1' && mantissa[i] <= '9') {
                lead = i;
            }
        }
        if (lead < 0) {
            return true;
        }
        qint64 position = lead < intEnd ? intEnd - lead - 1 : intEnd - lead;
        qint64 exponent = 0;
        for (qsizetype i = e + 1; e >= 0 && i < number.size(); ++i) {
            if (isDigit(quint8(number[i]))) {
                exponent = qMin<qint64>(exponent * 10 + (number[i] - '0'), 1000000000);
            }
        }
        if (e >= 0 && number.indexOf('-', e) > e) {
            exponent = -exponent;
        }
        position += exponent;
        return position < 0;
    }

    static int hexValue(quint8 c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    }

    static void appendUtf8(QByteArray& out, unsigned cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }

    // Well-formed UTF-8 (no overlong forms) to UTF-16. Three-byte forms of surrogates are let
    // through, so that an escaped surrogate pair (\uD83D\uDE00) comes out as that pair; four-byte
    // forms are decoded as well, so that text written by ToText reads back unchanged.
    static bool decodeUtf8(const QByteArray& bytes, QString& text) {
        text.clear();
        text.reserve(bytes.size());
        qsizetype i = 0;
        const qsizetype n = bytes.size();
        auto cont = [&](qsizetype k) { return k < n && (quint8(bytes[k]) & 0xC0) == 0x80; };
        while (i < n) {
            const quint8 b = quint8(bytes[i]);
            if (b < 0x80) {
                text += QChar(b);
                ++i;
            } else if (b >= 0xC2 && b <= 0xDF) {
                if (!cont(i + 1)) {
                    return false;
                }
                text += QChar(char16_t(((b & 0x1F) << 6) | (quint8(bytes[i + 1]) & 0x3F)));
                i += 2;
            } else if (b >= 0xE0 && b <= 0xEF) {
                if (!cont(i + 1) || !cont(i + 2)) {
                    return false;
                }
                const unsigned cp = ((b & 0x0F) << 12) | ((quint8(bytes[i + 1]) & 0x3F) << 6) |
                                    (quint8(bytes[i + 2]) & 0x3F);
                if (cp < 0x800) {
                    return false;
                }
                text += QChar(char16_t(cp));
                i += 3;
            } else if (b >= 0xF0 && b <= 0xF4) {
                if (!cont(i + 1) || !cont(i + 2) || !cont(i + 3)) {
                    return false;
                }
                const char32_t cp = ((b & 0x07) << 18) | ((quint8(bytes[i + 1]) & 0x3F) << 12) |
                                    ((quint8(bytes[i + 2]) & 0x3F) << 6) |
                                    (quint8(bytes[i + 3]) & 0x3F);
                if (cp < 0x10000 || cp > 0x10FFFF) {
                    return false;
                }
                const char32_t both[1] = {cp};
                text += QString::fromUcs4(both, 1);
                i += 4;
            } else {
                return false;
            }
        }
        return true;
    }

    bool parseString(QString& text) {
        if (at(pos_) != '"') {
            return false;
        }
        const qsizetype bodyStart = pos_ + 1;
        qsizetype i = bodyStart;
        while (true) {
            if (i >= s_.size()) {
                return false;  // no closing quotation mark
            }
            const quint8 c = at(i);
            if (c == '\\') {
                i += 2;
            } else if (c == '"') {
                break;
            } else {
                ++i;
            }
        }
        const qsizetype bodyEnd = i;
        QByteArray bytes;
        bytes.reserve(bodyEnd - bodyStart);
        for (qsizetype k = bodyStart; k < bodyEnd; ++k) {
            const quint8 c = at(k);
            if (c != '\\') {
                bytes += char(c);
                continue;
            }
            const quint8 e = at(++k);  // the closing quotation mark ends the scan, so k < bodyEnd
            switch (e) {
                case '"':
                case '\'':
                case '/':
                case '\\':
                    bytes += char(e);
                    break;
                case 'b':
                    bytes += '\b';
                    break;
                case 'f':
                    bytes += '\f';
                    break;
                case 'n':
                    bytes += '\n';
                    break;
                case 'r':
                    bytes += '\r';
                    break;
                case 't':
                    bytes += '\t';
                    break;
                case 'u': {
                    unsigned cp = 0;
                    for (int d = 1; d <= 4; ++d) {
                        const int v = k + d < bodyEnd ? hexValue(at(k + d)) : -1;
                        if (v < 0) {
                            throw ParseFailure();
                        }
                        cp = cp * 16 + unsigned(v);
                    }
                    appendUtf8(bytes, cp);
                    k += 4;
                    break;
                }
                default:
                    break;  // both dropped
            }
        }
        pos_ = bodyEnd + 1;
        if (!decodeUtf8(bytes, text)) {
            text.clear();
        }
        return true;
    }

    std::unique_ptr<TJsonBase> parseList(int depth) {
        if (at(pos_) != '[') {
            return nullptr;
        }
        ++pos_;
        auto list = std::make_unique<TJsonList>();
        while (true) {
            const qsizetype before = pos_;
            auto element = parseValue(depth + 1);
            if (!element) {
                pos_ = before;
                break;
            }
            list->Append(std::move(element));
            skipWhitespace();
            if (at(pos_) == ',' && pos_ < s_.size()) {
                ++pos_;
            }
        }
        skipWhitespace();
        if (pos_ >= s_.size() || at(pos_) != ']') {
            return nullptr;
        }
        ++pos_;
        return list;
    }

    std::unique_ptr<TJsonBase> parseObject(int depth) {
        if (at(pos_) != '{') {
            return nullptr;
        }
        ++pos_;
        auto object = std::make_unique<TJsonObject>(true);
        while (true) {
            const qsizetype before = pos_;
            skipWhitespace();
            QString name;
            std::unique_ptr<TJsonBase> value;
            if (parseString(name)) {
                skipWhitespace();
                if (pos_ < s_.size() && at(pos_) == ':') {
                    ++pos_;
                    value = parseValue(depth + 1);
                }
            }
            if (!value) {
                pos_ = before;
                break;
            }
            object->AddMember(name, std::move(value));
            skipWhitespace();
            if (pos_ < s_.size() && at(pos_) == ',') {
                ++pos_;
            }
        }
        skipWhitespace();
        if (pos_ >= s_.size() || at(pos_) != '}') {
            return nullptr;
        }
        ++pos_;
        return object;
    }

    const QByteArray& s_;
    qsizetype pos_ = 0;
};

}  // namespace

std::unique_ptr<TJsonBase> TJson::FromText(const QByteArray& text) {
    if (text.isEmpty()) {
        return nullptr;
    }
    Parser parser(text);
    parser.skipBom();
    if (parser.atEnd()) {
        return nullptr;
    }
    try {
        return parser.parseValue(0);
    } catch (const ParseFailure&) {
        return nullptr;
    }
}
