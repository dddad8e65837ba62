#include "feather_colours.h"

#include "data/database.h"
#include "data/errors.h"

const QString kOtherColour = QStringLiteral("Other");
const QString kColourEntryError = QStringLiteral("Please enter a colour code and a colour name.");

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

void AddFeatherColour(TdmZOLF& db, const QString& code, const QString& name) {
    if (code.trimmed().isEmpty() || name.trimmed().isEmpty()) {
        throw UserError(kColourEntryError);
    }
    if (db.rowCount(QStringLiteral("select 1 from ZOL_FeatherColor where ColorType=?"), {code}) >
        0) {
        throw UserError(QStringLiteral("Colour code %1 exists already.").arg(code));
    }
    if (db.rowCount(QStringLiteral("select 1 from ZOL_FeatherColor where FeathColor=?"), {name}) >
        0) {
        throw UserError(QStringLiteral("Colour name %1 exists already.").arg(name));
    }
    db.exec(QStringLiteral("insert into ZOL_FeatherColor values(?,?)"), {code, name});
}

void DeleteFeatherColour(TdmZOLF& db, const QString& name) {
    db.exec(QStringLiteral("delete from ZOL_FeatherColor where FeathColor=?"), {name});
}
