#include "member_screen.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSqlRecord>
#include <QTimer>
#include <QVBoxLayout>

#include "data/date_time.h"
#include "data/translate.h"
#include "members/feather_colours.h"
#include "members/loft_data_download.h"
#include "members/ring_numbers.h"
#include "members/ring_store.h"
#include "members/ring_workbook.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "widgets/coordinate_box.h"
#include "widgets/edit_controls.h"
#include "widgets/progress_dialog.h"
#include "widgets/sql_grid.h"

namespace {
// The one sort text of the member screen's grids, kept for the whole run of the program.
QString gSortText;

// The ring form's limits for a country ring code without a rule of its own.
constexpr int kLetterLimit = 5;
constexpr int kNumberLimit = 7;

// Characters a member's association code may be typed with.
constexpr int kUnionCodeLimit = 6;

// Loft coordinates: hemisphere letter, degrees, minutes, seconds and hundredths.
const QString kLoftCoordMask = QStringLiteral(">x000'00:00.00;_");

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* lineEdit(const char* name, int maxLength, QWidget* parent) {
    auto* edit = named(new QLineEdit(parent), name);
    edit->setMaxLength(maxLength);
    return edit;
}

// Puts a text the program supplies into a box whole: the box's limit holds what is typed, and
// a longer stored or club value must not be cut short (and stored so) by it.
void setWholeText(QLineEdit* edit, const QString& text, int limit) {
    edit->setMaxLength(qMax(limit, int(text.size())));
    edit->setText(text);
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    return named(new QPushButton(caption, parent), name);
}

// Shows only the listed columns of a grid (by position), each as wide as its contents.
void showColumns(SqlGrid* grid, const QList<int>& shown) {
    for (int i = 0; i < grid->gridModel()->columnCount(); ++i) {
        grid->setColumnHidden(i, !shown.contains(i));
    }
    grid->resizeColumnsToContents();
    for (int i : shown) {
        grid->setColumnWidth(i, qMax(grid->columnWidth(i), 110));
    }
}

QString momentCell(const QVariant& value) {
    if (value.isNull()) {
        return {};
    }
    const QDateTime moment = ParseMoment(value.toString());
    return moment.isValid() ? GeneralText(moment) : value.toString();
}

QString dateCell(const QVariant& value) {
    const QDate date = ParseDate(value.toString());
    return date.isValid() ? DateText(date) : value.toString();
}

bool isFocusLeft(QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    // Another window or a pop-up taking the focus is not the user leaving the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
}  // namespace

QString& TfrmMember_TC::sortText() {
    return gSortText;
}

TfrmMember_TC::TfrmMember_TC(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmMember_TC"));
    auto* layout = new QVBoxLayout(this);
    lblTitle_ = named(new QLabel(tr("Member"), this), "lblTitle");
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    layout->addWidget(lblTitle_);
    buildMemberPanel();
    buildMemberForm();
    buildClockPanel();
    buildRingPanel();
    layout->addWidget(pnlMem_, 1);
    layout->addWidget(pnlNewMember_, 1);
    layout->addWidget(pnlClockList_, 1);
    layout->addWidget(pnlMemRing_, 1);
    showOnly(pnlMem_);
}

// ---- building -------------------------------------------------------------------------------

void TfrmMember_TC::buildMemberPanel() {
    pnlMem_ = named(new QWidget(this), "pnlMem");
    auto* v = new QVBoxLayout(pnlMem_);
    auto* top = new QHBoxLayout;
    auto* btnMemNew = button(tr("AddNew"), "btnMemNew", pnlMem_);
    auto* butPrtMemList = button(tr("Print"), "butPrtMemList", pnlMem_);
    top->addWidget(btnMemNew);
    top->addWidget(butPrtMemList);
    top->addStretch();
    top->addWidget(new QLabel(tr("Number of Members:"), pnlMem_));
    lblMemCnt_ = named(new QLabel(pnlMem_), "lblMemCnt");
    top->addWidget(lblMemCnt_);
    v->addLayout(top);

    dbgrdMem_ = named(new SqlGrid(pnlMem_), "dbgrdMem");
    dbgrdMem_->setSortText(&gSortText);
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

    rgMem_ = named(new QMenu(this), "rgMem");
    rgMem_->addAction(tr("Edit Member"), this, [this] { editMember(); });
    rgMem_->addAction(tr("Delete Member"), this, [this] { deleteMember(); });
    rgMem_->addSeparator();
    rgMem_->addAction(tr("Member Rings List"), this, [this] { openRingList(); });
    rgMem_->addAction(tr("Member Clocks"), this, [this] { openClockList(); });
    rgMem_->addSeparator();
    rgMem_->addAction(tr("Loft Data Download"), this, [this] {
        guarded(ctx_.prompts,
                [this] { RunLoftDataDownload(this, ctx_, settings_, currentLoftNo()); });
    });

    connect(btnMemNew, &QPushButton::clicked, this, [this] { newMember(); });
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
    connect(dbgrdMem_, &QAbstractItemView::doubleClicked, this, [this] { openRingList(); });
    connect(dbgrdMem_, &SqlGrid::sorted, this, [this] {
        showColumns(dbgrdMem_, {1, 2, 3});
        dbgrdMem_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    });
}

void TfrmMember_TC::buildMemberForm() {
    pnlNewMember_ = named(new QWidget(this), "pnlNewMember");
    auto* form = new QFormLayout;
    edtName_ = lineEdit("edtName", 30, pnlNewMember_);
    edtStreet_ = lineEdit("edtStreet", 50, pnlNewMember_);
    edtToneCity_ = lineEdit("edtToneCity", 30, pnlNewMember_);
    edtPostCode_ = lineEdit("edtPostCode", 10, pnlNewMember_);
    edtPhone_ = lineEdit("edtPhone", 15, pnlNewMember_);
    edtUnionCode_ = lineEdit("edtUnionCode", kUnionCodeLimit, pnlNewMember_);
    edtSeriesNo_ = lineEdit("edtSeriesNo", 10, pnlNewMember_);
    SetUpperCase(edtUnionCode_);
    SetUpperCase(edtSeriesNo_);
    medtLoftLon_ = named(new CoordinateBox(pnlNewMember_), "medtLoftLon");
    medtLoftLat_ = named(new CoordinateBox(pnlNewMember_), "medtLoftLat");
    for (CoordinateBox* coord : {medtLoftLon_, medtLoftLat_}) {
        coord->setInputMask(kLoftCoordMask);
        coord->installEventFilter(this);
        FitToCharacters(coord, 13);
    }
    // A pasted coordinate lands in the stored form, and what it became is shown below.
    lblCoordPasted_ = named(new QLabel(pnlNewMember_), "lblCoordPasted");
    lblCoordPasted_->setWordWrap(true);
    for (auto [box, axis] : {std::pair{medtLoftLon_, CoordinateAxis::Longitude},
                             std::pair{medtLoftLat_, CoordinateAxis::Latitude}}) {
        connect(box, &CoordinateBox::pasted, this, [this, axis](const QString& text) {
            guarded(ctx_.prompts, [&] { coordinatesPasted(text, axis); });
        });
    }
    mmoNote_ = named(new QPlainTextEdit(pnlNewMember_), "mmoNote");
    mmoNote_->setTabChangesFocus(true);

    auto* loftNo = new QHBoxLayout;
    loftNo->addWidget(edtUnionCode_);
    loftNo->addWidget(edtSeriesNo_, 1);
    auto* lon = new QHBoxLayout;
    lon->addWidget(medtLoftLon_);
    lon->addWidget(new QLabel(QStringLiteral("(E121'23:24)"), pnlNewMember_));
    auto* lat = new QHBoxLayout;
    lat->addWidget(medtLoftLat_);
    lat->addWidget(new QLabel(QStringLiteral("(N024'22:30)"), pnlNewMember_));
    form->addRow(tr("Name:"), edtName_);
    form->addRow(tr("Street:"), edtStreet_);
    form->addRow(tr("City:"), edtToneCity_);
    form->addRow(tr("Post Code:"), edtPostCode_);
    form->addRow(tr("Telephone Number:"), edtPhone_);
    form->addRow(tr("Loft Number:"), loftNo);
    form->addRow(tr("Lontitude :"), lon);
    form->addRow(tr("Latitude :"), lat);
    form->addRow(lblCoordPasted_);
    form->addRow(tr("Notes"), mmoNote_);

    auto* btnOK = button(tr("Save"), "btnOK", pnlNewMember_);
    auto* btnCancel = button(tr("Cancel"), "btnCancel", pnlNewMember_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* outer = new QVBoxLayout(pnlNewMember_);
    auto* narrow = new QHBoxLayout;
    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addLayout(buttons);
    column->addStretch();
    narrow->addLayout(column, 2);
    narrow->addStretch(1);
    outer->addLayout(narrow);

    connect(btnOK, &QPushButton::clicked, this, [this] { saveMember(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { cancelMember(); });
}

void TfrmMember_TC::buildClockPanel() {
    pnlClockList_ = named(new QWidget(this), "pnlClockList");
    auto* v = new QVBoxLayout(pnlClockList_);
    lblClockListTitle_ = named(new QLabel(pnlClockList_), "lblClockListTitle");
    v->addWidget(lblClockListTitle_);
    dbgrdClockList_ = named(new SqlGrid(pnlClockList_), "dbgrdClockList");
    dbgrdClockList_->setSortText(&gSortText);
    dbgrdClockList_->setTitles({{QStringLiteral("ClockID"), tr("Serial Number")},
                                {QStringLiteral("LastSynchDate"), tr("Date last synchronized ")},
                                {QStringLiteral("SynchStat"), tr("Sync. required")}});
    dbgrdClockList_->horizontalHeader()->setStretchLastSection(true);
    dbgrdClockList_->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(dbgrdClockList_, 1);
    lblClockListSum_ = named(new QLabel(pnlClockList_), "lblClockListSum");
    v->addWidget(lblClockListSum_);

    rgClockList_ = named(new QMenu(this), "rgClockList");
    rgClockList_->addAction(tr("Delete"), this, [this] { deleteClock(); });
    connect(dbgrdClockList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = dbgrdClockList_->indexAt(pos);
        if (index.isValid()) {
            dbgrdClockList_->setCurrentIndex(index);
            rgClockList_->popup(dbgrdClockList_->viewport()->mapToGlobal(pos + QPoint(30, 10)));
        }
    });
    connect(dbgrdClockList_, &SqlGrid::sorted, this, [this] {
        showColumns(dbgrdClockList_, {1, 2, 3});
    });
}

void TfrmMember_TC::buildRingPanel() {
    pnlMemRing_ = named(new QWidget(this), "pnlMemRing");
    auto* h = new QHBoxLayout(pnlMemRing_);

    // The list with its buttons.
    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    auto* butPrtRingList = button(tr("Print"), "butPrtRingList", pnlMemRing_);
    auto* btnRingExport = button(tr("Ring Export"), "btnRingExport", pnlMemRing_);
    top->addWidget(butPrtRingList);
    top->addWidget(btnRingExport);
    top->addStretch();
    top->addWidget(new QLabel(tr("Number of rings :"), pnlMemRing_));
    lblRingCnt_ = named(new QLabel(pnlMemRing_), "lblRingCnt");
    top->addWidget(lblRingCnt_);
    left->addLayout(top);
    dbgrdMemRing_ = named(new SqlGrid(pnlMemRing_), "dbgrdMemRing");
    dbgrdMemRing_->setSortText(&gSortText);
    dbgrdMemRing_->setTitles({{QStringLiteral("PRingNo"), tr("Life Ring Number")},
                              {QStringLiteral("ColorType"), tr("Color")},
                              {QStringLiteral("Sex"), tr("Sex of bird")},
                              {QStringLiteral("E_Ring"), tr("E_Ring Assign")},
                              {QStringLiteral("CreateDate"), tr("Create Date")},
                              {QStringLiteral("AssignDate"), tr("Assign Date")},
                              {QStringLiteral("Updatetime"), tr("Last Update")}});
    SqlGridModel* model = dbgrdMemRing_->gridModel();
    model->setFormatter(QStringLiteral("PRingNo"), [](const QVariant& v, const QSqlRecord& r) {
        return RingDisplayText(
            v, r.value(QStringLiteral("RCountry")), r.value(QStringLiteral("RYear")),
            r.value(QStringLiteral("RRegLetter")), r.value(QStringLiteral("RRegNumber")));
    });
    model->setLookup(QStringLiteral("ColorType"), ColourNamesSql(), tr("Other"));
    model->setFormatter(QStringLiteral("Sex"), [](const QVariant& v, const QSqlRecord&) {
        return tr(SexName(v).toLatin1().constData());
    });
    model->setFormatter(QStringLiteral("CreateDate"),
                        [](const QVariant& v, const QSqlRecord&) { return dateCell(v); });
    model->setFormatter(QStringLiteral("AssignDate"),
                        [](const QVariant& v, const QSqlRecord&) { return momentCell(v); });
    model->setFormatter(QStringLiteral("Updatetime"),
                        [](const QVariant& v, const QSqlRecord&) { return momentCell(v); });
    for (const char* field : {"CreateDate", "AssignDate", "Updatetime"}) {
        model->setFieldAlignment(QLatin1String(field), Qt::AlignCenter);
    }
    dbgrdMemRing_->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(dbgrdMemRing_, 1);
    h->addLayout(left, 1);

    rgMemRing_ = named(new QMenu(this), "rgMemRing");
    rgMemRing_->addAction(tr("Edit Ring"), this, [this] {
        showOnly(pnlMemRing_);
        loadSelectedRing();
    });
    rgMemRing_->addAction(tr("Delete Ring"), this, [this] { deleteRing(); });

    // The ring form.
    pnlMRingData_ = named(new QWidget(pnlMemRing_), "pnlMRingData");
    auto* form = new QFormLayout;
    cbbCountryRingCode_ = named(new QComboBox(pnlMRingData_), "cbbCountryRingCode");
    cbbCountryRingCode_->setEditable(true);
    cbbCountryRingCode_->setInsertPolicy(QComboBox::NoInsert);
    SetUpperCase(cbbCountryRingCode_->lineEdit());
    combBYear_ = named(new QComboBox(pnlMRingData_), "combBYear");
    combBYear_->setEditable(true);
    combBYear_->setInsertPolicy(QComboBox::NoInsert);
    combBYear_->lineEdit()->setMaxLength(4);
    // A year is the four digits typed: completing "20" to a year of the list would store
    // another ring number than the one on the ring.
    combBYear_->setCompleter(nullptr);
    combBYear_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
    edtRegLetter_ = lineEdit("edtRegLetter", 5, pnlMRingData_);
    SetUpperCase(edtRegLetter_);
    edtRegLetter_->installEventFilter(this);
    edtRegNum_ = lineEdit("edtRegNum", 7, pnlMRingData_);
    edtUpRegNum_ = lineEdit("edtUpRegNum", 7, pnlMRingData_);
    for (QLineEdit* number : {edtRegNum_, edtUpRegNum_}) {
        number->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number));
        number->installEventFilter(this);
    }
    lbl6_ = named(new QLabel(tr("Upper registration number :"), pnlMRingData_), "lbl6");
    // The upper number's row keeps its place while hidden, so the form does not move sideways
    // when "Add a Range" shows it.
    for (QWidget* w : {static_cast<QWidget*>(lbl6_), static_cast<QWidget*>(edtUpRegNum_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    cbbSex_ = named(new QComboBox(pnlMRingData_), "cbbSex");
    // Shown in the interface language; the ring work knows each by its English name.
    for (const char* sex : {QT_TR_NOOP("Hen"), QT_TR_NOOP("Cock"), QT_TR_NOOP("Unknown")}) {
        cbbSex_->addItem(tr(sex), QLatin1String(sex));
    }
    cbbSex_->setCurrentIndex(cbbSex_->findData(QStringLiteral("Cock")));
    cbbBColour_ = named(new QComboBox(pnlMRingData_), "cbbBColour");
    cbbBColour_->setContextMenuPolicy(Qt::CustomContextMenu);
    mmoComment_ = named(new QPlainTextEdit(pnlMRingData_), "mmoComment");
    mmoComment_->setTabChangesFocus(true);
    mmoComment_->setMaximumHeight(80);
    form->addRow(tr("Association :"), cbbCountryRingCode_);
    form->addRow(tr("Birth Year:"), combBYear_);
    form->addRow(tr("Registration Letter :"), edtRegLetter_);
    form->addRow(tr("Registration Number :"), edtRegNum_);
    form->addRow(lbl6_, edtUpRegNum_);
    form->addRow(tr("Sex of the bird :"), cbbSex_);
    form->addRow(tr("Bird color :"), cbbBColour_);
    form->addRow(tr("Comment :"), mmoComment_);

    auto* btnNew = button(tr("AddNew"), "btnNew", pnlMRingData_);
    auto* btnNew2 = button(tr("Add a Range"), "btnNew2", pnlMRingData_);
    auto* btnOK_Ring = button(tr("Save"), "btnOK_Ring", pnlMRingData_);
    auto* btnCan_Ring = button(tr("Cancel"), "btnCan_Ring", pnlMRingData_);
    auto* btnImport = button(tr("Spreadsheet Import"), "btnXlsImport", pnlMRingData_);
    auto* btnExport = button(tr("Spreadsheet Export"), "btnXlsExport", pnlMRingData_);
    auto* rows = new QVBoxLayout(pnlMRingData_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(form);
    auto* entry = new QHBoxLayout;
    entry->addWidget(btnNew);
    entry->addWidget(btnNew2);
    entry->addWidget(btnOK_Ring);
    entry->addWidget(btnCan_Ring);
    rows->addLayout(entry);
    auto* sheet = new QHBoxLayout;
    sheet->addWidget(btnImport);
    sheet->addWidget(btnExport);
    rows->addLayout(sheet);

    pmFeatherColor_ = named(new QMenu(this), "pmFeatherColor");
    pmFeatherColor_->addAction(tr("&A Add"), this, [this] { addColour(); });
    pmFeatherColor_->addAction(tr("&D Delete"), this, [this] { deleteColour(); });
    pmFeatherColor_->addAction(tr("&E exit"));

    grpBirdColor_ = named(new QGroupBox(tr("Bird Color Maintain"), pnlMemRing_), "grpBirdColor");
    auto* colourForm = new QFormLayout;
    edtColorCode_ = lineEdit("edtColorCode", 4, grpBirdColor_);
    edtColorName_ = lineEdit("edtColorName", 20, grpBirdColor_);
    colourForm->addRow(tr("Color Code :"), edtColorCode_);
    colourForm->addRow(tr("Color Name :"), edtColorName_);
    auto* btnColorSave = button(tr("Save"), "btnColorSave", grpBirdColor_);
    auto* btnColorCancel = button(tr("Cancel"), "btnColorCancel", grpBirdColor_);
    auto* colourButtons = new QHBoxLayout;
    colourButtons->addStretch();
    colourButtons->addWidget(btnColorSave);
    colourButtons->addWidget(btnColorCancel);
    auto* colourRows = new QVBoxLayout(grpBirdColor_);
    colourRows->addLayout(colourForm);
    colourRows->addLayout(colourButtons);
    grpBirdColor_->hide();

    auto* side = new QWidget(pnlMemRing_);
    side->setMaximumWidth(420);
    auto* right = new QVBoxLayout(side);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(pnlMRingData_);
    right->addWidget(grpBirdColor_);
    right->addStretch();
    h->addWidget(side);

    connect(butPrtRingList, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            const QSqlRecord member = dbgrdMem_->currentRecord();
            return RingListReport(
                ReadClubHeading(ctx_.db), member.value(QStringLiteral("LoftName")).toString(),
                member.value(QStringLiteral("LoftNo")).toString(), *dbgrdMemRing_->gridModel());
        });
    });
    connect(btnRingExport, &QPushButton::clicked, this, [this] { exportRings(); });
    connect(btnImport, &QPushButton::clicked, this, [this] { importRings(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { exportRings(); });
    connect(btnNew, &QPushButton::clicked, this, [this] { newRing(false); });
    connect(btnNew2, &QPushButton::clicked, this, [this] { newRing(true); });
    connect(btnOK_Ring, &QPushButton::clicked, this, [this] { saveRing(); });
    connect(btnCan_Ring, &QPushButton::clicked, this, [this] { cancelRing(); });
    connect(btnColorSave, &QPushButton::clicked, this, [this] { saveColour(); });
    connect(btnColorCancel, &QPushButton::clicked, grpBirdColor_, &QWidget::hide);
    connect(cbbCountryRingCode_, &QComboBox::activated, this, [this] { countryChosen(); });
    connect(cbbBColour_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { pmFeatherColor_->popup(cbbBColour_->mapToGlobal(pos)); });
    connect(dbgrdMemRing_, &QAbstractItemView::clicked, this, [this] { loadSelectedRing(); });
    connect(dbgrdMemRing_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = dbgrdMemRing_->indexAt(pos);
        if (index.isValid()) {
            dbgrdMemRing_->setCurrentIndex(index);
            // The form shows the ring the list marks, as after a click.
            loadSelectedRing();
            rgMemRing_->popup(dbgrdMemRing_->viewport()->mapToGlobal(pos + QPoint(30, 10)));
        }
    });
    connect(dbgrdMemRing_, &SqlGrid::sorted, this, [this] {
        showColumns(dbgrdMemRing_, {0, 1, 2, 3, 4, 5, 6});
    });
}

// ---- show step and panels -------------------------------------------------------------------

void TfrmMember_TC::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] { showStep(); });
    }
}

