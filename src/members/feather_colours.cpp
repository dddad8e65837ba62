#include "feather_colours.h"

#include <QCoreApplication>

#include "data/database.h"
#include "data/errors.h"
#include "data/translate.h"

namespace {
struct MemberText {
    Q_DECLARE_TR_FUNCTIONS(Members)
};
}  // namespace

const QString kOtherColour = QStringLiteral("Other");
const QString kColourEntryError =
    QStringLiteral(QT_TRANSLATE_NOOP("Members", "Please enter a colour code and a colour name."));

QStringList ColourBoxNames(TdmZOLF& db) {
    return QStringList{kOtherColour} +
           db.texts(QStringLiteral("select FeathColor from ZOL_FeatherColor order by rowid"));
}

QString ColourCodeForName(TdmZOLF& db, const QString& name) {
    return db
        .value(QStringLiteral("select ColorType from ZOL_FeatherColor where FeathColor=? "
                              "order by rowid limit 1"),
               {name})
        .toString();
}

QString ColourNameForCode(TdmZOLF& db, const QString& code) {
    const QVariant name = db.value(
        QStringLiteral("select FeathColor from ZOL_FeatherColor where ColorType=? limit 1"),
        {code});
    return name.isNull() ? kOtherColour : name.toString();
}

QString ColourNamesSql() {
    return QStringLiteral("select ColorType, FeathColor from ZOL_FeatherColor order by rowid");
}

void AddFeatherColour(TdmZOLF& db, const QString& code, const QString& name) {
    if (code.trimmed().isEmpty() || name.trimmed().isEmpty()) {
        throw UserError(Translated("Members", kColourEntryError));
    }
    if (db.rowCount(QStringLiteral("select 1 from ZOL_FeatherColor where ColorType=?"), {code}) >
        0) {
        throw UserError(MemberText::tr("Colour code %1 exists already.").arg(code));
    }
    if (db.rowCount(QStringLiteral("select 1 from ZOL_FeatherColor where FeathColor=?"), {name}) >
        0) {
        throw UserError(MemberText::tr("Colour name %1 exists already.").arg(name));
    }
    db.exec(QStringLiteral("insert into ZOL_FeatherColor values(?,?)"), {code, name});
}

void DeleteFeatherColour(TdmZOLF& db, const QString& name) {
    db.exec(QStringLiteral("delete from ZOL_FeatherColor where FeathColor=?"), {name});
}
