#include "pools_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "competition_reports.h"
#include "data/colours.h"
#include "data/convert.h"
#include "data/date_time.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "panel_button.h"
#include "pool_store.h"
#include "reports/report_preview.h"

namespace {

enum PoolColumn { ColName, ColStake, ColRule, ColPrizes, ColDeduction, ColCountFirst, ColCount };

QTableWidget* Table(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(QLatin1String(name));
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void SetRows(QTableWidget* table, const QList<QStringList>& rows) {
    table->clearSpans();
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        // A heading or a total line of one text spans the whole row.
        bool single = true;
        for (int c = 1; c < rows[r].size(); ++c) {
            single = single && rows[r][c].isEmpty();
        }
        if (single && table->columnCount() > 1) {
            table->setSpan(r, 0, 1, table->columnCount());
        }
        for (int c = 0; c < rows[r].size() && c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

QString ColumnTitle(const QTableWidget* t, int column) {
    const QTableWidgetItem* item = t->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

QString CellText(const QTableWidget* t, int row, int column) {
    const QTableWidgetItem* item = t->item(row, column);
    return item ? item->text().trimmed() : QString();
}

}  // namespace

PoolsPanel::PoolsPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlPools"));
    auto* layout = new QVBoxLayout(this);
    lblPoolsTitle_ = new QLabel(this);
    lblPoolsTitle_->setObjectName(QStringLiteral("lblPoolsTitle"));
    QFont big = lblPoolsTitle_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    lblPoolsTitle_->setFont(big);
    layout->addWidget(lblPoolsTitle_);

    tabPools_ = new QTabWidget(this);
    tabPools_->setObjectName(QStringLiteral("tabPools"));
    layout->addWidget(tabPools_, 1);

    // The pools of the race.
    auto* poolsPage = new QWidget(tabPools_);
    auto* poolsLayout = new QVBoxLayout(poolsPage);
    grdPools_ = Table(poolsPage, "grdPools");
    grdPools_->setColumnCount(ColCount);
    grdPools_->setHorizontalHeaderLabels({tr("Pool"), tr("Stake"), tr("Prizes paid"),
                                          tr("Split % / birds per prize"), tr("Deduction %"),
                                          tr("Nominations counted (0: all)")});
    poolsLayout->addWidget(grdPools_, 1);
    auto* poolButtons = new QHBoxLayout;
    auto* add = PanelButton(poolsPage, "btnPoolAdd", tr("Add pool"));
    auto* remove = PanelButton(poolsPage, "btnPoolRemove", tr("Remove pool"));
    auto* save = PanelButton(poolsPage, "btnPoolSave", tr("Save pools"));
    auto* fromTemplate = PanelButton(poolsPage, "btnPoolTemplate", tr("Use club template"));
    auto* asTemplate = PanelButton(poolsPage, "btnPoolSaveTemplate", tr("Save as club template"));
    for (QPushButton* b : {add, remove, save, fromTemplate, asTemplate}) {
        poolButtons->addWidget(b);
    }
    poolButtons->addStretch();
    poolsLayout->addLayout(poolButtons);
    tabPools_->addTab(poolsPage, tr("Pools"));
    connect(add, &QPushButton::clicked, this, [this] {
        PoolDefinition p;
        p.name = tr("Pool %1").arg(grdPools_->rowCount() + 1);
        p.stake = 100;
        p.split = {10000};
        pools_ = poolsInTable();
        storedNames_ = storedNamesInTable();
        pools_ << p;
        storedNames_ << QString();
        loadPools();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = grdPools_->currentRow();
        if (row >= 0) {
            grdPools_->removeRow(row);
        }
    });
    connect(save, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { savePools(); }); });
    connect(fromTemplate, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { useTemplate(); }); });
    connect(asTemplate, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { saveTemplate(); }); });

    // The entries: one row per marked bird; its nomination and a mark per pool.
    auto* entriesPage = new QWidget(tabPools_);
    auto* entriesLayout = new QVBoxLayout(entriesPage);
    auto* hint = new QLabel(tr("Type a loft's nomination order in Nom; type x under a pool to "
                               "enter the bird, clear it to take the bird out."),
                            entriesPage);
    hint->setWordWrap(true);
    entriesLayout->addWidget(hint);
    grdPoolEntries_ = Table(entriesPage, "grdPoolEntries");
    entriesLayout->addWidget(grdPoolEntries_, 1);
    auto* entryButtons = new QHBoxLayout;
    auto* import = PanelButton(entriesPage, "btnEntriesImport", tr("Import entries"));
    auto* exportButton = PanelButton(entriesPage, "btnEntriesExport", tr("Export entries"));
    entryButtons->addWidget(import);
    entryButtons->addWidget(exportButton);
    entryButtons->addStretch();
    entriesLayout->addLayout(entryButtons);
    tabPools_->addTab(entriesPage, tr("Entries"));
    connect(grdPoolEntries_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_) {
            guarded(ctx_.prompts, [&] { entryCellChanged(row, column); });
            // The grid shows what is stored, refilled once this change has been handled.
            QMetaObject::invokeMethod(
                this, [this] { guarded(ctx_.prompts, [this] { loadEntries(); }); },
                Qt::QueuedConnection);
        }
    });
    connect(import, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { importEntries(); }); });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { exportEntries(); }); });

    // The payout: the pool sheet as it prints.
    auto* payoutPage = new QWidget(tabPools_);
    auto* payoutLayout = new QVBoxLayout(payoutPage);
    lblPoolBalance_ = new QLabel(payoutPage);
    lblPoolBalance_->setObjectName(QStringLiteral("lblPoolBalance"));
    lblPoolBalance_->setWordWrap(true);
    payoutLayout->addWidget(lblPoolBalance_);
    grdPayout_ = Table(payoutPage, "grdPayout");
    payoutLayout->addWidget(grdPayout_, 1);
    auto* payoutButtons = new QHBoxLayout;
    auto* printSheet = PanelButton(payoutPage, "butPrtPoolSheet", tr("Print pool sheet"));
    auto* printLofts = PanelButton(payoutPage, "butPrtLoftPayout", tr("Print payout per loft"));
    auto* sheetBook = PanelButton(payoutPage, "butPoolSheetExport", tr("Pool sheet workbook"));
    auto* loftBook = PanelButton(payoutPage, "butLoftPayoutExport", tr("Payout workbook"));
    for (QPushButton* b : {printSheet, printLofts, sheetBook, loftBook}) {
        payoutButtons->addWidget(b);
    }
    payoutButtons->addStretch();
    payoutLayout->addLayout(payoutButtons);
    tabPools_->addTab(payoutPage, tr("Payout"));
    connect(tabPools_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 2) {
            guarded(ctx_.prompts, [this] { loadPayout(); });
        }
    });
    connect(printSheet, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return PoolSheetReport(ctx_.db, race_, RacePayouts(ctx_.db, race_));
        });
    });
    connect(printLofts, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return LoftPayoutReport(ctx_.db, race_, RacePayouts(ctx_.db, race_));
        });
    });
    connect(sheetBook, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { exportPoolSheet(); }); });
    connect(loftBook, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { exportLoftPayout(); }); });

    auto* bottom = new QHBoxLayout;
    auto* ok = PanelButton(this, "btnPoolsOK", tr("OK"));
    bottom->addStretch();
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, [this] { emit closed(); });
}

