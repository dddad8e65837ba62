#include "sun_data_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "race_panel_parts.h"
#include "sun_data.h"
#include "widgets/date_time_box.h"

SunDataPanel::SunDataPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlSunData"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RacePanelTitle(this, "lblSunData", tr("Sunset / Sunrise")));
    StrGridSunSet_ = new QTableWidget(kSunGridRows, kSunGridColumns, this);
    StrGridSunSet_->setObjectName(QStringLiteral("StrGridSunSet"));
    // Dates and times are typed into boxes that show exactly what will be stored.
    StrGridSunSet_->setItemDelegate(new DateTimeDelegate(
        {{0, DateTimeBox::Kind::Date}, {2, DateTimeBox::Kind::Time}, {3, DateTimeBox::Kind::Time}},
        StrGridSunSet_));
    StrGridSunSet_->horizontalHeader()->hide();
    StrGridSunSet_->verticalHeader()->hide();
    const int widths[kSunGridColumns] = {99, 136, 81, 86};
    for (int c = 0; c < kSunGridColumns; ++c) {
        StrGridSunSet_->setColumnWidth(c, widths[c]);
    }
    StrGridSunSet_->setFixedSize(
        99 + 136 + 81 + 86 + 4,
        StrGridSunSet_->verticalHeader()->defaultSectionSize() * kSunGridRows + 4);
    layout->addWidget(StrGridSunSet_);
    auto* buttons = new QHBoxLayout;
    auto* ok = RacePanelButton(this, "btnOK_Sun", tr("Save"));
    auto* cancel = RacePanelButton(this, "btnCan_Sun", tr("Cancel"));
    connect(ok, &QPushButton::clicked, this, [this] { guarded(ctx_.prompts, [this] { save(); }); });
    connect(cancel, &QPushButton::clicked, this, &SunDataPanel::closed);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void SunDataPanel::open(const QString& raceCode) {
    raceCode_ = raceCode;
    const QList<SunGridRow> rows = LoadSunData(ctx_.db, raceCode);
    StrGridSunSet_->clearContents();
    const QStringList titles = SunGridTitles();
    const QStringList hints = SunGridHints();
    for (int c = 0; c < kSunGridColumns; ++c) {
        for (int r = 0; r < kSunGridHeaderRows; ++r) {
            auto* item = new QTableWidgetItem(r == 0 ? titles.at(c) : hints.at(c));
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(palette().button());
            StrGridSunSet_->setItem(r, c, item);
        }
    }
    for (int i = 0; i < rows.size() && kSunGridHeaderRows + i < kSunGridRows; ++i) {
        const SunGridRow& row = rows.at(i);
        const QStringList cells{row.raceDate, row.location, row.sunSet, row.sunRise};
        for (int c = 0; c < kSunGridColumns; ++c) {
            StrGridSunSet_->setItem(kSunGridHeaderRows + i, c, new QTableWidgetItem(cells.at(c)));
        }
    }
}

void SunDataPanel::startTyping() {
    StrGridSunSet_->setCurrentCell(kSunGridHeaderRows, 0);
    StrGridSunSet_->setFocus();
}

void SunDataPanel::save() {
    // A cell still open for typing counts with what it shows.
    StrGridSunSet_->setCurrentCell(0, 0);
    const auto cell = [this](int r, int c) {
        const QTableWidgetItem* item = StrGridSunSet_->item(r, c);
        return item ? item->text() : QString();
    };
    QList<SunGridRow> rows;
    for (int r = kSunGridHeaderRows; r < kSunGridRows; ++r) {
        rows << SunGridRow{cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3)};
    }
    SaveSunData(ctx_.db, raceCode_, rows);
    emit closed();
}
