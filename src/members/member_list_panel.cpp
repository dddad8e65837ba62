#include "member_list_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "members/loft_data_download.h"
#include "members/member_panel_parts.h"
#include "members/member_records.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "widgets/sql_grid.h"

MemberListPanel::MemberListPanel(AppContext& ctx, const MemberSettings& settings, QWidget* parent)
    : QWidget(parent), ctx_(ctx), settings_(settings) {
    setObjectName(QStringLiteral("pnlMem"));
    auto* v = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* btnMemNew = MemberButton(tr("AddNew"), "btnMemNew", this);
    auto* butPrtMemList = MemberButton(tr("Print"), "butPrtMemList", this);
    top->addWidget(btnMemNew);
    top->addWidget(butPrtMemList);
    top->addStretch();
    top->addWidget(new QLabel(tr("Number of Members:"), this));
    lblMemCnt_ = MemberNamed(new QLabel(this), "lblMemCnt");
    top->addWidget(lblMemCnt_);
    v->addLayout(top);

    dbgrdMem_ = MemberNamed(new SqlGrid(this), "dbgrdMem");
    dbgrdMem_->setSortText(&MemberScreenSortText());
    dbgrdMem_->setTitles({{QStringLiteral("LoftNo"), tr("Loft Number")},
                          {QStringLiteral("LoftName"), tr("Name")},
                          {QStringLiteral("clockCnt"), tr("Clocks")}});
    dbgrdMem_->gridModel()->setFormatter(
        QStringLiteral("LoftNo"), [](const QVariant& value, const QSqlRecord& row) {
            return LoftNoCellText(row.value(QStringLiteral("AssociationCode")).toString(),
                                  value.toString());
        });
    // The name takes the width left over; the loft number and the clock count keep the width
    // of their contents.
    dbgrdMem_->horizontalHeader()->setStretchLastSection(false);
    dbgrdMem_->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(dbgrdMem_, 1);

    rgMem_ = MemberNamed(new QMenu(this), "rgMem");
    rgMem_->addAction(tr("Edit Member"), this, [this] { emit editRequested(); });
    rgMem_->addAction(tr("Delete Member"), this, [this] { deleteMember(); });
    rgMem_->addSeparator();
    rgMem_->addAction(tr("Member Rings List"), this, [this] { emit ringsRequested(); });
    rgMem_->addAction(tr("Member Clocks"), this, [this] { emit clocksRequested(); });
    rgMem_->addSeparator();
    // A member's right to see what the club holds about them, and a former member's erasure.
    rgMem_->addAction(tr("What We Hold About This Member"), this, [this] { exportMemberData(); })
        ->setObjectName(QStringLiteral("actMemberData"));
    rgMem_->addAction(tr("Erase Former Member"), this, [this] { eraseMember(); })
        ->setObjectName(QStringLiteral("actEraseMember"));
    rgMem_->addSeparator();
    rgMem_->addAction(tr("Loft Data Download"), this, [this] {
        // The clock's messages show across the whole screen, not only the list.
        QWidget* screen = parentWidget() != nullptr ? parentWidget() : this;
        guarded(ctx_.prompts,
                [this, screen] { RunLoftDataDownload(screen, ctx_, settings_, currentLoftNo()); });
    });

    connect(btnMemNew, &QPushButton::clicked, this, [this] { emit addRequested(); });
    connect(butPrtMemList, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return MemberListReport(ReadClubHeading(ctx_.db), *dbgrdMem_->gridModel());
        });
    });
    connect(dbgrdMem_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = dbgrdMem_->indexAt(pos);
        if (index.isValid()) {
            dbgrdMem_->setCurrentIndex(index);
            rgMem_->popup(dbgrdMem_->viewport()->mapToGlobal(pos + QPoint(30, 10)));
        }
    });
    connect(dbgrdMem_, &QAbstractItemView::doubleClicked, this, [this] { emit ringsRequested(); });
    connect(dbgrdMem_, &SqlGrid::sorted, this, [this] {
        ShowMemberColumns(dbgrdMem_, {1, 2, 3});
        dbgrdMem_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    });
}

void MemberListPanel::load() {
    dbgrdMem_->load(ctx_.db, MemberListSql());
    ShowMemberColumns(dbgrdMem_, {1, 2, 3});
    dbgrdMem_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    lblMemCnt_->setText(CountText(dbgrdMem_->rowCountShown()));
}

QSqlRecord MemberListPanel::currentMember() const {
    return dbgrdMem_->currentRecord();
}

QString MemberListPanel::currentLoftNo() const {
    return currentMember().value(QStringLiteral("LoftNo")).toString();
}

void MemberListPanel::deleteMember() {
    guarded(ctx_.prompts, [this] {
        const QString loftNo = currentLoftNo();
        if (!loftNo.isEmpty()) {
            DeleteMember(ctx_.db, ctx_.prompts, loftNo);
        }
        load();
    });
}

void MemberListPanel::exportMemberData() {
    guarded(ctx_.prompts, [this] {
        const QString loftNo = currentLoftNo();
        if (!loftNo.isEmpty()) {
            ExportMemberRecordAction(ctx_.db, ctx_.prompts, ctx_.clock, loftNo);
        }
    });
}

void MemberListPanel::eraseMember() {
    guarded(ctx_.prompts, [this] {
        const QString loftNo = currentLoftNo();
        if (!loftNo.isEmpty()) {
            EraseMemberAction(ctx_.db, ctx_.prompts, loftNo, ctx_.paths.backupDir);
        }
        load();
    });
}