void PoolsPanel::open(const RaceId& race) {
    race_ = race;
    lblPoolsTitle_->setText(tr("Pools for %1").arg(RaceTitle(ctx_.db, race)));
    pools_ = RacePools(ctx_.db, race);
    if (pools_.isEmpty()) {
        // A race still open for entries starts with the club's template.
        try {
            pools_ = PoolsFromTemplate(ctx_.db, ctx_.clock, race);
        } catch (const UserError&) {
        }
    }
    storedNames_.clear();
    for (const PoolDefinition& p : std::as_const(pools_)) {
        storedNames_ << p.name;
    }
    loadPools();
    loadEntries();
    loadPayout();
    tabPools_->setCurrentIndex(0);
}

void PoolsPanel::loadPools() {
    filling_ = true;
    grdPools_->setRowCount(int(pools_.size()));
    for (int r = 0; r < pools_.size(); ++r) {
        const PoolDefinition& p = pools_[r];
        auto* name = new QTableWidgetItem(p.name);
        name->setData(Qt::UserRole, storedNames_.value(r));
        grdPools_->setItem(r, ColName, name);
        grdPools_->setItem(r, ColStake, new QTableWidgetItem(CentsText(p.stake)));
        auto* rule = new QComboBox(grdPools_);
        rule->addItems({tr("Split"), tr("One per N birds")});
        rule->setCurrentIndex(p.rule == PrizeRule::OnePerN ? 1 : 0);
        grdPools_->setCellWidget(r, ColRule, rule);
        grdPools_->setItem(
            r, ColPrizes,
            new QTableWidgetItem(p.rule == PrizeRule::OnePerN ? QString::number(p.birdsPerPrize)
                                                              : SplitText(p.split)));
        grdPools_->setItem(r, ColDeduction, new QTableWidgetItem(PercentText(p.deduction)));
        grdPools_->setItem(r, ColCountFirst, new QTableWidgetItem(QString::number(p.countFirst)));
    }
    grdPools_->resizeColumnsToContents();
    filling_ = false;
}