void TfrmMember_TC::showStep() {
    settings_ = ReadMemberSettings(ctx_.paths.iniFile);
    cbbCountryRingCode_->clear();
    cbbCountryRingCode_->addItems(settings_.countryRingCodes);
    fillColourBox();
    loadMembers();
    showOnly(pnlMem_);
    lblTitle_->setText(tr("Member"));
    combBYear_->clear();
    combBYear_->addItems(BirthYears(ctx_.clock.today()));
}

void TfrmMember_TC::showOnly(QWidget* panel) {
    // The others are hidden first, so that two panels are never shown at once (the window
    // would grow to hold both).
    for (QWidget* p : {pnlMem_, pnlNewMember_, pnlClockList_, pnlMemRing_}) {
        if (p != panel) {
            p->hide();
        }
    }
    panel->show();
}

void TfrmMember_TC::loadMembers() {
    dbgrdMem_->load(ctx_.db, MemberListSql());
    showColumns(dbgrdMem_, {1, 2, 3});
    dbgrdMem_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    lblMemCnt_->setText(CountText(dbgrdMem_->rowCountShown()));
}

void TfrmMember_TC::fillColourBox() {
    cbbBColour_->clear();
    cbbBColour_->addItems(ColourBoxNames(ctx_.db));
    cbbBColour_->setItemText(0, tr("Other"));  // the first entry, a ring without a known colour
}

