#pragma once

// The small JSON document model the clock protocol speaks: a tree of values that the device
// operations build and turn into compact text, and a parser that turns a clock's reply back into
// a tree in which object members are found by name.
//
// Values are heap objects; "absent" is a null pointer. A container owns its children, a member
// pair owns its value, and ownership is handed over with std::unique_ptr.

#include <QByteArray>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

// The tagged scalar a value reads and writes: null, real, text or flag.
class TJsonScalar {
  public:
    TJsonScalar() = default;
    TJsonScalar(double real) : value_(real) {}
    TJsonScalar(int real) : value_(double(real)) {}
    TJsonScalar(const QString& text) : value_(text) {}
    TJsonScalar(const char* text) : value_(QString::fromUtf8(text)) {}
    TJsonScalar(bool flag) : value_(flag) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool isReal() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<QString>(value_); }
    bool isFlag() const { return std::holds_alternative<bool>(value_); }

    // null -> "", real -> general decimal form (15 significant digits, "." as decimal point),
    // text -> itself, flag -> "True" / "False".
    QString toText() const;
    // real -> nearest integer, text holding a whole number -> that number, flag -> -1 / 0.
    // `ok` is false for null, for other texts and for a real outside the 32-bit range.
    int toInt(bool* ok = nullptr) const;
    // real -> itself, text -> its decimal value (0 when it is none), flag -> -1 / 0, null -> 0.
    double toReal() const;
    // flag -> itself, real -> non-zero, text -> "true" (any case) or a non-zero number.
    bool toFlag() const;

    bool operator==(const TJsonScalar& other) const { return value_ == other.value_; }

  private:
    std::variant<std::monostate, double, QString, bool> value_;
};

// General decimal form of a real: up to 15 significant digits, "." as decimal point, no
// thousands separators, integral values as plain integers ("120000", "-5").
QString JsonNumberText(double value);

// Thrown by the typed element getters for an element of another kind.
class EJsonInvalidCast : public std::runtime_error {
  public:
    EJsonInvalidCast() : std::runtime_error("Invalid class typecast") {}
};

class TJsonBase {
  public:
    TJsonBase() = default;
    TJsonBase(const TJsonBase&) = delete;
    TJsonBase& operator=(const TJsonBase&) = delete;
    virtual ~TJsonBase() = default;

    virtual TJsonScalar AsVariant() const { return {}; }
    virtual void AssignVariant(const TJsonScalar&) {}
    virtual TJsonBase* ChildAt(int) const { return nullptr; }
    virtual void PutChildAt(int, std::unique_ptr<TJsonBase>) {}
    virtual int ChildCount() const { return 0; }
    // Containers: a numeric key selects ChildAt. Objects: a text key gives the value of the
    // first member of that name (a numeric key gives the member pair itself).
    virtual TJsonBase* Lookup(const TJsonScalar&) const { return nullptr; }
    virtual int KindCode() const { return 0; }
    virtual QString KindName() const;
};

class TJsonNumber : public TJsonBase {
  public:
    TJsonNumber() = default;
    explicit TJsonNumber(double value) : value_(value) {}
    TJsonScalar AsVariant() const override { return value_; }
    void AssignVariant(const TJsonScalar& v) override { value_ = v.toReal(); }
    int KindCode() const override { return 1; }
    QString KindName() const override;
    double value() const { return value_; }

  private:
    double value_ = 0;
};

class TJsonString : public TJsonBase {
  public:
    TJsonString() = default;
    explicit TJsonString(const QString& text) : text_(text) {}
    TJsonScalar AsVariant() const override { return text_; }
    void AssignVariant(const TJsonScalar& v) override { text_ = v.toText(); }
    int KindCode() const override { return 2; }
    QString KindName() const override;
    const QString& text() const { return text_; }

  private:
    QString text_;
};

class TJsonBoolean : public TJsonBase {
  public:
    TJsonBoolean() = default;
    explicit TJsonBoolean(bool flag) : flag_(flag) {}
    TJsonScalar AsVariant() const override { return flag_; }
    void AssignVariant(const TJsonScalar& v) override { flag_ = v.toFlag(); }
    int KindCode() const override { return 3; }
    QString KindName() const override;
    bool flag() const { return flag_; }

  private:
    bool flag_ = false;
};

class TJsonNull : public TJsonBase {
  public:
    int KindCode() const override { return 4; }
    QString KindName() const override;
};