QList<PoolDefinition> PoolsPanel::poolsInTable() const {
    QList<PoolDefinition> pools;
    for (int r = 0; r < grdPools_->rowCount(); ++r) {
        PoolDefinition p;
        p.name = CellText(grdPools_, r, ColName);
        p.stake = ParseCents(CellText(grdPools_, r, ColStake));
        const auto* rule = qobject_cast<QComboBox*>(grdPools_->cellWidget(r, ColRule));
        p.rule = rule && rule->currentIndex() == 1 ? PrizeRule::OnePerN : PrizeRule::Split;
        const QString prizes = CellText(grdPools_, r, ColPrizes);
        if (p.rule == PrizeRule::OnePerN) {
            bool ok = false;
            p.birdsPerPrize = prizes.toInt(&ok);
            if (!ok) {
                throw UserError(invalidIntegerText(
                    p.name + QStringLiteral(", ") + ColumnTitle(grdPools_, ColPrizes), prizes));
            }
        } else {
            p.split = ParseSplit(prizes);
        }
        p.deduction = ParsePercent(CellText(grdPools_, r, ColDeduction));
        const QString count = CellText(grdPools_, r, ColCountFirst);
        bool ok = true;
        p.countFirst = count.isEmpty() ? 0 : count.toInt(&ok);
        if (!ok) {
            throw UserError(invalidIntegerText(
                p.name + QStringLiteral(", ") + ColumnTitle(grdPools_, ColCountFirst), count));
        }
        pools << p;
    }
    return pools;
}

QStringList PoolsPanel::storedNamesInTable() const {
    QStringList names;
    for (int r = 0; r < grdPools_->rowCount(); ++r) {
        const QTableWidgetItem* item = grdPools_->item(r, ColName);
        names << (item ? item->data(Qt::UserRole).toString() : QString());
    }
    return names;
}

void PoolsPanel::savePools() {
    const QList<PoolDefinition> pools = poolsInTable();
    if (!SetRacePools(ctx_.db, ctx_.clock, race_, pools, storedNamesInTable(), &ctx_.prompts)) {
        return;  // the table keeps what was typed
    }
    pools_ = RacePools(ctx_.db, race_);
    storedNames_.clear();
    for (const PoolDefinition& p : std::as_const(pools_)) {
        storedNames_ << p.name;
    }
    loadPools();
    loadEntries();
}

