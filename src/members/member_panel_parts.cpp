#include "member_panel_parts.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "data/date_time.h"
#include "widgets/sql_grid.h"

QString& MemberScreenSortText() {
    static QString sortText;
    return sortText;
}

QLineEdit* MemberLineEdit(const char* name, int maxLength, QWidget* parent) {
    auto* edit = MemberNamed(new QLineEdit(parent), name);
    edit->setMaxLength(maxLength);
    return edit;
}

QPushButton* MemberButton(const QString& caption, const char* name, QWidget* parent) {
    return MemberNamed(new QPushButton(caption, parent), name);
}

void SetWholeText(QLineEdit* edit, const QString& text, int limit) {
    edit->setMaxLength(qMax(limit, int(text.size())));
    edit->setText(text);
}

void ShowMemberColumns(SqlGrid* grid, const QList<int>& shown) {
    for (int i = 0; i < grid->gridModel()->columnCount(); ++i) {
        grid->setColumnHidden(i, !shown.contains(i));
    }
    grid->resizeColumnsToContents();
    for (int i : shown) {
        grid->setColumnWidth(i, qMax(grid->columnWidth(i), 110));
    }
}

QString MomentCell(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    const QDateTime moment = ParseMoment(value.toString());
    return moment.isValid() ? GeneralText(moment) : value.toString();
}

QString DateCell(const QVariant& value) {
    const QDate date = ParseDate(value.toString());
    return date.isValid() ? DateText(date) : value.toString();
}

bool FocusLeft(QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
