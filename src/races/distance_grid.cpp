#include "distance_grid.h"

#include <QKeyEvent>
#include <QTimer>

#include "data/display.h"
#include "race_panel_parts.h"

DistanceGrid::DistanceGrid(AppContext& ctx, DistanceGridEdit& edit, QWidget* parent)
    : SqlGrid(parent), ctx_(ctx), edit_(edit) {
    setSortText(&RaceScreenSortText());
    const auto pending = [this](const char* field) {
        return [this, field](const QVariant& value, const QSqlRecord& row) {
            const QString typed = edit_.pendingText(
                RecordText(row, "LiberCode"), RecordText(row, "LoftNo"), QLatin1String(field));
            return typed.isNull() ? DistanceCellText(value) : typed;
        };
    };
    gridModel()->setFormatter(QStringLiteral("Miles"), pending("Miles"));
    gridModel()->setFormatter(QStringLiteral("Yards"), pending("Yards"));
    // Leaving a row with a pending edit stores it, as a data grid does.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const QSqlRecord row = gridModel()->record(current.row());
                if (edit_.editing() &&
                    !edit_.isPending(RecordText(row, "LiberCode"), RecordText(row, "LoftNo"))) {
                    QTimer::singleShot(0, this,
                                       [this] { guarded(ctx_.prompts, [this] { postEdit(); }); });
                }
            });
}

void DistanceGrid::setDistanceTitles() {
    const int mode = ClubDistanceMode(ctx_.db);
    setTitles({{QStringLiteral("LoftName"), tr("Member")},
               {QStringLiteral("Miles"), MilesTitle(mode)},
               {QStringLiteral("Yards"), YardsTitle(mode)}});
}

void DistanceGrid::postEdit() {
    if (!edit_.editing()) {
        return;
    }
    // The grid comes back on the cell it was on.
    const QModelIndex at = currentIndex();
    const auto again = [this, at] {
        reload();
        if (at.isValid() && at.row() < model()->rowCount()) {
            setCurrentIndex(model()->index(at.row(), at.column()));
        }
    };
    try {
        edit_.post(ctx_.db);
    } catch (...) {
        again();
        throw;
    }
    again();
}

void DistanceGrid::keyPressEvent(QKeyEvent* key) {
    const QString text = key->text();
    const QModelIndex index = currentIndex();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        !index.isValid()) {
        SqlGrid::keyPressEvent(key);
        return;
    }
    const QSqlRecord row = gridModel()->record(index.row());
    const QString field = gridModel()->record().fieldName(index.column());
    switch (edit_.key(text, RecordText(row, "LiberCode"), RecordText(row, "LoftNo"), field)) {
        case DistanceGridEdit::Action::Post:
            guarded(ctx_.prompts, [this] { postEdit(); });
            break;
        case DistanceGridEdit::Action::Typed:
        case DistanceGridEdit::Action::Cancel:
            viewport()->update();
            break;
        case DistanceGridEdit::Action::None:
            break;
    }
}