void TfrmMember_TC::comesLater(const QString& text) {
    ctx_.prompts.information(text);
}

QString TfrmMember_TC::currentLoftNo() const {
    return dbgrdMem_->currentRecord().value(QStringLiteral("LoftNo")).toString();
}

bool TfrmMember_TC::eventFilter(QObject* watched, QEvent* event) {
    if (watched == medtLoftLon_ && isFocusLeft(event)) {
        checkCoordOnLeave(LoftCoordBox::Longitude);
    } else if (watched == medtLoftLat_ && isFocusLeft(event)) {
        checkCoordOnLeave(LoftCoordBox::Latitude);
    } else if (watched == edtRegLetter_ && isFocusLeft(event)) {
        checkNehuLetters();
    } else if (event->type() == QEvent::KeyPress &&
               (watched == edtRegLetter_ || watched == edtRegNum_ || watched == edtUpRegNum_)) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text[0].isPrint()) {
            if (watched == edtRegLetter_) {
                if (!LetterKeyAccepted(cbbCountryRingCode_->currentText(), text[0])) {
                    // A refused letter deletes the character before the cursor.
                    edtRegLetter_->backspace();
                    return true;
                }
            } else if (text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9')) {
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- members --------------------------------------------------------------------------------

void TfrmMember_TC::coordinatesPasted(const QString& text, CoordinateAxis axis) {
    lblCoordPasted_->clear();
    const PastedCoordinates pasted = ConvertPastedCoordinates(text, axis, CoordinateForm::Loft);
    if (pasted.latitude) {
        medtLoftLat_->setText(*pasted.latitude);
    }
    if (pasted.longitude) {
        medtLoftLon_->setText(*pasted.longitude);
    }
    lblCoordPasted_->setText(PastedCoordinatesNote(pasted, CoordinateForm::Loft));
}

void TfrmMember_TC::newMember() {
    lblCoordPasted_->clear();
    guarded(ctx_.prompts, [this] {
        for (QLineEdit* e : std::initializer_list<QLineEdit*>{
                 edtName_, edtStreet_, edtToneCity_, edtPostCode_, edtPhone_, edtUnionCode_,
                 edtSeriesNo_, medtLoftLon_, medtLoftLat_}) {
            e->clear();
        }
        mmoNote_->clear();
        // The club's code may be longer than a member's box allows; it is kept whole.
        setWholeText(edtUnionCode_, ClubAssociationCode(ctx_.db), kUnionCodeLimit);
        edtSeriesNo_->setEnabled(true);
        lblTitle_->setText(tr("Member New Add"));
        showOnly(pnlNewMember_);
        edtName_->setFocus();
    });
}

void TfrmMember_TC::editMember() {
    lblCoordPasted_->clear();
    guarded(ctx_.prompts, [this] {
        if (dbgrdMem_->currentRecord().isEmpty()) {
            return;
        }
        const MemberForm f = LoadMember(ctx_.db, currentLoftNo());
        edtName_->setText(f.name);
        edtPhone_->setText(f.phone);
        edtPostCode_->setText(f.postCode);
        edtStreet_->setText(f.street);
        edtToneCity_->setText(f.city);
        edtSeriesNo_->setText(f.loftNo);
        setWholeText(edtUnionCode_, f.associationCode, kUnionCodeLimit);
        mmoNote_->setPlainText(f.notes);
        medtLoftLon_->setText(f.lon);
        medtLoftLat_->setText(f.lat);
        edtSeriesNo_->setEnabled(false);
        lblTitle_->setText(tr("Member Edit Update"));
        showOnly(pnlNewMember_);
        edtName_->setFocus();
    });
}

void TfrmMember_TC::deleteMember() {
    guarded(ctx_.prompts, [this] {
        const QString loftNo = currentLoftNo();
        if (!loftNo.isEmpty()) {
            DeleteMember(ctx_.db, ctx_.prompts, loftNo);
        }
        loadMembers();
    });
}

void TfrmMember_TC::saveMember() {
    guarded(ctx_.prompts, [this] {
        MemberForm f;
        f.associationCode = edtUnionCode_->text();
        f.loftNo = edtSeriesNo_->text();
        f.name = edtName_->text();
        f.street = edtStreet_->text();
        f.city = edtToneCity_->text();
        f.postCode = edtPostCode_->text();
        f.phone = edtPhone_->text();
        f.lon = MaskedText(medtLoftLon_);
        f.lat = MaskedText(medtLoftLat_);
        f.notes = mmoNote_->toPlainText();
        // The loft number can be typed only in a form opened with "AddNew".
        const MemberFormMode mode =
            edtSeriesNo_->isEnabled() ? MemberFormMode::AddNew : MemberFormMode::Edit;
        if (SaveMember(ctx_.db, ctx_.prompts, ctx_.clock, f, mode) == MemberSaveResult::Refused) {
            return;  // the form stays open
        }
        loadMembers();
        lblTitle_->setText(tr("Member"));
        showOnly(pnlMem_);
    });
}

void TfrmMember_TC::cancelMember() {
    showOnly(pnlMem_);
    lblTitle_->setText(tr("Member"));
}

void TfrmMember_TC::checkCoordOnLeave(LoftCoordBox left) {
    guarded(ctx_.prompts, [&] {
        CheckLoftCoordOnLeave(left, MaskedText(medtLoftLon_), MaskedText(medtLoftLat_));
    });
}

// ---- clocks ---------------------------------------------------------------------------------

void TfrmMember_TC::openClockList() {
    guarded(ctx_.prompts, [this] {
        const QSqlRecord member = dbgrdMem_->currentRecord();
        if (member.isEmpty()) {
            return;
        }
        clockLoftNo_ = member.value(QStringLiteral("LoftNo")).toString();
        dbgrdClockList_->load(ctx_.db, ClockListSql(), {clockLoftNo_});
        showColumns(dbgrdClockList_, {1, 2, 3});
        showOnly(pnlClockList_);
        lblClockListTitle_->setText(
            tr("%1's Clock List").arg(member.value(QStringLiteral("LoftName")).toString()));
        lblClockListSum_->setText(ClockCountText(dbgrdClockList_->rowCountShown()));
    });
}

void TfrmMember_TC::deleteClock() {
    guarded(ctx_.prompts, [this] {
        const QString clockId =
            dbgrdClockList_->currentRecord().value(QStringLiteral("ClockID")).toString();
        if (!clockId.isEmpty() && DeleteClock(ctx_.db, ctx_.prompts, clockLoftNo_, clockId)) {
            dbgrdClockList_->load(ctx_.db, ClockListSql(), {clockLoftNo_});
            showColumns(dbgrdClockList_, {1, 2, 3});
            lblClockListSum_->setText(ClockCountText(dbgrdClockList_->rowCountShown()));
        }
    });
}

// ---- rings ----------------------------------------------------------------------------------

void TfrmMember_TC::openRingList() {
    guarded(ctx_.prompts, [this] {
        const QSqlRecord member = dbgrdMem_->currentRecord();
        if (member.isEmpty()) {
            return;
        }
        ringLoftNo_ = member.value(QStringLiteral("LoftNo")).toString();
        showOnly(pnlMemRing_);
        lblTitle_->setText(
            tr("%1's Ring List").arg(member.value(QStringLiteral("LoftName")).toString()));
        edtUpRegNum_->clear();
        // The form starts as "AddNew" leaves it, so that a ring saved at once is composed by
        // the same rules (the country's letters, this year) as one saved after "AddNew".
        newRing(false);
        loadRings();
    });
}

void TfrmMember_TC::loadRings(const QString& selectRingNo) {
    dbgrdMemRing_->load(ctx_.db, RingListSql(), {ringLoftNo_});
    showColumns(dbgrdMemRing_, {0, 1, 2, 3, 4, 5, 6});
    lblRingCnt_->setText(CountText(dbgrdMemRing_->rowCountShown()));
    if (!selectRingNo.isEmpty()) {
        dbgrdMemRing_->selectRowWhere(QStringLiteral("PRingNo"), selectRingNo);
    }
}

void TfrmMember_TC::loadSelectedRing() {
    guarded(ctx_.prompts, [this] {
        const QString ringNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        const RingForm f = LoadRing(ctx_.db, ringLoftNo_, ringNo);
        if (!f.found) {
            return;
        }
        cbbCountryRingCode_->setCurrentText(f.country);
        if (f.colourName == kOtherColour) {
            cbbBColour_->setCurrentIndex(0);
        } else {
            cbbBColour_->setCurrentText(f.colourName);
        }
        cbbSex_->setCurrentIndex(cbbSex_->findData(f.sexName));
        combBYear_->setCurrentText(f.year);
        // A stored ring keeps its whole letters and number even when the country chosen last
        // allows fewer: cut short, they would compose another ring number and Save would
        // insert a new ring instead of updating this one.
        setWholeText(edtRegLetter_, f.letters, letterLimit_);
        setWholeText(edtRegNum_, f.number, numberLimit_);
        mmoComment_->setPlainText(f.comment);
        for (QWidget* part :
             {static_cast<QWidget*>(cbbCountryRingCode_), static_cast<QWidget*>(combBYear_),
              static_cast<QWidget*>(edtRegLetter_), static_cast<QWidget*>(edtRegNum_)}) {
            part->setEnabled(false);
        }
    });
}

void TfrmMember_TC::newRing(bool range) {
    pnlMRingData_->setEnabled(true);
    lbl6_->setVisible(range);
    edtUpRegNum_->setVisible(range);
    for (QWidget* part :
         {static_cast<QWidget*>(cbbCountryRingCode_), static_cast<QWidget*>(combBYear_),
          static_cast<QWidget*>(edtRegLetter_), static_cast<QWidget*>(edtRegNum_)}) {
        part->setEnabled(true);
    }
    edtRegLetter_->clear();
    edtRegNum_->clear();
    mmoComment_->clear();
    applyEntryLimits();
    combBYear_->setCurrentText(QString::number(ctx_.clock.today().year()));
    // The letters box follows the country ring code still shown (a fixed "-" stays fixed).
    countryChosen();
    cbbCountryRingCode_->setFocus();
}

void TfrmMember_TC::cancelRing() {
    edtRegLetter_->clear();
    edtRegNum_->clear();
    mmoComment_->clear();
    applyEntryLimits();
    // A country whose letters are a fixed "-" keeps it, as after "AddNew": the disabled box
    // could not get it back, and the next ring would be composed without it.
    const auto rule = CountryRuleFor(cbbCountryRingCode_->currentText());
    if (rule && rule->lettersFixed) {
        edtRegLetter_->setText(QStringLiteral("-"));
    }
    cbbCountryRingCode_->setEnabled(true);
    cbbCountryRingCode_->setFocus();
}

void TfrmMember_TC::countryChosen() {
    const auto rule = CountryRuleFor(cbbCountryRingCode_->currentText());
    if (!rule || !rule->lettersFixed) {
        // A locked letters box holds what another country's rule (a fixed "-") or a stored
        // ring put there, never what was typed for this country: it starts empty.
        if (!edtRegLetter_->isEnabled()) {
            edtRegLetter_->clear();
        }
        edtRegLetter_->setEnabled(true);
    }
    if (!rule) {
        // A code without a rule of its own takes the form's general limits, not those of the
        // country chosen before it.
        letterLimit_ = kLetterLimit;
        numberLimit_ = kNumberLimit;
        applyEntryLimits();
        edtRegLetter_->setToolTip(QString());
        return;
    }
    if (rule->lettersFixed) {
        edtRegLetter_->setText(QStringLiteral("-"));
        edtRegLetter_->setEnabled(false);
    } else {
        letterLimit_ = rule->maxLetters;
    }
    numberLimit_ = rule->maxNumber;
    applyEntryLimits();
    edtRegLetter_->setToolTip(rule->hint);
}

void TfrmMember_TC::applyEntryLimits() {
    edtRegLetter_->setMaxLength(letterLimit_);
    edtRegNum_->setMaxLength(numberLimit_);
    edtUpRegNum_->setMaxLength(numberLimit_);
}

void TfrmMember_TC::checkNehuLetters() {
    if (cbbCountryRingCode_->currentText() == QLatin1String("NEHU") &&
        !NehuLettersAccepted(edtRegLetter_->text())) {
        ctx_.prompts.message(Translated("Members", kNehuLetterError));
        QTimer::singleShot(0, edtRegLetter_, [edit = edtRegLetter_] { edit->setFocus(); });
    }
}

void TfrmMember_TC::saveRing() {
    guarded(ctx_.prompts, [this] {
        RingEntry e;
        e.loftNo = ringLoftNo_;
        e.parts = {cbbCountryRingCode_->currentText(), combBYear_->currentText(),
                   edtRegLetter_->text(), edtRegNum_->text()};
        // Only "Add a Range" shows the upper number box.
        e.upperNumber = edtUpRegNum_->isHidden() ? QString() : edtUpRegNum_->text();
        e.sexName = cbbSex_->currentData().toString();
        e.colourName = cbbBColour_->currentIndex() == 0 ? kOtherColour : cbbBColour_->currentText();
        e.comment = mmoComment_->toPlainText();
        e.selectedRingNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        e.partsLocked = !edtRegNum_->isEnabled();
        const RingSaveResult result = SaveRing(ctx_.db, ctx_.clock, e);
        loadRings(result.ringNo);
        edtUpRegNum_->clear();
        if (!result.revived.isEmpty()) {
            ctx_.prompts.message(RevivedRingsText(result.revived));
        }
        if (!result.skipped.isEmpty()) {
            ctx_.prompts.message(SkippedRingsText(result.skipped));
        }
    });
}

void TfrmMember_TC::deleteRing() {
    guarded(ctx_.prompts, [this] {
        const QString ringNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        if (!ringNo.isEmpty() &&
            DeleteRing(ctx_.db, ctx_.prompts, ctx_.clock, ringLoftNo_, ringNo)) {
            loadRings();
        }
    });
}

// ---- feather colours ------------------------------------------------------------------------

void TfrmMember_TC::addColour() {
    edtColorCode_->clear();
    edtColorName_->clear();
    grpBirdColor_->show();
    edtColorCode_->setFocus();
}

void TfrmMember_TC::deleteColour() {
    guarded(ctx_.prompts, [this] {
        DeleteFeatherColour(
            ctx_.db, cbbBColour_->currentIndex() == 0 ? kOtherColour : cbbBColour_->currentText());
        fillColourBox();
    });
}

void TfrmMember_TC::saveColour() {
    guarded(ctx_.prompts, [this] {
        AddFeatherColour(ctx_.db, edtColorCode_->text(), edtColorName_->text());
        grpBirdColor_->hide();
        fillColourBox();
    });
}

// ---- rings to and from workbooks -------------------------------------------------------------

void TfrmMember_TC::exportRings() {
    guarded(ctx_.prompts, [this] {
        const QString file = ctx_.prompts.saveFileName(tr("Excel File (*.xlsx)"));
        if (file.isEmpty()) {
            return;
        }
        ProgressDialog progress(this, tr("Spreadsheet Export"), false);
        ExportRings(ctx_.db, ringLoftNo_, file, progress);
    });
}

void TfrmMember_TC::importRings() {
    guarded(ctx_.prompts, [this] {
        const QString file = ctx_.prompts.openFileName(tr("Excel File (*.xlsx)"));
        if (file.isEmpty()) {
            return;
        }
        RingImportResult result;
        {
            ProgressDialog progress(this, tr("Spreadsheet Import"), true);
            result = ImportRings(ctx_.db, ctx_.clock, file, progress);
        }
        loadRings();
        const QString report = RingImportReport(result);
        if (!report.isEmpty()) {
            ctx_.prompts.message(report);
        }
    });
}
