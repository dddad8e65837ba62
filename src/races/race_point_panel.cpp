#include "race_point_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "competitions/race_type_box.h"
#include "competitions/race_types.h"
#include "coordinates.h"
#include "data/date_time.h"
#include "data/display.h"
#include "flying_time.h"
#include "pasted_coordinates.h"
#include "race_panel_parts.h"
#include "race_store.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "result_lock.h"
#include "widgets/coordinate_box.h"
#include "widgets/date_time_box.h"
#include "widgets/edit_controls.h"
#include "widgets/sql_grid.h"

namespace {
const QString kPointMask = QStringLiteral(">x000'00:00;_");
}

RacePointPanel::RacePointPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlRacePoint"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RacePanelTitle(this, "lblRacePoint", tr("Race Points")));

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    auto* listSide = new QVBoxLayout;
    dbgrd1_ = new SqlGrid(this);
    dbgrd1_->setObjectName(QStringLiteral("dbgrd1"));
    dbgrd1_->setSortText(&RaceScreenSortText());
    dbgrd1_->setTitles({{QStringLiteral("ClubID"), tr("Club")},
                        {QStringLiteral("LiberCode"), tr("Code")},
                        {QStringLiteral("LiberSiteAbbr"), tr("LibSite Abbre.")},
                        {QStringLiteral("LiberSite"), tr("Liberation Site")},
                        {QStringLiteral("LiberDate"), tr("Lib. Date")},
                        {QStringLiteral("LiberTime"), tr("Lib. Time")},
                        {QStringLiteral("Result"), tr("Result")}});
    dbgrd1_->gridModel()->setFormatter(
        QStringLiteral("LiberTime"),
        [](const QVariant& v, const QSqlRecord&) { return TimeText(ParseTime(v.toString())); });
    dbgrd1_->gridModel()->setFormatter(
        QStringLiteral("Result"), [this](const QVariant&, const QSqlRecord& r) {
            const QDate date = ParseDate(r.value(QStringLiteral("LiberDate")).toString());
            return date.isValid() ? ResultStateCaption(locks_.value(ResultLockKey(
                                        r.value(QStringLiteral("LiberCode")).toString(), date)))
                                  : QString();
        });
    dbgrd1_->viewport()->installEventFilter(this);
    connect(dbgrd1_, &QAbstractItemView::clicked, this, [this] { selectRace(); });
    connect(dbgrd1_, &QAbstractItemView::doubleClicked, this, &RacePointPanel::raceDoubleClicked);
    listSide->addWidget(dbgrd1_, 1);
    auto* print = RacePanelButton(this, "butPrtRacePoint", tr("Print"));
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return RaceListReport(ReadClubHeading(ctx_.db), *dbgrd1_->gridModel());
        });
    });
    listSide->addWidget(print, 0, Qt::AlignLeft);
    body->addLayout(listSide, 3);

    auto* editorSide = new QVBoxLayout;
    grpLibDetail_ = new QGroupBox(tr("Liberation Points Detail"), this);
    grpLibDetail_->setObjectName(QStringLiteral("grpLibDetail"));
    auto* form = new QFormLayout(grpLibDetail_);

    combClub_ = new QComboBox(grpLibDetail_);
    combClub_->setObjectName(QStringLiteral("combClub"));
    combClub_->setContextMenuPolicy(Qt::CustomContextMenu);
    form->addRow(tr("Club :"), combClub_);

    edtlibSiteAbbriv_ = new QLineEdit(grpLibDetail_);
    edtlibSiteAbbriv_->setObjectName(QStringLiteral("edtlibSiteAbbriv"));
    edtlibSiteAbbriv_->setMaxLength(10);
    SetUpperCase(edtlibSiteAbbriv_);
    form->addRow(tr("Liberate Site Abbreviation  :"), edtlibSiteAbbriv_);

    combLibSite_ = new QComboBox(grpLibDetail_);
    combLibSite_->setObjectName(QStringLiteral("combLibSite"));
    combLibSite_->setEditable(true);
    combLibSite_->setInsertPolicy(QComboBox::NoInsert);
    combLibSite_->lineEdit()->setMaxLength(20);
    combLibSite_->setContextMenuPolicy(Qt::CustomContextMenu);
    combLibSite_->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(combLibSite_, &QComboBox::activated, this,
            [this] { guarded(ctx_.prompts, [this] { siteChosen(); }); });
    form->addRow(tr("Liberation Site :"), combLibSite_);

    medtRaceLon_ = new CoordinateBox(grpLibDetail_);
    medtRaceLon_->setObjectName(QStringLiteral("medtRaceLon"));
    medtRaceLon_->setInputMask(kPointMask);
    medtRaceLon_->installEventFilter(this);
    FitToCharacters(medtRaceLon_, 10);
    form->addRow(tr("Longitude :"), medtRaceLon_);
    medtRaceLat_ = new CoordinateBox(grpLibDetail_);
    medtRaceLat_->setObjectName(QStringLiteral("medtRaceLat"));
    medtRaceLat_->setInputMask(kPointMask);
    medtRaceLat_->installEventFilter(this);
    FitToCharacters(medtRaceLat_, 10);
    form->addRow(tr("Latitude :"), medtRaceLat_);
    // A pasted coordinate lands in the stored form, and what it became is shown here.
    lblCoordPasted_ = new QLabel(grpLibDetail_);
    lblCoordPasted_->setObjectName(QStringLiteral("lblCoordPasted"));
    lblCoordPasted_->setWordWrap(true);
    form->addRow(lblCoordPasted_);
    for (auto [box, axis] : {std::pair{medtRaceLon_, CoordinateAxis::Longitude},
                             std::pair{medtRaceLat_, CoordinateAxis::Latitude}}) {
        const CoordinateAxis boxAxis = axis;  // a structured binding cannot be captured in C++17
        connect(box, &CoordinateBox::pasted, this, [this, boxAxis](const QString& text) {
            guarded(ctx_.prompts, [&] { coordinatesPasted(text, boxAxis); });
        });
    }

    dtpLibDate_ = new DateTimeBox(DateTimeBox::Kind::Date, grpLibDetail_);
    dtpLibDate_->setObjectName(QStringLiteral("dtpLibDate"));
    form->addRow(tr("Liberation Date :"), dtpLibDate_);
    dtpLibTime_ = new DateTimeBox(DateTimeBox::Kind::Time, grpLibDetail_);
    dtpLibTime_->setObjectName(QStringLiteral("dtpLibTime"));
    form->addRow(tr("Liberation Time :"), dtpLibTime_);

    edtLibCode_ = new QLineEdit(grpLibDetail_);
    edtLibCode_->setObjectName(QStringLiteral("edtLibCode"));
    edtLibCode_->setMaxLength(4);
    edtLibCode_->installEventFilter(this);
    form->addRow(tr("Liberation Code :"), edtLibCode_);

    chkLibPoint_ = new QCheckBox(tr("Customized LibPoint"), grpLibDetail_);
    chkLibPoint_->setObjectName(QStringLiteral("chkLibPoint"));
    connect(chkLibPoint_, &QCheckBox::clicked, this, [this] { customizedPoint(); });
    form->addRow(tr("Custmized Lib. Point :"), chkLibPoint_);

    raceTypes_ = new RaceTypeBox(grpLibDetail_);
    raceTypes_->setObjectName(QStringLiteral("boxRaceTypes"));
    form->addRow(tr("Race Types :"), raceTypes_);

    auto* sun = RacePanelButton(grpLibDetail_, "btnSetSunData", tr("SunData Setting"));
    connect(sun, &QPushButton::clicked, this, [this] {
        guarded(ctx_.prompts, [this] {
            emit sunDataRequested(RaceCodeOf(edtLibCode_->text(), dtpLibDate_->checkedDate()));
        });
    });
    form->addRow(tr("Set SunSet/Sunrise :"), sun);

    auto* buttons = new QHBoxLayout;
    auto* ok = RacePanelButton(grpLibDetail_, "btnOK", tr("Save"));
    auto* cancel = RacePanelButton(grpLibDetail_, "btnCancel", tr("Cancel"));
    auto* addNewButton = RacePanelButton(grpLibDetail_, "btn1", tr("AddNew"));
    connect(ok, &QPushButton::clicked, this, [this] { guarded(ctx_.prompts, [this] { save(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { cancelEdit(); });
    connect(addNewButton, &QPushButton::clicked, this, [this] { addNew(); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(addNewButton);
    form->addRow(buttons);
    editorSide->addWidget(grpLibDetail_);

    grpClubMap_ = new QGroupBox(tr("Club"), this);
    grpClubMap_->setObjectName(QStringLiteral("grpClubMap"));
    auto* clubForm = new QFormLayout(grpClubMap_);
    edtClubCode_ = new QLineEdit(grpClubMap_);
    edtClubCode_->setObjectName(QStringLiteral("edtClubCode"));
    edtClubCode_->setMaxLength(10);
    clubForm->addRow(tr("ClubCode :"), edtClubCode_);
    edtClubNmae_ = new QLineEdit(grpClubMap_);
    edtClubNmae_->setObjectName(QStringLiteral("edtClubNmae"));
    edtClubNmae_->setMaxLength(50);
    clubForm->addRow(tr("ClubName : "), edtClubNmae_);
    auto* clubButtons = new QHBoxLayout;
    auto* clubSave = RacePanelButton(grpClubMap_, "btnClubSave", tr("Save"));
    auto* clubCancel = RacePanelButton(grpClubMap_, "btnClubCancel", tr("Cancel"));
    connect(clubSave, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { saveClub(); }); });
    connect(clubCancel, &QPushButton::clicked, grpClubMap_, &QWidget::hide);
    clubButtons->addWidget(clubSave);
    clubButtons->addWidget(clubCancel);
    clubForm->addRow(clubButtons);
    editorSide->addWidget(grpClubMap_);
    editorSide->addStretch();
    body->addLayout(editorSide, 2);

    pmClubCode_ = new QMenu(this);
    pmClubCode_->setObjectName(QStringLiteral("pmClubCode"));
    connect(pmClubCode_->addAction(tr("&A Add")), &QAction::triggered, this, [this] {
        // A new club starts from empty boxes, not from the club typed the last time.
        edtClubCode_->clear();
        edtClubNmae_->clear();
        grpClubMap_->show();
        edtClubCode_->setFocus();
    });
    connect(pmClubCode_->addAction(tr("&D Delete")), &QAction::triggered, this,
            [this] { guarded(ctx_.prompts, [this] { deleteClub(); }); });
    pmClubCode_->addAction(tr("&E Exit"));
    connect(combClub_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { pmClubCode_->popup(combClub_->mapToGlobal(pos)); });

    pmLiberSite_ = new QMenu(this);
    pmLiberSite_->setObjectName(QStringLiteral("pmLiberSite"));
    connect(pmLiberSite_->addAction(tr("&D Delete")), &QAction::triggered, this,
            [this] { guarded(ctx_.prompts, [this] { deleteSite(); }); });
    pmLiberSite_->addAction(tr("&E Exit"));
    const auto siteMenu = [this](const QPoint&) { pmLiberSite_->popup(QCursor::pos()); };
    connect(combLibSite_, &QWidget::customContextMenuRequested, this, siteMenu);
    connect(combLibSite_->lineEdit(), &QWidget::customContextMenuRequested, this, siteMenu);

    guarded(ctx_.prompts, [this] {
        fillClubs();
        fillSites();
        loadRaceList();
    });
    grpClubMap_->hide();
    setPointFieldsEnabled(false);
    dtpLibDate_->setDate(ctx_.clock.today());
    dtpLibTime_->setTime(QTime(0, 0));
}

QSqlRecord RacePointPanel::currentRace() const {
    return dbgrd1_->currentRecord();
}

void RacePointPanel::focusClub() {
    combClub_->setFocus();
    raceTypes_->setChoices(ClubRaceTypes(ctx_.db));
}

void RacePointPanel::fillClubs() {
    combClub_->clear();
    combClub_->addItems(ClubNames(ctx_.db));
}

void RacePointPanel::fillSites() {
    combLibSite_->clear();
    combLibSite_->addItems(LiberSiteNames(ctx_.db));
    combLibSite_->setCurrentIndex(-1);
    combLibSite_->setEditText(QString());
}

void RacePointPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] {
            locks_ = ReadResultLocks(ctx_.db);
            dbgrd1_->viewport()->update();
        });
    }
}

