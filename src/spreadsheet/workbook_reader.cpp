#include "spreadsheet/workbook_reader.h"

#include <unzip.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstring>
#include <optional>
#include <pugixml.hpp>

#include "data/errors.h"
#include "spreadsheet/cell_text.h"

namespace {
struct SheetText {
    Q_DECLARE_TR_FUNCTIONS(Spreadsheet)
};
}  // namespace

namespace {

constexpr int kMaxRow = 1048576;  // the last row and column a worksheet can have
constexpr int kMaxColumn = 16384;

// A reason why the file cannot be read as a workbook; turned into the user's message with
// the file name by the reader.
struct Unreadable {
    QString reason;
};

// ---- the zip archive, read from memory ----

struct MemoryStream {
    const QByteArray* bytes = nullptr;
    qint64 position = 0;
};

voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int) {
    return opaque;
}

uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
    auto* s = static_cast<MemoryStream*>(stream);
    const qint64 left = s->bytes->size() - s->position;
    const qint64 n = qBound<qint64>(0, qint64(size), left);
    if (n > 0)
        std::memcpy(buffer, s->bytes->constData() + s->position, size_t(n));
    s->position += n;
    return uLong(n);
}

uLong ZCALLBACK WriteMemory(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) {
    return ZPOS64_T(static_cast<MemoryStream*>(stream)->position);
}

long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto* s = static_cast<MemoryStream*>(stream);
    qint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = s->position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = s->bytes->size();
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    if (offset > ZPOS64_T(s->bytes->size()))
        return -1;
    const qint64 target = base + qint64(offset);
    if (target < 0 || target > s->bytes->size())
        return -1;
    s->position = target;
    return 0;
}

int ZCALLBACK CloseMemory(voidpf, voidpf) {
    return 0;
}
int ZCALLBACK ErrorMemory(voidpf, voidpf) {
    return 0;
}

class Archive {
  public:
    Archive(const QByteArray& bytes, const WorkbookLimits& limits) : limits_(limits) {
        stream_.bytes = &bytes;
        zlib_filefunc64_def functions{};
        functions.zopen64_file = OpenMemory;
        functions.zread_file = ReadMemory;
        functions.zwrite_file = WriteMemory;
        functions.ztell64_file = TellMemory;
        functions.zseek64_file = SeekMemory;
        functions.zclose_file = CloseMemory;
        functions.zerror_file = ErrorMemory;
        functions.opaque = &stream_;
        zip_ = unzOpen2_64("workbook", &functions);
        if (!zip_)
            throw Unreadable{SheetText::tr("it is not a zip archive")};
    }
    ~Archive() { unzClose(zip_); }
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    // The unpacked part at `path` (no leading "/"), or nothing when the archive lacks it.
    std::optional<QByteArray> part(const QString& path) {
        const QByteArray name = path.toUtf8();
        if (name.isEmpty() || name.size() >= 256 ||
            unzLocateFile(zip_, name.constData(), 2) != UNZ_OK)
            return std::nullopt;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            throw Unreadable{SheetText::tr("the part %1 is damaged").arg(path)};
        if (info.flag & 1)
            throw Unreadable{SheetText::tr("it is protected with a password")};
        if (unzOpenCurrentFile(zip_) != UNZ_OK)
            throw Unreadable{SheetText::tr("the part %1 is damaged").arg(path)};
        QByteArray data;
        char buffer[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(zip_, buffer, sizeof buffer)) > 0) {
            total_ += n;
            if (data.size() + n > limits_.maxPartBytes || total_ > limits_.maxTotalBytes) {
                unzCloseCurrentFile(zip_);
                throw Unreadable{
                    SheetText::tr("it unpacks to more than %1 MB")
                        .arg(qMin(limits_.maxPartBytes, limits_.maxTotalBytes) / (1024 * 1024))};
            }
            data.append(buffer, n);
        }
        // A wrong checksum shows here, after the last byte.
        const int closed = unzCloseCurrentFile(zip_);
        if (n < 0 || closed != UNZ_OK)
            throw Unreadable{SheetText::tr("the part %1 is damaged").arg(path)};
        return data;
    }

  private:
    WorkbookLimits limits_;
    MemoryStream stream_;
    unzFile zip_ = nullptr;
    qint64 total_ = 0;
};

// ---- XML, matched by local names so that any namespace prefix serves ----

bool Is(const pugi::xml_node& node, const char* local) {
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return std::strcmp(colon ? colon + 1 : name, local) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* local) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && Is(child, local))
            return child;
    return {};
}

