#include "race_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/edit_controls.h"
#include "widgets/sql_grid.h"
#include "coordinates.h"
#include "data/date_time.h"
#include "data/display.h"
#include "flying_time.h"
#include "race_store.h"
#include "sun_data.h"

namespace {

// The one sort text of the screen's grids; it lasts while the program runs, so the lists come
// sorted the same way when the screen is opened again.
QString& raceScreenSortText() {
    static QString sortText;
    return sortText;
}

const QString kPointMask = QStringLiteral(">x000'00:00;_");
const QString kPrintLater = QStringLiteral("Printing comes in a later version of the program.");

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* title(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QString recordText(const QSqlRecord& rec, const char* field) {
    return rec.value(QLatin1String(field)).toString();
}

}  // namespace

QStringList TfrmRace::ActionItems() {
    return {QStringLiteral("Edit Point"),
            QStringLiteral("Delete Point"),
            QStringLiteral("-------------------------"),
            QStringLiteral("Distance "),
            QStringLiteral("Status"),
            QStringLiteral("Result"),
            QStringLiteral("-------------------------"),
            QStringLiteral("Add/Edit other Clock"),
            QStringLiteral("Distance download"),
            QStringLiteral("Generate WinSpeed File"),
            QStringLiteral("Generate SMS Text File")};
}

TfrmRace::TfrmRace(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmRace"));
    auto* layout = new QVBoxLayout(this);
    buildMainPanel();
    buildSunPanel();
    buildLoftDistPanel();
    buildDownloadPanel();
    for (QWidget* panel : {pnlRacePoint_, pnlSunData_, pnlLoftLibPointDist_, pnlDistDownLoad_}) {
        layout->addWidget(panel);
    }

    guarded(ctx_.prompts, [this] {
        fillClubs();
        fillSites();
        loadRaceList();
    });
    showPanel(pnlRacePoint_);
    grpClubMap_->hide();
    rgRacePoint_->hide();
    setPointFieldsEnabled(false);
    dtpLibDate_->setDate(ctx_.clock.today());
}

void TfrmRace::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    combClub_->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Building

void TfrmRace::buildMainPanel() {
    pnlRacePoint_ = new QWidget(this);
    pnlRacePoint_->setObjectName(QStringLiteral("pnlRacePoint"));
    auto* layout = new QVBoxLayout(pnlRacePoint_);
    layout->addWidget(title(pnlRacePoint_, "lblRacePoint", tr("Race Points")));

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    auto* listSide = new QVBoxLayout;
    dbgrd1_ = new SqlGrid(pnlRacePoint_);
    dbgrd1_->setObjectName(QStringLiteral("dbgrd1"));
    dbgrd1_->setSortText(&raceScreenSortText());
    dbgrd1_->setTitles({{QStringLiteral("ClubID"), tr("Club")},
                        {QStringLiteral("LiberCode"), tr("Code")},
                        {QStringLiteral("LiberSiteAbbr"), tr("LibSite Abbre.")},
                        {QStringLiteral("LiberSite"), tr("Liberation Site")},
                        {QStringLiteral("LiberDate"), tr("Lib. Date")},
                        {QStringLiteral("LiberTime"), tr("Lib. Time")}});
    dbgrd1_->gridModel()->setFormatter(
        QStringLiteral("LiberTime"),
        [](const QVariant& v, const QSqlRecord&) { return TimeText(ParseTime(v.toString())); });
    dbgrd1_->viewport()->installEventFilter(this);
    connect(dbgrd1_, &QAbstractItemView::clicked, this, [this] { selectRace(); });
    listSide->addWidget(dbgrd1_, 1);
    auto* print = button(pnlRacePoint_, "butPrtRacePoint", tr("Print"));
    print->setToolTip(kPrintLater);
    connect(print, &QPushButton::clicked, this, &TfrmRace::printLater);
    listSide->addWidget(print, 0, Qt::AlignLeft);
    body->addLayout(listSide, 3);

    auto* editorSide = new QVBoxLayout;
    grpLibDetail_ = new QGroupBox(tr("Liberation Points Detail"), pnlRacePoint_);
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

    medtRaceLon_ = new QLineEdit(grpLibDetail_);
    medtRaceLon_->setObjectName(QStringLiteral("medtRaceLon"));
    medtRaceLon_->setInputMask(kPointMask);
    medtRaceLon_->installEventFilter(this);
    form->addRow(tr("Longitude :"), medtRaceLon_);
    medtRaceLat_ = new QLineEdit(grpLibDetail_);
    medtRaceLat_->setObjectName(QStringLiteral("medtRaceLat"));
    medtRaceLat_->setInputMask(kPointMask);
    medtRaceLat_->installEventFilter(this);
    form->addRow(tr("Latitude :"), medtRaceLat_);

    dtpLibDate_ = new QDateEdit(grpLibDetail_);
    dtpLibDate_->setObjectName(QStringLiteral("dtpLibDate"));
    dtpLibDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtpLibDate_->setCalendarPopup(true);
    form->addRow(tr("Liberation Date :"), dtpLibDate_);
    dtpLibTime_ = new QTimeEdit(grpLibDetail_);
    dtpLibTime_->setObjectName(QStringLiteral("dtpLibTime"));
    dtpLibTime_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
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

    auto* sun = button(grpLibDetail_, "btnSetSunData", tr("SunData Setting"));
    connect(sun, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { openSunData(); }); });
    form->addRow(tr("Set SunSet/Sunrise :"), sun);

    auto* buttons = new QHBoxLayout;
    auto* ok = button(grpLibDetail_, "btnOK", tr("Save"));
    auto* cancel = button(grpLibDetail_, "btnCancel", tr("Cancel"));
    auto* addNewButton = button(grpLibDetail_, "btn1", tr("AddNew"));
    connect(ok, &QPushButton::clicked, this, [this] { guarded(ctx_.prompts, [this] { save(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { cancelEdit(); });
    connect(addNewButton, &QPushButton::clicked, this, [this] { addNew(); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(addNewButton);
    form->addRow(buttons);
    editorSide->addWidget(grpLibDetail_);

    grpClubMap_ = new QGroupBox(tr("Club"), pnlRacePoint_);
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
    auto* clubSave = button(grpClubMap_, "btnClubSave", tr("Save"));
    auto* clubCancel = button(grpClubMap_, "btnClubCancel", tr("Cancel"));
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

    // The action list floats over the race list, at the pointer.
    rgRacePoint_ = new QListWidget(this);
    rgRacePoint_->setObjectName(QStringLiteral("rgRacePoint"));
    rgRacePoint_->addItems(ActionItems());
    rgRacePoint_->setFrameShape(QFrame::Box);
    rgRacePoint_->setFixedSize(rgRacePoint_->sizeHintForColumn(0) + 24,
                               rgRacePoint_->sizeHintForRow(0) * rgRacePoint_->count() + 6);
    connect(rgRacePoint_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = rgRacePoint_->row(item);
        guarded(ctx_.prompts, [this, index] { actionChosen(index); });
        rgRacePoint_->hide();
        rgRacePoint_->clearSelection();
    });
}

void TfrmRace::buildSunPanel() {
    pnlSunData_ = new QWidget(this);
    pnlSunData_->setObjectName(QStringLiteral("pnlSunData"));
    auto* layout = new QVBoxLayout(pnlSunData_);
    layout->addWidget(title(pnlSunData_, "lblSunData", tr("Sunset / Sunrise")));
    StrGridSunSet_ = new QTableWidget(kSunGridRows, kSunGridColumns, pnlSunData_);
    StrGridSunSet_->setObjectName(QStringLiteral("StrGridSunSet"));
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
    auto* ok = button(pnlSunData_, "btnOK_Sun", tr("Save"));
    auto* cancel = button(pnlSunData_, "btnCan_Sun", tr("Cancel"));
    connect(ok, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { saveSunData(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { showPanel(pnlRacePoint_); });
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
}

void TfrmRace::prepareDistanceGrid(SqlGrid* grid) {
    grid->setSortText(&raceScreenSortText());
    grid->installEventFilter(this);
    const auto pending = [this](const char* field) {
        return [this, field](const QVariant& value, const QSqlRecord& row) {
            const QString typed = distanceEdit_.pendingText(
                recordText(row, "LiberCode"), recordText(row, "LoftNo"), QLatin1String(field));
            return typed.isNull() ? DistanceCellText(value) : typed;
        };
    };
    grid->gridModel()->setFormatter(QStringLiteral("Miles"), pending("Miles"));
    grid->gridModel()->setFormatter(QStringLiteral("Yards"), pending("Yards"));
    // Leaving a row with a pending edit stores it, as a data grid does.
    connect(
        grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this, grid](const QModelIndex& current) {
            const QSqlRecord row = grid->gridModel()->record(current.row());
            if (distanceEdit_.editing() &&
                !distanceEdit_.isPending(recordText(row, "LiberCode"), recordText(row, "LoftNo"))) {
                QTimer::singleShot(0, this, [this, grid] {
                    guarded(ctx_.prompts, [this, grid] { postDistanceEdit(grid); });
                });
            }
        });
}

void TfrmRace::buildLoftDistPanel() {
    pnlLoftLibPointDist_ = new QWidget(this);
    pnlLoftLibPointDist_->setObjectName(QStringLiteral("pnlLoftLibPointDist"));
    auto* layout = new QVBoxLayout(pnlLoftLibPointDist_);
    lblLoftPointDistTitle_ = title(pnlLoftLibPointDist_, "lblLoftPointDistTitle", QString());
    layout->addWidget(lblLoftPointDistTitle_);
    dbgrdLoftLibDist_ = new SqlGrid(pnlLoftLibPointDist_);
    dbgrdLoftLibDist_->setObjectName(QStringLiteral("dbgrdLoftLibDist"));
    prepareDistanceGrid(dbgrdLoftLibDist_);
    layout->addWidget(dbgrdLoftLibDist_, 1);
    auto* buttons = new QHBoxLayout;
    auto* update = button(pnlLoftLibPointDist_, "btnLoftDistUpdate", tr("LoftDistUpdate"));
    auto* ok = button(pnlLoftLibPointDist_, "btnLoftLibDist", tr("OK"));
    auto* print = button(pnlLoftLibPointDist_, "butPrtLoftRaceDist", tr("Print"));
    print->setToolTip(kPrintLater);
    connect(update, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { loftDistUpdate(); }); });
    connect(ok, &QPushButton::clicked, this, [this] {
        guarded(ctx_.prompts, [this] { postDistanceEdit(dbgrdLoftLibDist_); });
        showPanel(pnlRacePoint_);
    });
    connect(print, &QPushButton::clicked, this, &TfrmRace::printLater);
    buttons->addWidget(update);
    buttons->addWidget(ok);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void TfrmRace::buildDownloadPanel() {
    pnlDistDownLoad_ = new QWidget(this);
    pnlDistDownLoad_->setObjectName(QStringLiteral("pnlDistDownLoad"));
    auto* layout = new QVBoxLayout(pnlDistDownLoad_);
    lblLoftDistDL_ = title(pnlDistDownLoad_, "lblLoftDistDL", QString());
    layout->addWidget(lblLoftDistDL_);
    dbgridDistDL_ = new SqlGrid(pnlDistDownLoad_);
    dbgridDistDL_->setObjectName(QStringLiteral("dbgridDistDL"));
    prepareDistanceGrid(dbgridDistDL_);
    layout->addWidget(dbgridDistDL_, 1);
    auto* fileRow = new QHBoxLayout;
    auto* choose = button(pnlDistDownLoad_, "Button1", tr("File Selected :"));
    labFilePath_ = new QLabel(pnlDistDownLoad_);
    labFilePath_->setObjectName(QStringLiteral("labFilePath"));
    connect(choose, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { chooseDistanceFile(); }); });
    fileRow->addWidget(choose);
    fileRow->addWidget(labFilePath_, 1);
    layout->addLayout(fileRow);
    auto* buttons = new QHBoxLayout;
    butDistDL_ = button(pnlDistDownLoad_, "butDistDL", tr("DownLoad"));
    auto* print = button(pnlDistDownLoad_, "butDistDLPrt", tr("Print"));
    print->setToolTip(kPrintLater);
    connect(butDistDL_, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { downloadDistances(); }); });
    connect(print, &QPushButton::clicked, this, &TfrmRace::printLater);
    buttons->addWidget(butDistDL_);
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void TfrmRace::showPanel(QWidget* panel) {
    for (QWidget* p : {pnlRacePoint_, pnlSunData_, pnlLoftLibPointDist_, pnlDistDownLoad_}) {
        p->setVisible(p == panel);
    }
}

// ---------------------------------------------------------------------------------------------
// Main panel

void TfrmRace::fillClubs() {
    combClub_->clear();
    combClub_->addItems(ClubNames(ctx_.db));
}

void TfrmRace::fillSites() {
    combLibSite_->clear();
    combLibSite_->addItems(LiberSiteNames(ctx_.db));
    combLibSite_->setCurrentIndex(-1);
    combLibSite_->setEditText(QString());
}

void TfrmRace::loadRaceList() {
    dbgrd1_->load(ctx_.db, RaceListSql());
}

void TfrmRace::setPointFieldsEnabled(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(edtlibSiteAbbriv_), static_cast<QWidget*>(edtLibCode_),
                       static_cast<QWidget*>(medtRaceLon_), static_cast<QWidget*>(medtRaceLat_)}) {
        w->setEnabled(enabled);
    }
}

