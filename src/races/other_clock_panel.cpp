#include "other_clock_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/date_time.h"
#include "race_panel_parts.h"
#include "widgets/date_time_box.h"
#include "widgets/sql_grid.h"

namespace {

DateTimeBox* dateEdit(QWidget* parent, const char* name) {
    auto* e = new DateTimeBox(DateTimeBox::Kind::Date, parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

DateTimeBox* timeEdit(QWidget* parent, const char* name) {
    auto* e = new DateTimeBox(DateTimeBox::Kind::Time, parent);
    e->setObjectName(QLatin1String(name));
    e->setTime(QTime(0, 0));
    return e;
}

QHBoxLayout* pair(QWidget* a, QWidget* b) {
    auto* row = new QHBoxLayout;
    row->addWidget(a);
    row->addWidget(b);
    row->addStretch();
    return row;
}

void setMoment(DateTimeBox* date, DateTimeBox* time, const QDateTime& moment) {
    if (moment.isValid()) {
        date->setDate(moment.date());
        time->setTime(moment.time());
    }
}

// The moment two boxes hold; a box without a whole, real value is refused with the
// conversion message.
QDateTime momentOf(const DateTimeBox* date, const DateTimeBox* time) {
    return QDateTime(date->checkedDate(), time->checkedTime());
}

}  // namespace

OtherClockPanel::OtherClockPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlOtherClosk"));
    auto* layout = new QVBoxLayout(this);
    lblAddOtherClockTitle_ = RacePanelTitle(this, "lblAddOtherClockTitle", QString());
    layout->addWidget(lblAddOtherClockTitle_);

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    auto* memberRow = new QFormLayout;
    cbbLoftNo_OtherClock_ = new QComboBox(this);
    cbbLoftNo_OtherClock_->setObjectName(QStringLiteral("cbbLoftNo_OtherClock"));
    cbbLoftNo_OtherClock_->setMinimumContentsLength(20);
    connect(cbbLoftNo_OtherClock_, &QComboBox::activated, this,
            [this] { guarded(ctx_.prompts, [this] { memberChosen(); }); });
    memberRow->addRow(tr("Member :"), cbbLoftNo_OtherClock_);
    left->addLayout(memberRow);

    auto* clock = new QGroupBox(tr("Clock Setting"), this);
    clock->setObjectName(QStringLiteral("grpClockSetting"));
    auto* clockForm = new QFormLayout(clock);
    dtpMarkedDate_ = dateEdit(clock, "dtpMarkedDate");
    dtpMarkedTime_ = timeEdit(clock, "dtpMarkedTime");
    dtpMasterDate_ = dateEdit(clock, "dtpMasterDate");
    dtpMasterTime_ = timeEdit(clock, "dtpMasterTime");
    dtpMemberDate_ = dateEdit(clock, "dtpMemberDate");
    dtpMemberTime_ = timeEdit(clock, "dtpMemberTime");
    clockForm->addRow(tr("Marked set :"), pair(dtpMarkedDate_, dtpMarkedTime_));
    clockForm->addRow(tr("Master check :"), pair(dtpMasterDate_, dtpMasterTime_));
    clockForm->addRow(tr("Member check :"), pair(dtpMemberDate_, dtpMemberTime_));
    left->addWidget(clock);

    auto* pigeonForm = new QFormLayout;
    edtSearch_ = new QLineEdit(this);
    edtSearch_->setObjectName(QStringLiteral("edtSearch"));
    connect(edtSearch_, &QLineEdit::editingFinished, this,
            [this] { guarded(ctx_.prompts, [this] { search(); }); });
    pigeonForm->addRow(tr("Search"), edtSearch_);
    cbbSelPigNo_ = new QComboBox(this);
    cbbSelPigNo_->setObjectName(QStringLiteral("cbbSelPigNo"));
    cbbSelPigNo_->setEditable(true);
    cbbSelPigNo_->setInsertPolicy(QComboBox::NoInsert);
    connect(cbbSelPigNo_, &QComboBox::activated, this,
            [this] { guarded(ctx_.prompts, [this] { pigeonChosen(); }); });
    pigeonForm->addRow(tr("Select"), cbbSelPigNo_);
    dtpSelPigDate_ = dateEdit(this, "dtpSelPigDate");
    pigeonForm->addRow(tr("Date"), dtpSelPigDate_);
    dtpSelPigTime_ = timeEdit(this, "dtpSelPigTime");
    pigeonForm->addRow(tr("Time"), dtpSelPigTime_);
    left->addLayout(pigeonForm);

    auto* buttons = new QHBoxLayout;
    auto* addNew = RacePanelButton(this, "btnOtherClock_New", tr("AddNew"));
    auto* saveButton = RacePanelButton(this, "btnOtherClock_Save", tr("Save"));
    connect(addNew, &QPushButton::clicked, this, [this] { edtSearch_->setFocus(); });
    connect(saveButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { save(); }); });
    buttons->addWidget(addNew);
    buttons->addWidget(saveButton);
    buttons->addStretch();
    left->addLayout(buttons);
    left->addStretch();
    body->addLayout(left, 2);

    dbgrdOtherClock_ = new SqlGrid(this);
    dbgrdOtherClock_->setObjectName(QStringLiteral("dbgrdOtherClock"));
    dbgrdOtherClock_->setSortText(&RaceScreenSortText());
    dbgrdOtherClock_->setTitles(
        {{QStringLiteral("PRingNo"), tr("Ring ")}, {QStringLiteral("BackTime"), tr("Time")}});
    connect(dbgrdOtherClock_, &QAbstractItemView::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { pigeonClicked(); }); });
    body->addWidget(dbgrdOtherClock_, 3);

    const QDate today = ctx_.clock.today();
    for (DateTimeBox* d : {dtpMarkedDate_, dtpMasterDate_, dtpMemberDate_, dtpSelPigDate_}) {
        d->setDate(today);
    }
}