void RacePointPanel::loadRaceList() {
    locks_ = ReadResultLocks(ctx_.db);
    dbgrd1_->load(ctx_.db, RaceListSql());
    // Every column as wide as its title or its widest text, so nothing is cut short.
    dbgrd1_->resizeColumnsToContents();
}

void RacePointPanel::setPointFieldsEnabled(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(edtlibSiteAbbriv_), static_cast<QWidget*>(edtLibCode_),
                       static_cast<QWidget*>(medtRaceLon_), static_cast<QWidget*>(medtRaceLat_)}) {
        w->setEnabled(enabled);
    }
}

void RacePointPanel::selectRace() {
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    guarded(ctx_.prompts, [&] {
        showRace(RecordText(row, "LiberCode"), ParseDate(RecordText(row, "LiberDate")));
    });
}

void RacePointPanel::showRace(const QString& code, const QDate& date) {
    // Read before the editor is filled, so that a change made meanwhile is seen at Save.
    loadedRace_.reset();
    EditedRow loaded = RaceEditedRow(ctx_.db, code, date);
    const auto race = FindRace(ctx_.db, code, date);
    if (!race) {
        return;
    }
    loadedRace_ = loaded;
    combClub_->setCurrentIndex(combClub_->findText(race->clubName));
    edtLibCode_->setText(race->code);
    edtlibSiteAbbriv_->setText(race->abbreviation);
    combLibSite_->setEditText(race->site);
    lblCoordPasted_->clear();
    medtRaceLon_->setText(race->longitude);
    medtRaceLat_->setText(race->latitude);
    dtpLibDate_->setDate(race->date);
    dtpLibTime_->setTime(race->time.isValid() ? race->time : QTime(0, 0));
    loadedDate_ = race->date;
    raceTypes_->setTypes(RaceTypes(ctx_.db, RaceId{race->code, race->date}));
}

