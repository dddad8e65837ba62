#include "home_screen.h"

#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

#include "widgets/sql_grid.h"
#include "data/date_time.h"

namespace {

// The Home grid's sort order lives as long as the program: it survives the screen being
// closed and opened again.
QString homeSortText;

const QString kClocksSql = QStringLiteral(
    "select ClockID,LoftName,LastSynchDate from ZOL_LoftClocks a LEFT Join ZOL_LoftData b on "
    "a.LoftNo=b.LoftNo");

}  // namespace

TfrmHome::TfrmHome(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmHome"));
    setWindowTitle(QStringLiteral("Home"));
    auto* title = new QLabel(QStringLiteral("Home"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);

    DBGrid1 = new SqlGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSortText(&homeSortText);
    DBGrid1->gridModel()->setAlignment(Qt::AlignCenter);
    DBGrid1->gridModel()->setFormatter(
        QStringLiteral("LastSynchDate"), [](const QVariant& value, const QSqlRecord&) {
            if (value.isNull()) {
                return QString();
            }
            const QDateTime moment = ParseMoment(value.toString());
            return moment.isValid() ? DateText(moment.date()) : value.toString();
        });
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(DBGrid1, 1);
}

void TfrmHome::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] { DBGrid1->load(ctx_.db, kClocksSql); });
    }
}
