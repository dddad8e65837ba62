#include "club_settings.h"

#include "database.h"
#include "errors.h"

QString ClubSetting(TdmZOLF& db, const QString& name, const QString& fallback) {
    try {
        const QVariant v =
            db.value(QStringLiteral("select Value from KST_Setting where Name=?"), {name});
        return v.isNull() ? fallback : v.toString();
    } catch (const DbError&) {
        return fallback;
    }
}

void SetClubSetting(TdmZOLF& db, const QString& name, const QString& value) {
    // A value stored already is not written again: on a server shared by clubs only the
    // federation may change the settings, and a club saving its Setup screen unchanged must
    // not be refused for it.
    const QVariant stored = [&] {
        try {
            return db.value(QStringLiteral("select Value from KST_Setting where Name=?"), {name});
        } catch (const DbError&) {
            return QVariant();
        }
    }();
    if (!stored.isNull() && stored.toString() == value) {
        return;
    }
    db.exec(
        QStringLiteral("create table if not exists KST_Setting (Name TEXT primary key, "
                       "Value TEXT)"));
    db.exec(QStringLiteral("insert into KST_Setting (Name, Value) values (?, ?) "
                           "on conflict (Name) do update set Value=excluded.Value"),
            {name, value});
}
