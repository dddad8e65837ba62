#include "member_ring_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "data/translate.h"
#include "members/feather_colour_panel.h"
#include "members/feather_colours.h"
#include "members/member_panel_parts.h"
#include "members/member_store.h"
#include "members/ring_numbers.h"
#include "members/ring_store.h"
#include "members/ring_workbook.h"
#include "reports/club_reports.h"
#include "reports/report_preview.h"
#include "widgets/edit_controls.h"
#include "widgets/progress_dialog.h"
#include "widgets/sql_grid.h"

namespace {
// The ring form's limits for a country ring code without a rule of its own.
constexpr int kLetterLimit = 5;
constexpr int kNumberLimit = 7;
}  // namespace

MemberRingPanel::MemberRingPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlMemRing"));
    auto* h = new QHBoxLayout(this);

    // The list with its buttons.
    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    auto* butPrtRingList = MemberButton(tr("Print"), "butPrtRingList", this);
    auto* btnRingExport = MemberButton(tr("Ring Export"), "btnRingExport", this);
    top->addWidget(butPrtRingList);
    top->addWidget(btnRingExport);
    top->addStretch();
    top->addWidget(new QLabel(tr("Number of rings :"), this));
    lblRingCnt_ = MemberNamed(new QLabel(this), "lblRingCnt");
    top->addWidget(lblRingCnt_);
    left->addLayout(top);
    dbgrdMemRing_ = MemberNamed(new SqlGrid(this), "dbgrdMemRing");
    dbgrdMemRing_->setSortText(&MemberScreenSortText());
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
                        [](const QVariant& v, const QSqlRecord&) { return DateCell(v); });
    model->setFormatter(QStringLiteral("AssignDate"),
                        [](const QVariant& v, const QSqlRecord&) { return MomentCell(v); });
    model->setFormatter(QStringLiteral("Updatetime"),
                        [](const QVariant& v, const QSqlRecord&) { return MomentCell(v); });
    for (const char* field : {"CreateDate", "AssignDate", "Updatetime"}) {
        model->setFieldAlignment(QLatin1String(field), Qt::AlignCenter);
    }
    dbgrdMemRing_->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(dbgrdMemRing_, 1);
    h->addLayout(left, 1);

    rgMemRing_ = MemberNamed(new QMenu(this), "rgMemRing");
    rgMemRing_->addAction(tr("Edit Ring"), this, [this] {
        emit showRequested();
        loadSelectedRing();
    });
    rgMemRing_->addAction(tr("Delete Ring"), this, [this] { deleteRing(); });

    pnlMRingData_ = buildRingForm();
    grpBirdColor_ = new FeatherColourPanel(ctx_, cbbBColour_, this);

    auto* side = new QWidget(this);
    side->setMaximumWidth(420);
    auto* right = new QVBoxLayout(side);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(pnlMRingData_);
    right->addWidget(grpBirdColor_);
    right->addStretch();
    h->addWidget(side);

    connect(butPrtRingList, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this, [this] {
            return RingListReport(
                ReadClubHeading(ctx_.db), member_.value(QStringLiteral("LoftName")).toString(),
                member_.value(QStringLiteral("LoftNo")).toString(), *dbgrdMemRing_->gridModel());
        });
    });
    connect(btnRingExport, &QPushButton::clicked, this, [this] { exportRings(); });
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
        ShowMemberColumns(dbgrdMemRing_, {0, 1, 2, 3, 4, 5, 6});
    });
}