void PoolsPanel::saveTemplate() {
    SetPoolTemplate(ctx_.db, poolsInTable());
    ctx_.prompts.information(tr("The club's pool template is saved."));
}

void PoolsPanel::useTemplate() {
    pools_ = PoolTemplate(ctx_.db);
    storedNames_ = QStringList(int(pools_.size()), QString());
    loadPools();
}

void PoolsPanel::loadEntries() {
    filling_ = true;
    const QList<PoolDefinition> pools = RacePools(ctx_.db, race_);
    QStringList titles{tr("Loft"), tr("Ring"), tr("Nom")};
    for (const PoolDefinition& p : pools) {
        titles << p.name;
    }
    // The columns keep their widths while the same pools are shown.
    QStringList shown;
    for (int c = 0; c < grdPoolEntries_->columnCount(); ++c) {
        const QTableWidgetItem* header = grdPoolEntries_->horizontalHeaderItem(c);
        shown << (header ? header->text() : QString());
    }
    const bool samePools = shown == titles;
    grdPoolEntries_->clearContents();
    grdPoolEntries_->setColumnCount(int(titles.size()));
    grdPoolEntries_->setHorizontalHeaderLabels(titles);
    QSet<QString> entered;
    for (const PoolEntry& e : PoolEntries(ctx_.db, race_)) {
        entered.insert(e.poolName + QLatin1Char('\n') + e.ringNo);
    }
    const QList<MarkedBird> birds = MarkedBirds(ctx_.db, race_);
    QHash<QString, QMap<int, QString>> nominations;
    grdPoolEntries_->setRowCount(int(birds.size()));
    for (int r = 0; r < birds.size(); ++r) {
        const MarkedBird& b = birds[r];
        if (!nominations.contains(b.loftNo)) {
            nominations.insert(b.loftNo, NominationNumbers(ctx_.db, race_, b.loftNo));
        }
        const int nom = nominations.value(b.loftNo).key(b.ringNo, 0);
        auto* loft = new QTableWidgetItem(b.loftNo);
        loft->setFlags(loft->flags() & ~Qt::ItemIsEditable);
        auto* ring = new QTableWidgetItem(b.ringNo);
        ring->setFlags(ring->flags() & ~Qt::ItemIsEditable);
        grdPoolEntries_->setItem(r, 0, loft);
        grdPoolEntries_->setItem(r, 1, ring);
        grdPoolEntries_->setItem(r, 2,
                                 new QTableWidgetItem(nom > 0 ? QString::number(nom) : QString()));
        for (int c = 0; c < pools.size(); ++c) {
            grdPoolEntries_->setItem(
                r, 3 + c,
                new QTableWidgetItem(entered.contains(pools[c].name + QLatin1Char('\n') + b.ringNo)
                                         ? QStringLiteral("x")
                                         : QString()));
        }
    }
    if (!samePools) {
        grdPoolEntries_->resizeColumnsToContents();
        for (int c = 3; c < titles.size(); ++c) {
            grdPoolEntries_->setColumnWidth(c, std::max(grdPoolEntries_->columnWidth(c), 80));
        }
    }
    filling_ = false;
}