// An attribute by local name; `prefixed` asks for one written with a prefix ("r:id").
pugi::xml_attribute Attribute(const pugi::xml_node& node, const char* local,
                              bool prefixed = false) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        const char* colon = std::strrchr(name, ':');
        if ((colon != nullptr) == prefixed && std::strcmp(colon ? colon + 1 : name, local) == 0)
            return a;
    }
    return {};
}

// Text content of an element: its character data, CDATA sections included.
QString Text(const pugi::xml_node& node) {
    QString text;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += QString::fromUtf8(child.value());
    return text;
}

// Spreadsheet programs write characters XML cannot hold as "_xHHHH_" (and a literal "_x" as
// "_x005F_x").
QString DecodeEscapes(const QString& text) {
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
            bool ok = false;
            const ushort code = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// Parses a part in place: `xml` must outlive the document.
pugi::xml_document Parse(QByteArray& xml, const QString& path, const WorkbookLimits& limits) {
    // Every element and attribute costs memory once parsed (about 64 and 40 bytes); estimate
    // the whole before parsing. A real worksheet needs about 300 bytes a cell.
    qint64 elements = 0;
    qint64 attributes = 0;
    const char* p = xml.constData();
    for (qsizetype i = 0, n = xml.size(); i < n; ++i) {
        if (p[i] == '<' && (i + 1 == n || p[i + 1] != '/'))
            ++elements;
        else if (p[i] == '=')
            ++attributes;
    }
    if (elements * 64 + attributes * 40 > limits.maxCells * 320 + 4'000'000)
        throw Unreadable{SheetText::tr("it holds more than %1 cells").arg(limits.maxCells)};
    pugi::xml_document doc;
    const pugi::xml_parse_result result = doc.load_buffer_inplace(
        xml.data(), size_t(xml.size()), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!result)
        throw Unreadable{SheetText::tr("the part %1 is not readable XML").arg(path)};
    return doc;
}

pugi::xml_node Root(const pugi::xml_document& doc) {
    return doc.document_element();
}

// ---- package relationships ----

QString Folder(const QString& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

// A relationship target taken from the part at `source`, as a path inside the archive.
QString Resolve(const QString& source, QString target) {
    target.replace('\\', '/');
    QStringList parts;
    const QString joined = target.startsWith('/') ? target : Folder(source) + target;
    for (const QString& piece : joined.split('/', Qt::SkipEmptyParts)) {
        if (piece == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (piece != QLatin1String("."))
            parts << piece;
    }
    return parts.join('/');
}

QString RelationshipsOf(const QString& part) {
    return Folder(part) + QStringLiteral("_rels/") + part.mid(Folder(part).size()) +
           QStringLiteral(".rels");
}

struct Relationship {
    QString id, type, target;
};

QList<Relationship> Relationships(Archive& zip, const QString& part, const WorkbookLimits& limits) {
    QList<Relationship> list;
    const QString path = RelationshipsOf(part);
    std::optional<QByteArray> xml = zip.part(path);
    if (!xml)
        return list;
    const pugi::xml_document doc = Parse(*xml, path, limits);
    for (pugi::xml_node r = Root(doc).first_child(); r; r = r.next_sibling())
        if (r.type() == pugi::node_element && Is(r, "Relationship"))
            list.append({QString::fromUtf8(Attribute(r, "Id").value()),
                         QString::fromUtf8(Attribute(r, "Type").value()),
                         Resolve(part, QString::fromUtf8(Attribute(r, "Target").value()))});
    return list;
}

bool TypeIs(const Relationship& r, const char* kind) {
    return r.type.endsWith(QLatin1Char('/') + QLatin1String(kind));
}

// ---- cells ----

// "B12" -> row 12, column 2; false for anything else or beyond the last row and column.
bool ParseReference(const char* text, int& row, int& column) {
    int c = 0;
    const char* p = text;
    for (; *p >= 'A' && *p <= 'Z'; ++p) {
        c = c * 26 + (*p - 'A' + 1);
        if (c > kMaxColumn)
            return false;
    }
    if (p == text)
        return false;
    int r = 0;
    const char* digits = p;
    for (; *p >= '0' && *p <= '9'; ++p) {
        r = r * 10 + (*p - '0');
        if (r > kMaxRow)
            return false;
    }
    if (*p != '\0' || p == digits || r < 1)
        return false;
    row = r;
    column = c;
    return true;
}

bool ParseRowNumber(const char* text, int& row) {
    bool ok = false;
    const int r = QByteArray(text).toInt(&ok);
    if (!ok || r < 1 || r > kMaxRow)
        return false;
    row = r;
    return true;
}

QString InlineText(const pugi::xml_node& holder) {
    // A plain text (<t>) or rich-text runs (<r><t>), phonetic hints left out.
    if (const pugi::xml_node t = Child(holder, "t"))
        return DecodeEscapes(Text(t));
    QString text;
    for (pugi::xml_node run = holder.first_child(); run; run = run.next_sibling())
        if (run.type() == pugi::node_element && Is(run, "r"))
            text += Text(Child(run, "t"));
    return DecodeEscapes(text);
}

QStringList SharedStrings(Archive& zip, const QString& path, const WorkbookLimits& limits) {
    QStringList strings;
    std::optional<QByteArray> xml = zip.part(path);
    if (!xml)
        return strings;
    const pugi::xml_document doc = Parse(*xml, path, limits);
    for (pugi::xml_node si = Root(doc).first_child(); si; si = si.next_sibling()) {
        if (si.type() != pugi::node_element || !Is(si, "si"))
            continue;
        if (strings.size() >= limits.maxCells)
            throw Unreadable{SheetText::tr("it holds more than %1 cells").arg(limits.maxCells)};
        strings << InlineText(si);
    }
    return strings;
}

QString FileMessage(const QString& name, const QString& reason) {
    return SheetText::tr("The file \"%1\" cannot be read as a workbook: %2.").arg(name, reason);
}

}  // namespace

WorkbookReader::WorkbookReader(const QString& fileName, const WorkbookLimits& limits) {
    const QFileInfo info(fileName);
    if (!info.exists())
        throw UserError(SheetText::tr("The workbook \"%1\" does not exist.").arg(fileName));
    if (info.isDir())
        throw UserError(FileMessage(fileName, SheetText::tr("it is a folder")));
    if (info.size() > limits.maxFileBytes)
        throw UserError(FileMessage(
            fileName,
            SheetText::tr("it is larger than %1 MB").arg(limits.maxFileBytes / (1024 * 1024))));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(SheetText::tr("The workbook \"%1\" cannot be opened: %2.")
                            .arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(limits.maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(SheetText::tr("The workbook \"%1\" cannot be read: %2.")
                            .arg(fileName, file.errorString()));
    load(bytes, fileName, limits);
}

WorkbookReader WorkbookReader::FromBytes(const QByteArray& bytes, const QString& name,
                                         const WorkbookLimits& limits) {
    WorkbookReader reader;
    reader.load(bytes, name, limits);
    return reader;
}

void WorkbookReader::load(const QByteArray& bytes, const QString& name,
                          const WorkbookLimits& limits) {
    try {
        if (bytes.size() > limits.maxFileBytes)
            throw Unreadable{
                SheetText::tr("it is larger than %1 MB").arg(limits.maxFileBytes / (1024 * 1024))};
        Archive zip(bytes, limits);

        // The workbook part, from the package's relationships (or where it usually is).
        QString workbookPath = QStringLiteral("xl/workbook.xml");
        for (const Relationship& r : Relationships(zip, QString(), limits))
            if (TypeIs(r, "officeDocument"))
                workbookPath = r.target;
        std::optional<QByteArray> workbookXml = zip.part(workbookPath);
        if (!workbookXml)
            throw Unreadable{SheetText::tr("it has no workbook part")};
        const QList<Relationship> related = Relationships(zip, workbookPath, limits);

        // The first worksheet in the workbook's order of sheets (chart sheets are passed over).
        QString sheetPath;
        const pugi::xml_document workbook = Parse(*workbookXml, workbookPath, limits);
        const pugi::xml_node sheets = Child(Root(workbook), "sheets");
        for (pugi::xml_node s = sheets.first_child(); s && sheetPath.isEmpty();
             s = s.next_sibling()) {
            if (s.type() != pugi::node_element || !Is(s, "sheet"))
                continue;
            const QString id = QString::fromUtf8(Attribute(s, "id", true).value());
            for (const Relationship& r : related)
                if (r.id == id && TypeIs(r, "worksheet"))
                    sheetPath = r.target;
        }
        if (sheetPath.isEmpty() && related.isEmpty())
            sheetPath = QStringLiteral("xl/worksheets/sheet1.xml");
        std::optional<QByteArray> sheetXml =
            sheetPath.isEmpty() ? std::nullopt : zip.part(sheetPath);
        if (!sheetXml)
            throw Unreadable{SheetText::tr("it has no worksheet")};

        QStringList shared;
        for (const Relationship& r : related)
            if (TypeIs(r, "sharedStrings"))
                shared = SharedStrings(zip, r.target, limits);

        const pugi::xml_document sheet = Parse(*sheetXml, sheetPath, limits);
        const pugi::xml_node data = Child(Root(sheet), "sheetData");
        int row = 0;
        for (pugi::xml_node rowNode = data.first_child(); rowNode;
             rowNode = rowNode.next_sibling()) {
            if (rowNode.type() != pugi::node_element || !Is(rowNode, "row"))
                continue;
            const pugi::xml_attribute rowNumber = Attribute(rowNode, "r");
            if (rowNumber ? !ParseRowNumber(rowNumber.value(), row) : ++row > kMaxRow)
                throw Unreadable{SheetText::tr("a row number is out of range")};
            int column = 0;
            for (pugi::xml_node c = rowNode.first_child(); c; c = c.next_sibling()) {
                if (c.type() != pugi::node_element || !Is(c, "c"))
                    continue;
                int cellRow = row;
                const pugi::xml_attribute reference = Attribute(c, "r");
                if (reference ? !ParseReference(reference.value(), cellRow, column)
                              : ++column > kMaxColumn)
                    throw Unreadable{SheetText::tr("the cell reference \"%1\" is out of range")
                                         .arg(QString::fromUtf8(reference.value()).left(20))};

                const QByteArray type = Attribute(c, "t").value();
                const QString v = Text(Child(c, "v"));
                QVariant value;
                if (type == "s") {
                    bool ok = false;
                    const int index = v.toInt(&ok);
                    if (!v.isEmpty() && (!ok || index < 0 || index >= shared.size()))
                        throw Unreadable{SheetText::tr("a cell refers to a missing text")};
                    if (ok)
                        value = shared[index];
                } else if (type == "inlineStr") {
                    value = InlineText(Child(c, "is"));
                } else if (type == "b") {
                    if (!v.isEmpty())
                        value = v.trimmed() != QLatin1String("0");
                } else if (type == "str" || type == "e" || type == "d") {
                    value = DecodeEscapes(v);
                } else if (!v.isEmpty()) {
                    bool ok = false;
                    const double number = v.trimmed().toDouble(&ok);
                    value = ok ? QVariant(number) : QVariant(v);
                }
                // A computed formula keeps its last value; a text formula may have computed
                // an empty text.
                const bool noValue = value.isNull() || (value.typeId() == QMetaType::QString &&
                                                        value.toString().isEmpty());
                if (noValue && type != "str" && Child(c, "f")) {
                    if (formulasWithoutValue_.size() >= limits.maxCells)
                        throw Unreadable{
                            QStringLiteral("it holds more than %1 cells").arg(limits.maxCells)};
                    formulasWithoutValue_.insert(quint64(cellRow) << 16 | quint64(column));
                    rows_ = qMax(rows_, cellRow);
                    columns_ = qMax(columns_, column);
                    continue;
                }
                if (noValue)
                    continue;
                if (cells_.size() >= limits.maxCells)
                    throw Unreadable{
                        SheetText::tr("it holds more than %1 cells").arg(limits.maxCells)};
                cells_.insert(quint64(cellRow) << 16 | quint64(column), value);
                rows_ = qMax(rows_, cellRow);
                columns_ = qMax(columns_, column);
            }
        }
    } catch (const Unreadable& e) {
        throw UserError(FileMessage(name, e.reason));
    }
}

QVariant WorkbookReader::value(int row, int column) const {
    if (row < 1 || column < 1 || column > kMaxColumn)
        return {};
    return cells_.value(quint64(row) << 16 | quint64(column));
}

bool WorkbookReader::formulaWithoutValue(int row, int column) const {
    if (row < 1 || column < 1 || column > kMaxColumn)
        return false;
    return formulasWithoutValue_.contains(quint64(row) << 16 | quint64(column));
}

QString ColumnLetters(int column) {
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar('A' + (column - 1) % 26));
    return letters;
}

QString WorkbookReader::text(int row, int column) const {
    const QVariant v = value(row, column);
    switch (v.typeId()) {
        case QMetaType::Double:
            return CellNumberText(v.toDouble());
        case QMetaType::Bool:
            return v.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        default:
            return v.toString();
    }
}
