#include "member_clock_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "members/member_panel_parts.h"
#include "members/member_store.h"
#include "widgets/sql_grid.h"

MemberClockPanel::MemberClockPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlClockList"));
    auto* v = new QVBoxLayout(this);
    lblClockListTitle_ = MemberNamed(new QLabel(this), "lblClockListTitle");
    v->addWidget(lblClockListTitle_);
    dbgrdClockList_ = MemberNamed(new SqlGrid(this), "dbgrdClockList");
    dbgrdClockList_->setSortText(&MemberScreenSortText());
    dbgrdClockList_->setTitles({{QStringLiteral("ClockID"), tr("Serial Number")},
                                {QStringLiteral("LastSynchDate"), tr("Date last synchronized ")},
                                {QStringLiteral("SynchStat"), tr("Sync. required")}});
    dbgrdClockList_->horizontalHeader()->setStretchLastSection(true);
    dbgrdClockList_->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(dbgrdClockList_, 1);
    lblClockListSum_ = MemberNamed(new QLabel(this), "lblClockListSum");
    v->addWidget(lblClockListSum_);

    rgClockList_ = MemberNamed(new QMenu(this), "rgClockList");
    rgClockList_->addAction(tr("Delete"), this, [this] { deleteClock(); });
    connect(dbgrdClockList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = dbgrdClockList_->indexAt(pos);
        if (index.isValid()) {
            dbgrdClockList_->setCurrentIndex(index);
            rgClockList_->popup(dbgrdClockList_->viewport()->mapToGlobal(pos + QPoint(30, 10)));
        }
    });
    connect(dbgrdClockList_, &SqlGrid::sorted, this, [this] {
        ShowMemberColumns(dbgrdClockList_, {1, 2, 3});
    });
}

void MemberClockPanel::open(const QString& loftNo, const QString& loftName) {
    loftNo_ = loftNo;
    load();
    lblClockListTitle_->setText(tr("%1's Clock List").arg(loftName));
}

void MemberClockPanel::load() {
    dbgrdClockList_->load(ctx_.db, ClockListSql(), {loftNo_});
    ShowMemberColumns(dbgrdClockList_, {1, 2, 3});
    lblClockListSum_->setText(ClockCountText(dbgrdClockList_->rowCountShown()));
}

void MemberClockPanel::deleteClock() {
    guarded(ctx_.prompts, [this] {
        const QString clockId =
            dbgrdClockList_->currentRecord().value(QStringLiteral("ClockID")).toString();
        if (!clockId.isEmpty() && DeleteClock(ctx_.db, ctx_.prompts, loftNo_, clockId)) {
            load();
        }
    });
}