QWidget* MemberRingPanel::buildRingForm() {
    auto* panel = MemberNamed(new QWidget(this), "pnlMRingData");
    auto* form = new QFormLayout;
    cbbCountryRingCode_ = MemberNamed(new QComboBox(panel), "cbbCountryRingCode");
    cbbCountryRingCode_->setEditable(true);
    cbbCountryRingCode_->setInsertPolicy(QComboBox::NoInsert);
    SetUpperCase(cbbCountryRingCode_->lineEdit());
    combBYear_ = MemberNamed(new QComboBox(panel), "combBYear");
    combBYear_->setEditable(true);
    combBYear_->setInsertPolicy(QComboBox::NoInsert);
    combBYear_->lineEdit()->setMaxLength(4);
    // A year is the four digits typed: completing "20" to a year of the list would store
    // another ring number than the one on the ring.
    combBYear_->setCompleter(nullptr);
    combBYear_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), this));
    edtRegLetter_ = MemberLineEdit("edtRegLetter", 5, panel);
    SetUpperCase(edtRegLetter_);
    edtRegLetter_->installEventFilter(this);
    edtRegNum_ = MemberLineEdit("edtRegNum", 7, panel);
    edtUpRegNum_ = MemberLineEdit("edtUpRegNum", 7, panel);
    for (QLineEdit* number : {edtRegNum_, edtUpRegNum_}) {
        number->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number));
        number->installEventFilter(this);
    }
    lbl6_ = MemberNamed(new QLabel(tr("Upper registration number :"), panel), "lbl6");
    // The upper number's row keeps its place while hidden, so the form does not move sideways
    // when "Add a Range" shows it.
    for (QWidget* w : {static_cast<QWidget*>(lbl6_), static_cast<QWidget*>(edtUpRegNum_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    cbbSex_ = MemberNamed(new QComboBox(panel), "cbbSex");
    // Shown in the interface language; the ring work knows each by its English name.
    for (const char* sex : {QT_TR_NOOP("Hen"), QT_TR_NOOP("Cock"), QT_TR_NOOP("Unknown")}) {
        cbbSex_->addItem(tr(sex), QLatin1String(sex));
    }
    cbbSex_->setCurrentIndex(cbbSex_->findData(QStringLiteral("Cock")));
    cbbBColour_ = MemberNamed(new QComboBox(panel), "cbbBColour");
    mmoComment_ = MemberNamed(new QPlainTextEdit(panel), "mmoComment");
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

    auto* btnNew = MemberButton(tr("AddNew"), "btnNew", panel);
    auto* btnNew2 = MemberButton(tr("Add a Range"), "btnNew2", panel);
    auto* btnOK_Ring = MemberButton(tr("Save"), "btnOK_Ring", panel);
    auto* btnCan_Ring = MemberButton(tr("Cancel"), "btnCan_Ring", panel);
    auto* btnImport = MemberButton(tr("Spreadsheet Import"), "btnXlsImport", panel);
    auto* btnExport = MemberButton(tr("Spreadsheet Export"), "btnXlsExport", panel);
    auto* rows = new QVBoxLayout(panel);
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

    connect(btnImport, &QPushButton::clicked, this, [this] { importRings(); });
    connect(btnExport, &QPushButton::clicked, this, [this] { exportRings(); });
    connect(btnNew, &QPushButton::clicked, this, [this] { newRing(false); });
    connect(btnNew2, &QPushButton::clicked, this, [this] { newRing(true); });
    connect(btnOK_Ring, &QPushButton::clicked, this, [this] { saveRing(); });
    connect(btnCan_Ring, &QPushButton::clicked, this, [this] { cancelRing(); });
    connect(cbbCountryRingCode_, &QComboBox::activated, this, [this] { countryChosen(); });
    return panel;
}

void MemberRingPanel::setCountryCodes(const QStringList& codes) {
    cbbCountryRingCode_->clear();
    cbbCountryRingCode_->addItems(codes);
}

void MemberRingPanel::setBirthYears(const QStringList& years) {
    combBYear_->clear();
    combBYear_->addItems(years);
}

void MemberRingPanel::fillColours() {
    grpBirdColor_->fill();
}

void MemberRingPanel::open(const QSqlRecord& member) {
    member_ = member;
    loftNo_ = member.value(QStringLiteral("LoftNo")).toString();
    edtUpRegNum_->clear();
    // The form starts as "AddNew" leaves it, so that a ring saved at once is composed by the
    // same rules (the country's letters, this year) as one saved after "AddNew".
    newRing(false);
    loadRings();
}

bool MemberRingPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtRegLetter_ && FocusLeft(event)) {
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

void MemberRingPanel::loadRings(const QString& selectRingNo) {
    dbgrdMemRing_->load(ctx_.db, RingListSql(), {loftNo_});
    ShowMemberColumns(dbgrdMemRing_, {0, 1, 2, 3, 4, 5, 6});
    lblRingCnt_->setText(CountText(dbgrdMemRing_->rowCountShown()));
    if (!selectRingNo.isEmpty()) {
        dbgrdMemRing_->selectRowWhere(QStringLiteral("PRingNo"), selectRingNo);
    }
}

void MemberRingPanel::loadSelectedRing() {
    afterRange_.reset();
    guarded(ctx_.prompts, [this] {
        const QString ringNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        loadedRing_.reset();
        EditedRow loaded = RingEditedRow(ctx_.db, ringNo);
        const RingForm f = LoadRing(ctx_.db, loftNo_, ringNo);
        if (!f.found) {
            return;
        }
        loadedRing_ = loaded;
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
        SetWholeText(edtRegLetter_, f.letters, letterLimit_);
        SetWholeText(edtRegNum_, f.number, numberLimit_);
        mmoComment_->setPlainText(f.comment);
        for (QWidget* part :
             {static_cast<QWidget*>(cbbCountryRingCode_), static_cast<QWidget*>(combBYear_),
              static_cast<QWidget*>(edtRegLetter_), static_cast<QWidget*>(edtRegNum_)}) {
            part->setEnabled(false);
        }
        cleanState_ = formState();
    });
}

void MemberRingPanel::newRing(bool range) {
    loadedRing_.reset();
    afterRange_.reset();
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
    cleanState_ = formState();
}

void MemberRingPanel::cancelRing() {
    afterRange_.reset();
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
    cleanState_ = formState();
}

void MemberRingPanel::countryChosen() {
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

void MemberRingPanel::applyEntryLimits() {
    edtRegLetter_->setMaxLength(letterLimit_);
    edtRegNum_->setMaxLength(numberLimit_);
    edtUpRegNum_->setMaxLength(numberLimit_);
}

void MemberRingPanel::checkNehuLetters() {
    if (cbbCountryRingCode_->currentText() == QLatin1String("NEHU") &&
        !NehuLettersAccepted(edtRegLetter_->text())) {
        ctx_.prompts.message(Translated("Members", kNehuLetterError));
        QTimer::singleShot(0, edtRegLetter_, [edit = edtRegLetter_] { edit->setFocus(); });
    }
}

QStringList MemberRingPanel::formState() const {
    return {cbbCountryRingCode_->currentText(),
            combBYear_->currentText(),
            edtRegLetter_->text(),
            edtRegNum_->text(),
            edtUpRegNum_->text(),
            cbbSex_->currentData().toString(),
            grpBirdColor_->chosenColour(),
            mmoComment_->toPlainText()};
}

bool MemberRingPanel::hasUnsavedChanges() const {
    return pnlMRingData_->isEnabled() && formState() != cleanState_;
}

bool MemberRingPanel::saveNow() {
    return saveRing();
}

bool MemberRingPanel::saveRing() {
    if (afterRange_ && *afterRange_ == formState()) {
        ctx_.prompts.message(
            tr("The range is stored; nothing was changed since. Type the next "
               "ring, or choose AddNew or Add a Range."));
        return false;
    }
    afterRange_.reset();
    bool stored = false;
    guarded(ctx_.prompts, [&] {
        RingEntry e;
        e.loftNo = loftNo_;
        e.parts = {cbbCountryRingCode_->currentText(), combBYear_->currentText(),
                   edtRegLetter_->text(), edtRegNum_->text()};
        // Only "Add a Range" shows the upper number box.
        e.upperNumber = edtUpRegNum_->isHidden() ? QString() : edtUpRegNum_->text();
        e.sexName = cbbSex_->currentData().toString();
        e.colourName = grpBirdColor_->chosenColour();
        e.comment = mmoComment_->toPlainText();
        e.selectedRingNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        e.partsLocked = !edtRegNum_->isEnabled();
        const RingSaveResult result =
            SaveRing(ctx_.db, ctx_.clock, e, &ctx_.prompts,
                     e.partsLocked && loadedRing_ ? &*loadedRing_ : nullptr);
        if (result.kept) {
            return;  // nothing stored; the form keeps what was typed
        }
        stored = true;
        loadRings(result.ringNo);
        if (result.reload) {
            // Changed on another seat: the form shows the ring as it is stored now.
            loadSelectedRing();
            return;
        }
        const bool wasRange = !e.upperNumber.isEmpty() && !e.partsLocked;
        edtUpRegNum_->clear();
        if (wasRange) {
            afterRange_ = formState();
        }
        if (!result.revived.isEmpty()) {
            ctx_.prompts.message(RevivedRingsText(result.revived));
        }
        if (!result.skipped.isEmpty()) {
            ctx_.prompts.message(SkippedRingsText(result.skipped));
        }
        cleanState_ = formState();
    });
    return stored;
}

void MemberRingPanel::deleteRing() {
    guarded(ctx_.prompts, [this] {
        const QString ringNo =
            dbgrdMemRing_->currentRecord().value(QStringLiteral("PRingNo")).toString();
        if (!ringNo.isEmpty() && DeleteRing(ctx_.db, ctx_.prompts, ctx_.clock, loftNo_, ringNo)) {
            loadRings();
        }
    });
}

// ---- rings to and from workbooks -------------------------------------------------------------

void MemberRingPanel::exportRings() {
    guarded(ctx_.prompts, [this] {
        const QString file = ctx_.prompts.saveFileName(tr("Excel File (*.xlsx)"));
        if (file.isEmpty()) {
            return;
        }
        ProgressDialog progress(this, tr("Spreadsheet Export"), false);
        ExportRings(ctx_.db, loftNo_, file, progress);
    });
}

void MemberRingPanel::importRings() {
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