void OtherClockPanel::open(const QSqlRecord& race) {
    race_ = RaceKey{RecordText(race, "ClubID"), RecordText(race, "LiberCode"),
                    StrToDate(RecordText(race, "LiberDate"))};
    lblAddOtherClockTitle_->setText(tr("Add/Edit Other Clock     ") + race_.liberCode +
                                    QStringLiteral("    ") + RecordText(race, "LiberSiteAbbr") +
                                    QStringLiteral("    ") + RecordText(race, "LiberDate"));
    cbbLoftNo_OtherClock_->clear();
    cbbLoftNo_OtherClock_->addItems(OtherClockLoftNames(ctx_.db));
    cbbLoftNo_OtherClock_->setCurrentIndex(-1);
    cbbSelPigNo_->clear();
    dbgrdOtherClock_->gridModel()->clear();
}

void OtherClockPanel::memberChosen() {
    if (const auto loftNo = LoftNoOfName(ctx_.db, cbbLoftNo_OtherClock_->currentText())) {
        loftNo_ = *loftNo;
    }
    fillRings(OtherClockRings(ctx_.db, loftNo_));
    if (const auto readings = FindClockReadings(ctx_.db, race_, loftNo_)) {
        setMoment(dtpMarkedDate_, dtpMarkedTime_, readings->marked);
        setMoment(dtpMasterDate_, dtpMasterTime_, readings->master);
        setMoment(dtpMemberDate_, dtpMemberTime_, readings->member);
    }
    loadPigeons();
    dtpMarkedDate_->setFocus();
}

void OtherClockPanel::loadPigeons() {
    dbgrdOtherClock_->load(ctx_.db, OtherClockPigeonSql(),
                           {race_.liberCode, DateText(race_.liberDate), loftNo_});
    dbgrdOtherClock_->resizeColumnsToContents();
}

void OtherClockPanel::search() {
    fillRings(OtherClockRings(ctx_.db, loftNo_, edtSearch_->text()));
}

void OtherClockPanel::fillRings(const QStringList& rings) {
    cbbSelPigNo_->clear();
    cbbSelPigNo_->addItems(rings);
    // The arrival boxes always belong to the ring shown, so a save never puts one pigeon's
    // arrival (or today's date) over another's stored one.
    if (!rings.isEmpty()) {
        pigeonChosen();
    }
}

void OtherClockPanel::pigeonClicked() {
    const QSqlRecord row = dbgrdOtherClock_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    cbbSelPigNo_->setEditText(RecordText(row, "PRingNo"));
    pigeonChosen();
}

void OtherClockPanel::pigeonChosen() {
    const auto arrival = StoredArrival(ctx_.db, race_, cbbSelPigNo_->currentText());
    if (arrival) {
        dtpSelPigDate_->setDate(arrival->date());
        dtpSelPigTime_->setTime(arrival->time());
    } else {
        dtpSelPigDate_->setDate(ctx_.clock.today());
        dtpSelPigTime_->setTime(QTime(0, 0));
    }
}

void OtherClockPanel::save() {
    const ManualArrival entry{loftNo_, cbbSelPigNo_->currentText(),
                              ClockReadings{momentOf(dtpMarkedDate_, dtpMarkedTime_),
                                            momentOf(dtpMasterDate_, dtpMasterTime_),
                                            momentOf(dtpMemberDate_, dtpMemberTime_)},
                              momentOf(dtpSelPigDate_, dtpSelPigTime_)};
    const ManualArrivalResult result = SaveManualArrival(ctx_.db, race_, entry, ctx_.clock.now());
    loadPigeons();
    if (const QString warning = EarlyArrivalWarning(entry.ring, result); !warning.isEmpty()) {
        ctx_.prompts.message(warning);
    }
}
