#include "edited_row.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <optional>

#include "data/clock.h"
#include "data/database.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"

namespace {
struct EditText {
    Q_DECLARE_TR_FUNCTIONS(Data)
};

const QChar kKeySeparator(0x1f);

void EnsureRowEditTable(TdmZOLF& db) {
    db.tryExec(
        QStringLiteral("create table if not exists KST_RowEdit (TableName TEXT not null, RowKey "
                       "TEXT not null, Seat TEXT, ChangedAt TEXT, primary key (TableName, "
                       "RowKey))"));
}

QString RowKeyText(const EditedRow& row) {
    QStringList parts;
    for (const QVariant& v : row.key) {
        parts << v.toString();
    }
    // A table of one record has no key: an empty text, never null.
    return parts.isEmpty() ? QStringLiteral("") : parts.join(kKeySeparator);
}

QString KeyCondition(const EditedRow& row) {
    if (row.keyColumns.isEmpty()) {
        return QStringLiteral("1=1");  // the table's one record
    }
    QStringList terms;
    for (const QString& c : row.keyColumns) {
        terms << c + QStringLiteral("=?");
    }
    return terms.join(QStringLiteral(" and "));
}

struct RowState {
    bool found = false;
    QStringList values;
    QString savedBy;
};

RowState ReadRow(TdmZOLF& db, const EditedRow& row) {
    RowState state;
    QSqlQuery q =
        db.select(QStringLiteral("select %1 from %2 where %3")
                      .arg(row.columns.join(QLatin1Char(',')), row.table, KeyCondition(row)),
                  row.key);
    if (q.next()) {
        state.found = true;
        for (int i = 0; i < row.columns.size(); ++i) {
            // An empty box is stored as an empty text, older rows may hold null: the same to
            // the form.
            state.values << q.value(i).toString();
        }
    }
    try {
        QSqlQuery s = db.select(QStringLiteral("select Seat, ChangedAt from KST_RowEdit where "
                                               "TableName=? and RowKey=?"),
                                {row.table, RowKeyText(row)});
        if (s.next()) {
            state.savedBy = s.value(0).toString() + QLatin1Char('|') + s.value(1).toString();
        }
    } catch (const DbError&) {
        // A file nobody saved a form in since it was made has no such table: nobody to name.
    }
    return state;
}

QString WhenText(const QString& moment, const Clock& clock) {
    const QDateTime at = ParseMoment(moment);
    if (!at.isValid()) {
        return {};
    }
    return at.date() == clock.now().date() ? at.toString(QStringLiteral("HH:mm"))
                                           : at.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
}  // namespace

void LoadEditedRow(TdmZOLF& db, EditedRow& row) {
    EnsureRowEditTable(db);
    const RowState state = ReadRow(db, row);
    row.found = state.found;
    row.values = state.values;
    row.savedBy = state.savedBy;
}

QString ChangedOnAnotherSeatText(const QString& label, const QString& when, const QString& seat,
                                 bool deleted) {
    QString what;
    if (deleted) {
        what = EditText::tr("%1 was deleted on another seat.").arg(label);
    } else if (when.isEmpty()) {
        what = EditText::tr("%1 was changed on another seat.").arg(label);
    } else {
        what = EditText::tr("%1 was changed at %2 on another seat").arg(label, when);
        what += seat.isEmpty() ? QStringLiteral(".") : QStringLiteral(" (%1).").arg(seat);
    }
    return what + QLatin1Char('\n') +
           (deleted ? EditText::tr("Yes: store what you typed again. No: close the form. Cancel: "
                                   "keep the form open.")
                    : EditText::tr("Yes: save what you typed over it. No: show it as it is "
                                   "stored now. Cancel: keep the form open."));
}

EditedRowSave SaveEditedRow(TdmZOLF& db, Prompts& prompts, const Clock& clock, EditedRow& row,
                            const std::function<void()>& write) {
    EnsureRowEditTable(db);
    for (;;) {
        std::optional<RowState> changed;
        RowState stored;
        const QString now = MomentMsText(clock.now());
        db.repeatableTransaction([&] {
            changed.reset();
            // Takes the row for this seat (a server holds it until the commit; a file is taken
            // whole), so that nobody changes it between the check and the write.
            db.exec(QStringLiteral("update %1 set %2=%2 where %3")
                        .arg(row.table, row.keyColumns.value(0, row.columns.first()),
                             KeyCondition(row)),
                    row.key);
            const RowState state = ReadRow(db, row);
            if (state.found != row.found || state.values != row.values) {
                changed = state;
                return;  // nothing written
            }
            write();
            db.exec(QStringLiteral("insert into KST_RowEdit (TableName, RowKey, Seat, ChangedAt) "
                                   "values (?,?,?,?) on conflict (TableName, RowKey) do update "
                                   "set Seat=excluded.Seat, ChangedAt=excluded.ChangedAt"),
                    {row.table, RowKeyText(row), db.seat(), now});
            stored = ReadRow(db, row);
        });
        if (!changed) {
            // A form that stays open after Save compares its next save with what it stored.
            row.found = stored.found;
            row.values = stored.values;
            row.savedBy = stored.savedBy;
            return EditedRowSave::Saved;
        }
        // Who and when are known only when the change was saved through a form since this one
        // was loaded.
        QString seat, when;
        if (changed->savedBy != row.savedBy) {
            const int bar = changed->savedBy.indexOf(QLatin1Char('|'));
            seat = changed->savedBy.left(bar);
            when = WhenText(changed->savedBy.mid(bar + 1), clock);
        }
        const bool deleted = row.found && !changed->found;
        switch (prompts.question(ChangedOnAnotherSeatText(row.label, when, seat, deleted),
                                 Prompts::Buttons::YesNoCancel)) {
            case Prompts::Answer::Yes:
                // Overwrite what is stored now, unless it changes once more before the write.
                row.found = changed->found;
                row.values = changed->values;
                row.savedBy = changed->savedBy;
                break;
            case Prompts::Answer::No:
                return EditedRowSave::Reload;
            case Prompts::Answer::Cancel:
                return EditedRowSave::Kept;
        }
    }
}