void RacePointPanel::cancelEdit() {
    combLibSite_->setEditText(QString());
    edtlibSiteAbbriv_->clear();
    medtRaceLon_->clear();
    medtRaceLat_->clear();
    lblCoordPasted_->clear();
    edtLibCode_->clear();
    loadedDate_ = QDate();
    loadedRace_.reset();
    raceTypes_->setTypes({});
    grpLibDetail_->setEnabled(true);
    setPointFieldsEnabled(false);
    chkLibPoint_->setChecked(false);
}

void RacePointPanel::addNew() {
    cancelEdit();
    combClub_->setFocus();
    const QDateTime now = ctx_.clock.now();
    dtpLibDate_->setDate(now.date());
    dtpLibTime_->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

void RacePointPanel::customizedPoint() {
    combLibSite_->setEnabled(true);
    setPointFieldsEnabled(true);
    edtlibSiteAbbriv_->setFocus();
}

void RacePointPanel::siteChosen() {
    const auto site = FindLiberSite(ctx_.db, combLibSite_->currentText());
    if (!site || chkLibPoint_->isChecked()) {
        return;
    }
    edtlibSiteAbbriv_->setText(site->abbreviation);
    edtLibCode_->setText(site->code);
    medtRaceLon_->setText(site->longitude);
    medtRaceLat_->setText(site->latitude);
}

void RacePointPanel::save() {
    RaceEditorData race;
    race.clubName = combClub_->currentText();
    race.code = edtLibCode_->text();
    race.site = combLibSite_->currentText();
    race.abbreviation = edtlibSiteAbbriv_->text();
    race.longitude = MaskedText(medtRaceLon_);
    race.latitude = MaskedText(medtRaceLat_);
    race.date = dtpLibDate_->checkedDate();
    race.time = dtpLibTime_->checkedTime();
    race.loadedDate = loadedDate_;
    const RaceSaveResult result =
        SaveRace(ctx_.db, ctx_.prompts, ctx_.clock, race, loadedRace_ ? &*loadedRace_ : nullptr);
    if (result.reload) {
        // Changed on another seat: the editor shows the race as it is stored now.
        loadRaceList();
        showRace(race.code, race.date);
        return;
    }
    if (result.siteCreated) {
        chkLibPoint_->setChecked(false);
        edtlibSiteAbbriv_->setEnabled(false);
        edtLibCode_->setEnabled(false);
    }
    if (!result.saved) {
        return;
    }
    // The editor now shows the race just saved; its types go with it (a race saved under a
    // new date keeps the types chosen in the editor).
    loadedDate_ = race.date;
    loadedRace_ = RaceEditedRow(ctx_.db, race.code, race.date);
    SetRaceTypes(ctx_.db, RaceId{race.code, race.date}, raceTypes_->types());
    loadRaceList();
    setPointFieldsEnabled(false);
    const QString site = combLibSite_->currentText();
    fillSites();
    combLibSite_->setEditText(site);
}

void RacePointPanel::deleteRace() {
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    if (DeleteRace(ctx_.db, ctx_.prompts, RecordText(row, "ClubID"), RecordText(row, "LiberCode"),
                   RecordText(row, "LiberDate"))) {
        loadRaceList();
    }
}

void RacePointPanel::deleteSite() {
    if (DeleteLiberSite(ctx_.db, ctx_.prompts, edtLibCode_->text())) {
        fillSites();
    }
}

void RacePointPanel::saveClub() {
    AddClub(ctx_.db, edtClubCode_->text(), edtClubNmae_->text());
    grpClubMap_->hide();
    fillClubs();
}

void RacePointPanel::deleteClub() {
    if (!combClub_->currentText().isEmpty() &&
        DeleteClub(ctx_.db, ctx_.prompts, combClub_->currentText())) {
        fillClubs();
    }
}

// Events: the action list at the pointer, the code keys, the coordinate checks.

void RacePointPanel::coordinatesPasted(const QString& text, CoordinateAxis axis) {
    lblCoordPasted_->clear();
    const PastedCoordinates pasted = ConvertPastedCoordinates(text, axis, CoordinateForm::Point);
    if (pasted.latitude) {
        medtRaceLat_->setText(*pasted.latitude);
    }
    if (pasted.longitude) {
        medtRaceLon_->setText(*pasted.longitude);
    }
    lblCoordPasted_->setText(PastedCoordinatesNote(pasted, CoordinateForm::Point));
}

bool RacePointPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgrd1_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            emit actionListRequested(mouse->globalPosition().toPoint());
        } else {
            emit actionListDismissed();
        }
        return false;
    }
    if (watched == edtLibCode_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Typed characters only: Delete carries the DEL character on some systems and keeps
        // its own meaning.
        if (!text.isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
            key->key() != Qt::Key_Delete && !LiberCodeKeyAllowed(text.front())) {
            edtLibCode_->backspace();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
        // Leaving one coordinate checks the other one of the pair (not when a message box or
        // a menu takes the focus for a moment).
        if (watched == medtRaceLat_) {
            const QString lon = MaskedText(medtRaceLon_);
            guarded(ctx_.prompts, [&] { CheckCoordText(lon, kLongitudeOver60); });
        } else if (watched == medtRaceLon_) {
            const QString lat = MaskedText(medtRaceLat_);
            guarded(ctx_.prompts, [&] { CheckCoordText(lat, kLatitudeOver60); });
        }
        return false;
    }
    return QWidget::eventFilter(watched, event);
}