void PoolsPanel::entryCellChanged(int row, int column) {
    const QString loft = CellText(grdPoolEntries_, row, 0);
    const QString ring = CellText(grdPoolEntries_, row, 1);
    if (column == 2) {
        // The loft's order: its rings by the numbers now in the Nom column.
        QMap<int, QString> order;
        for (int r = 0; r < grdPoolEntries_->rowCount(); ++r) {
            if (CellText(grdPoolEntries_, r, 0) != loft) {
                continue;
            }
            const QString text = CellText(grdPoolEntries_, r, 2);
            if (text.isEmpty()) {
                continue;
            }
            bool ok = false;
            const int n = text.toInt(&ok);
            if (!ok || n <= 0) {
                throw UserError(invalidIntegerText(tr("Loft %1").arg(loft) + QStringLiteral(", ") +
                                                       ColumnTitle(grdPoolEntries_, 2),
                                                   text));
            }
            if (order.contains(n)) {
                throw UserError(tr("Loft %1 gives nomination %2 twice.").arg(loft).arg(n));
            }
            order.insert(n, CellText(grdPoolEntries_, r, 1));
        }
        SetNominations(ctx_.db, ctx_.clock, race_, loft, order);
    } else if (column >= 3) {
        const QString pool = grdPoolEntries_->horizontalHeaderItem(column)->text();
        const QString mark = CellText(grdPoolEntries_, row, column);
        if (mark.isEmpty() || mark == QLatin1String("0")) {
            WithdrawBird(ctx_.db, ctx_.clock, race_, pool, ring);
        } else {
            EnterBird(ctx_.db, ctx_.clock, race_, pool, ring);
        }
    }
}

void PoolsPanel::importEntries() {
    const QString file = ctx_.prompts.openFileName(tr("Excel File (*.xlsx)"));
    if (file.isEmpty()) {
        return;
    }
    const int rings = ReadEntriesWorkbook(ctx_.db, ctx_.clock, race_, file, &ctx_.prompts);
    if (rings < 0) {
        return;
    }
    loadEntries();
    ctx_.prompts.information(tr("%1 rings read from %2.").arg(rings).arg(file));
}

void PoolsPanel::exportEntries() {
    const QString file = ctx_.prompts.saveFileName(
        tr("Excel File (*.xlsx)"),
        tr("Entries %1 %2.xlsx").arg(race_.liberCode, DateText(race_.liberDate)));
    if (!file.isEmpty()) {
        WriteEntriesWorkbook(ctx_.db, race_, file);
    }
}

void PoolsPanel::loadPayout() {
    payouts_ = RacePayouts(ctx_.db, race_);
    const ReportDefinition sheet = PoolSheetReport(ctx_.db, race_, payouts_);
    QStringList titles;
    for (const ReportColumn& c : sheet.columns) {
        titles << c.header;
    }
    grdPayout_->clear();
    grdPayout_->setColumnCount(int(titles.size()));
    grdPayout_->setHorizontalHeaderLabels(titles);
    SetRows(grdPayout_, sheet.rows);
    bool balance = true;
    for (const PoolPayout& p : payouts_) {
        balance = balance && p.balances();
    }
    QStringList lines;
    for (const PoolPayout& p : payouts_) {
        lines << p.pool.name + QStringLiteral(": ") + BalanceText(p);
    }
    lblPoolBalance_->setText(lines.isEmpty() ? tr("The race has no pools.")
                                             : lines.join(QLatin1Char('\n')));
    lblPoolBalance_->setStyleSheet(balance ? QString() : WarningStyle());
}

void PoolsPanel::exportPoolSheet() {
    const QString file = ctx_.prompts.saveFileName(
        tr("Excel File (*.xlsx)"),
        tr("Pool sheet %1 %2.xlsx").arg(race_.liberCode, DateText(race_.liberDate)));
    if (!file.isEmpty()) {
        WritePoolSheetWorkbook(ctx_.db, RacePayouts(ctx_.db, race_), file);
    }
}

void PoolsPanel::exportLoftPayout() {
    const QString file = ctx_.prompts.saveFileName(
        tr("Excel File (*.xlsx)"),
        tr("Payout %1 %2.xlsx").arg(race_.liberCode, DateText(race_.liberDate)));
    if (!file.isEmpty()) {
        WriteLoftPayoutWorkbook(ctx_.db, RacePayouts(ctx_.db, race_), file);
    }
}