// An ordered sequence of owned children; the common base of lists and objects.
class TJsonCustomList : public TJsonBase {
  public:
    ~TJsonCustomList() override;

    TJsonBase* ChildAt(int index) const override;
    void PutChildAt(int index, std::unique_ptr<TJsonBase> value) override;
    int ChildCount() const override { return int(children_.size()); }
    TJsonBase* Lookup(const TJsonScalar& key) const override;

    // List: name = the index in decimal, value = ChildAt. Object: name = the member's name,
    // value = the value of the first member carrying that name.
    virtual TJsonBase* EntryAt(int index, QString& name) const;
    // An absent value is not appended and gives -1; otherwise its new position.
    virtual int Append(std::unique_ptr<TJsonBase> value);
    // Destroys the child; the last child moves into its place.
    virtual void RemoveAt(int index);
    int PositionOf(const TJsonBase* value) const;

    // Typed element getters: absent gives the empty value, another kind throws EJsonInvalidCast.
    int IntAt(int index) const;
    QString TextAt(int index) const;
    QString WideTextAt(int index) const;
    double RealAt(int index) const;
    bool FlagAt(int index) const;

  protected:
    // The element the typed getters read (objects: the member value found by name).
    virtual TJsonBase* ElementAt(int index) const { return ChildAt(index); }
    std::vector<std::unique_ptr<TJsonBase>> children_;
};

class TJsonList : public TJsonCustomList {
  public:
    int KindCode() const override { return 5; }
    QString KindName() const override;
    int AppendText(const QString& text);
};

// One object member: a name and an owned value (or absent).
class TJsonMember : public TJsonBase {
  public:
    TJsonMember(const QString& name, std::unique_ptr<TJsonBase> value)
        : name_(name), value_(std::move(value)) {}
    const QString& name() const { return name_; }
    TJsonBase* value() const { return value_.get(); }

  private:
    QString name_;
    std::unique_ptr<TJsonBase> value_;
};

// The member-name index of an object: an AA tree keyed by name (ordinal UTF-16 comparison)
// holding each name's first position.
class TJsonNameIndex {
  public:
    TJsonNameIndex();
    ~TJsonNameIndex();
    TJsonNameIndex(const TJsonNameIndex&) = delete;
    TJsonNameIndex& operator=(const TJsonNameIndex&) = delete;

    // False, with the tree unchanged, when the name is present already.
    bool Insert(const QString& name, int key);
    int Find(const QString& name) const;
    void Clear();
    // Height of the tree in levels of the root (0 when empty); for checking the balance.
    int RootLevel() const;

  private:
    struct Node;
    bool insertAt(Node*& node, const QString& name, int key);
    void destroy(Node* node);
    Node* bottom_;
    Node* root_;
};

class TJsonObject : public TJsonCustomList {
  public:
    explicit TJsonObject(bool indexed = true) : indexed_(indexed) {}

    int KindCode() const override { return 6; }
    QString KindName() const override;
    TJsonBase* Lookup(const TJsonScalar& key) const override;
    TJsonBase* EntryAt(int index, QString& name) const override;
    int Append(std::unique_ptr<TJsonBase> value) override;
    void PutChildAt(int index, std::unique_ptr<TJsonBase> value) override;
    void RemoveAt(int index) override;

    // An absent value adds nothing and gives -1; otherwise the new member's position.
    int AddMember(const QString& name, std::unique_ptr<TJsonBase> value);
    int AddTextMember(const QString& name, const QString& text);
    int AddIntMember(const QString& name, qint32 value);
    // Position of the first member of that name, or -1.
    int MemberIndex(const QString& name) const;
    TJsonBase* MemberValue(const QString& name) const;
    QString MemberNameAt(int index) const;
    bool indexed() const { return indexed_; }

  protected:
    TJsonBase* ElementAt(int index) const override;

  private:
    const TJsonMember* memberAt(int index) const;
    void rebuildIndex();
    bool indexed_;
    TJsonNameIndex index_;
};

class TJson {
  public:
    TJson() = delete;
    // The compact JSON text (UTF-8 bytes) of a value; absent or kind-0 values write nothing.
    static QByteArray ToText(const TJsonBase* value);
    // Parses a text; absent (nullptr) when it is not JSON. Nesting deeper than kMaxDepth
    // containers is refused, so no reply can exhaust the stack.
    static std::unique_ptr<TJsonBase> FromText(const QByteArray& text);
    static constexpr int kMaxDepth = 256;
};