void TfrmRace::selectRace() {
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    guarded(ctx_.prompts, [&] {
        const auto race = FindRace(ctx_.db, recordText(row, "LiberCode"),
                                   ParseDate(recordText(row, "LiberDate")));
        if (!race) {
            return;
        }
        combClub_->setCurrentIndex(combClub_->findText(race->clubName));
        edtLibCode_->setText(race->code);
        edtlibSiteAbbriv_->setText(race->abbreviation);
        combLibSite_->setEditText(race->site);
        medtRaceLon_->setText(race->longitude);
        medtRaceLat_->setText(race->latitude);
        dtpLibDate_->setDate(race->date);
        dtpLibTime_->setTime(race->time.isValid() ? race->time : QTime(0, 0));
    });
}

void TfrmRace::cancelEdit() {
    combLibSite_->setEditText(QString());
    edtlibSiteAbbriv_->clear();
    medtRaceLon_->clear();
    medtRaceLat_->clear();
    edtLibCode_->clear();
    grpLibDetail_->setEnabled(true);
    setPointFieldsEnabled(false);
    chkLibPoint_->setChecked(false);
}

void TfrmRace::addNew() {
    cancelEdit();
    combClub_->setFocus();
    const QDateTime now = ctx_.clock.now();
    dtpLibDate_->setDate(now.date());
    dtpLibTime_->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

void TfrmRace::customizedPoint() {
    combLibSite_->setEnabled(true);
    setPointFieldsEnabled(true);
    edtlibSiteAbbriv_->setFocus();
}

void TfrmRace::siteChosen() {
    const auto site = FindLiberSite(ctx_.db, combLibSite_->currentText());
    if (!site || chkLibPoint_->isChecked()) {
        return;
    }
    edtlibSiteAbbriv_->setText(site->abbreviation);
    edtLibCode_->setText(site->code);
    medtRaceLon_->setText(site->longitude);
    medtRaceLat_->setText(site->latitude);
}

void TfrmRace::save() {
    RaceEditorData race;
    race.clubName = combClub_->currentText();
    race.code = edtLibCode_->text();
    race.site = combLibSite_->currentText();
    race.abbreviation = edtlibSiteAbbriv_->text();
    race.longitude = MaskedText(medtRaceLon_);
    race.latitude = MaskedText(medtRaceLat_);
    race.date = dtpLibDate_->date();
    race.time = dtpLibTime_->time();
    const RaceSaveResult result = SaveRace(ctx_.db, ctx_.prompts, ctx_.clock, race);
    if (result.siteCreated) {
        chkLibPoint_->setChecked(false);
        edtlibSiteAbbriv_->setEnabled(false);
        edtLibCode_->setEnabled(false);
    }
    if (!result.saved) {
        return;
    }
    loadRaceList();
    setPointFieldsEnabled(false);
    const QString site = combLibSite_->currentText();
    fillSites();
    combLibSite_->setEditText(site);
}

void TfrmRace::deleteRace() {
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    if (DeleteRace(ctx_.db, ctx_.prompts, recordText(row, "ClubID"), recordText(row, "LiberCode"),
                   recordText(row, "LiberDate"))) {
        loadRaceList();
    }
}

void TfrmRace::deleteSite() {
    DeleteLiberSite(ctx_.db, edtLibCode_->text());
    fillSites();
}

void TfrmRace::saveClub() {
    AddClub(ctx_.db, edtClubCode_->text(), edtClubNmae_->text());
    grpClubMap_->hide();
    fillClubs();
}

void TfrmRace::deleteClub() {
    DeleteClub(ctx_.db, combClub_->currentText());
    fillClubs();
}

void TfrmRace::printLater() {
    ctx_.prompts.information(kPrintLater);
}

void TfrmRace::actionChosen(int index) {
    switch (index) {
        case 0:
            selectRace();
            break;
        case 1:
            deleteRace();
            break;
        case 3:
            openLoftDistances();
            break;
        case 8:
            openDistanceDownload();
            break;
        case 4:
        case 5:
        case 7:
        case 9:
        case 10:
            ctx_.prompts.information(
                QStringLiteral("\"%1\" comes in a later version of the program.")
                    .arg(ActionItems().at(index)));
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Sun data

void TfrmRace::openSunData() {
    const QString raceCode = RaceCodeOf(edtLibCode_->text(), dtpLibDate_->date());
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
    showPanel(pnlSunData_);
    StrGridSunSet_->setCurrentCell(kSunGridHeaderRows, 0);
    StrGridSunSet_->setFocus();
}

void TfrmRace::saveSunData() {
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
    SaveSunData(ctx_.db, RaceCodeOf(edtLibCode_->text(), dtpLibDate_->date()), rows);
    showPanel(pnlRacePoint_);
}

// ---------------------------------------------------------------------------------------------
// Loft distances

void TfrmRace::setDistanceTitles(SqlGrid* grid) {
    const int mode = ClubDistanceMode(ctx_.db);
    grid->setTitles({{QStringLiteral("LoftName"), tr("Member")},
                     {QStringLiteral("Miles"), MilesTitle(mode)},
                     {QStringLiteral("Yards"), YardsTitle(mode)}});
}

void TfrmRace::openLoftDistances() {
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    distanceEdit_.cancel();
    distanceFilterCode_ = recordText(row, "LiberCode");
    distanceFiltered_ = true;
    lblLoftPointDistTitle_->setText(tr("Member loft distance to ") + recordText(row, "LiberSite"));
    setDistanceTitles(dbgrdLoftLibDist_);
    dbgrdLoftLibDist_->load(ctx_.db, LoftDistanceSql(true), {distanceFilterCode_});
    dbgrdLoftLibDist_->hideColumn(0);
    showPanel(pnlLoftLibPointDist_);
}

void TfrmRace::loftDistUpdate() {
    distanceEdit_.cancel();
    const QSqlRecord row = dbgrd1_->currentRecord();
    if (row.isEmpty()) {
        return;
    }
    LoftDistUpdate(ctx_.db, ctx_.prompts, recordText(row, "ClubID"), recordText(row, "LiberCode"),
                   recordText(row, "LiberDate"));
    dbgrdLoftLibDist_->reload();
}

void TfrmRace::openDistanceDownload() {
    lblLoftDistDL_->setText(tr(" Race distance download "));
    butDistDL_->setEnabled(false);
    setDistanceTitles(dbgridDistDL_);
    if (distanceFiltered_) {
        dbgridDistDL_->load(ctx_.db, LoftDistanceSql(true), {distanceFilterCode_});
    } else {
        dbgridDistDL_->load(ctx_.db, LoftDistanceSql(false));
    }
    showPanel(pnlDistDownLoad_);
}

void TfrmRace::chooseDistanceFile() {
    const QString file = ctx_.prompts.openFileName(QStringLiteral("Texe file (*.TXT *.txt)"));
    if (file.isEmpty()) {
        labFilePath_->clear();
        butDistDL_->setEnabled(false);
        return;
    }
    labFilePath_->setText(QFileInfo(file).absoluteFilePath());
    butDistDL_->setEnabled(true);
}

void TfrmRace::downloadDistances() {
    distanceEdit_.cancel();
    try {
        DownloadDistances(ctx_.db, ctx_.prompts, labFilePath_->text());
    } catch (...) {
        dbgridDistDL_->reload();  // the lines before the bad one are stored
        throw;
    }
    dbgridDistDL_->reload();
}

void TfrmRace::postDistanceEdit(SqlGrid* grid) {
    if (!distanceEdit_.editing()) {
        return;
    }
    // The grid comes back on the cell it was on.
    const QModelIndex at = grid->currentIndex();
    const auto reload = [grid, at] {
        grid->reload();
        if (at.isValid() && at.row() < grid->model()->rowCount()) {
            grid->setCurrentIndex(grid->model()->index(at.row(), at.column()));
        }
    };
    try {
        distanceEdit_.post(ctx_.db);
    } catch (...) {
        reload();
        throw;
    }
    reload();
}

bool TfrmRace::distanceGridKey(SqlGrid* grid, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        return false;
    }
    const QModelIndex index = grid->currentIndex();
    if (!index.isValid()) {
        return false;
    }
    const QSqlRecord row = grid->gridModel()->record(index.row());
    const QString field = grid->gridModel()->record().fieldName(index.column());
    switch (
        distanceEdit_.key(text, recordText(row, "LiberCode"), recordText(row, "LoftNo"), field)) {
        case DistanceGridEdit::Action::Post:
            guarded(ctx_.prompts, [this, grid] { postDistanceEdit(grid); });
            break;
        case DistanceGridEdit::Action::Typed:
        case DistanceGridEdit::Action::Cancel:
            grid->viewport()->update();
            break;
        case DistanceGridEdit::Action::None:
            break;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Events: the action list at the pointer, the code keys, the coordinate checks, grid typing.

bool TfrmRace::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgrd1_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint()) + QPoint(30, 10);
            rgRacePoint_->move(at);
            rgRacePoint_->raise();
            rgRacePoint_->show();
        } else {
            rgRacePoint_->hide();
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
    if (event->type() == QEvent::KeyPress &&
        (watched == dbgrdLoftLibDist_ || watched == dbgridDistDL_)) {
        return distanceGridKey(static_cast<SqlGrid*>(watched), event);
    }
    return QWidget::eventFilter(watched, event);
}
