#include "member_form_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "members/member_panel_parts.h"
#include "members/member_privacy.h"
#include "widgets/coordinate_box.h"
#include "widgets/edit_controls.h"

namespace {
// Characters a member's association code may be typed with.
constexpr int kUnionCodeLimit = 6;

// Loft coordinates: hemisphere letter, degrees, minutes, seconds and hundredths.
const QString kLoftCoordMask = QStringLiteral(">x000'00:00.00;_");
}  // namespace

MemberFormPanel::MemberFormPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlNewMember"));
    auto* form = new QFormLayout;
    edtName_ = MemberLineEdit("edtName", 30, this);
    edtStreet_ = MemberLineEdit("edtStreet", 50, this);
    edtToneCity_ = MemberLineEdit("edtToneCity", 30, this);
    edtPostCode_ = MemberLineEdit("edtPostCode", 10, this);
    edtPhone_ = MemberLineEdit("edtPhone", 15, this);
    edtUnionCode_ = MemberLineEdit("edtUnionCode", kUnionCodeLimit, this);
    edtSeriesNo_ = MemberLineEdit("edtSeriesNo", 10, this);
    SetUpperCase(edtUnionCode_);
    SetUpperCase(edtSeriesNo_);
    medtLoftLon_ = MemberNamed(new CoordinateBox(this), "medtLoftLon");
    medtLoftLat_ = MemberNamed(new CoordinateBox(this), "medtLoftLat");
    for (CoordinateBox* coord : {medtLoftLon_, medtLoftLat_}) {
        coord->setInputMask(kLoftCoordMask);
        coord->installEventFilter(this);
        FitToCharacters(coord, 13);
    }
    // A pasted coordinate lands in the stored form, and what it became is shown below.
    lblCoordPasted_ = MemberNamed(new QLabel(this), "lblCoordPasted");
    lblCoordPasted_->setWordWrap(true);
    for (auto [box, axis] : {std::pair{medtLoftLon_, CoordinateAxis::Longitude},
                             std::pair{medtLoftLat_, CoordinateAxis::Latitude}}) {
        connect(box, &CoordinateBox::pasted, this, [this, axis](const QString& text) {
            guarded(ctx_.prompts, [&] { coordinatesPasted(text, axis); });
        });
    }
    mmoNote_ = MemberNamed(new QPlainTextEdit(this), "mmoNote");
    mmoNote_->setTabChangesFocus(true);
    // What of the member the club's published results show (in the order of NameShown).
    cbbNameShown_ = MemberNamed(new QComboBox(this), "cbbNameShown");
    cbbNameShown_->addItems({tr("Full name"), tr("Initials and surname"), tr("Loft number only")});
    chkTownShown_ = MemberNamed(new QCheckBox(tr("Show the town"), this), "chkTownShown");

    auto* loftNo = new QHBoxLayout;
    loftNo->addWidget(edtUnionCode_);
    loftNo->addWidget(edtSeriesNo_, 1);
    auto* lon = new QHBoxLayout;
    lon->addWidget(medtLoftLon_);
    lon->addWidget(new QLabel(QStringLiteral("(E121'23:24)"), this));
    auto* lat = new QHBoxLayout;
    lat->addWidget(medtLoftLat_);
    lat->addWidget(new QLabel(QStringLiteral("(N024'22:30)"), this));
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
    auto* published = new QHBoxLayout;
    published->addWidget(cbbNameShown_);
    published->addWidget(chkTownShown_);
    published->addStretch();
    form->addRow(tr("Published as:"), published);

    auto* btnOK = MemberButton(tr("Save"), "btnOK", this);
    auto* btnCancel = MemberButton(tr("Cancel"), "btnCancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* outer = new QVBoxLayout(this);
    auto* narrow = new QHBoxLayout;
    auto* column = new QVBoxLayout;
    column->addLayout(form);
    column->addLayout(buttons);
    column->addStretch();
    narrow->addLayout(column, 2);
    narrow->addStretch(1);
    outer->addLayout(narrow);

    connect(btnOK, &QPushButton::clicked, this, [this] { save(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        clean_.reset();
        emit cancelled();
    });
}

void MemberFormPanel::startNew() {
    lblCoordPasted_->clear();
    for (QLineEdit* e : std::initializer_list<QLineEdit*>{
             edtName_, edtStreet_, edtToneCity_, edtPostCode_, edtPhone_, edtUnionCode_,
             edtSeriesNo_, medtLoftLon_, medtLoftLat_}) {
        e->clear();
    }
    mmoNote_->clear();
    cbbNameShown_->setCurrentIndex(int(NameShown::FullName));
    chkTownShown_->setChecked(false);
    loaded_.reset();
    // The club's code may be longer than a member's box allows; it is kept whole.
    SetWholeText(edtUnionCode_, ClubAssociationCode(ctx_.db), kUnionCodeLimit);
    edtSeriesNo_->setEnabled(true);
    clean_ = formState();
}

void MemberFormPanel::startEdit(const QString& loftNo) {
    lblCoordPasted_->clear();
    loaded_ = MemberEditedRow(ctx_.db, loftNo);
    const MemberForm f = LoadMember(ctx_.db, loftNo);
    edtName_->setText(f.name);
    edtPhone_->setText(f.phone);
    edtPostCode_->setText(f.postCode);
    edtStreet_->setText(f.street);
    edtToneCity_->setText(f.city);
    edtSeriesNo_->setText(f.loftNo);
    SetWholeText(edtUnionCode_, f.associationCode, kUnionCodeLimit);
    mmoNote_->setPlainText(f.notes);
    medtLoftLon_->setText(f.lon);
    medtLoftLat_->setText(f.lat);
    const PublicationChoice choice = ReadPublicationChoice(ctx_.db, loftNo);
    cbbNameShown_->setCurrentIndex(int(choice.name));
    chkTownShown_->setChecked(choice.townShown);
    edtSeriesNo_->setEnabled(false);
    clean_ = formState();
}

QStringList MemberFormPanel::formState() const {
    return {edtName_->text(),
            edtStreet_->text(),
            edtToneCity_->text(),
            edtPostCode_->text(),
            edtPhone_->text(),
            edtUnionCode_->text(),
            edtSeriesNo_->text(),
            MaskedText(medtLoftLon_),
            MaskedText(medtLoftLat_),
            mmoNote_->toPlainText(),
            QString::number(cbbNameShown_->currentIndex()),
            chkTownShown_->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
}

bool MemberFormPanel::hasUnsavedChanges() const {
    return clean_ && formState() != *clean_;
}

bool MemberFormPanel::saveNow() {
    return save();
}

void MemberFormPanel::focusFirst() {
    edtName_->setFocus();
}

bool MemberFormPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == medtLoftLon_ && FocusLeft(event)) {
        checkCoordOnLeave(LoftCoordBox::Longitude);
    } else if (watched == medtLoftLat_ && FocusLeft(event)) {
        checkCoordOnLeave(LoftCoordBox::Latitude);
    }
    return QWidget::eventFilter(watched, event);
}

void MemberFormPanel::coordinatesPasted(const QString& text, CoordinateAxis axis) {
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

bool MemberFormPanel::save() {
    bool stored = false;
    guarded(ctx_.prompts, [&] {
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
        const MemberSaveResult result =
            SaveMember(ctx_.db, ctx_.prompts, ctx_.clock, f, mode, loaded_ ? &*loaded_ : nullptr);
        if (result == MemberSaveResult::Refused) {
            return;  // the form stays open
        }
        if (result == MemberSaveResult::Reload) {
            // Another seat changed the member: show it as stored now; a member deleted there
            // is no longer there to show.
            startEdit(f.loftNo);
            if (!loaded_->found) {
                clean_.reset();
                emit cancelled();
            }
            return;
        }
        StorePublicationChoice(ctx_.db,
                               mode == MemberFormMode::AddNew ? f.loftNo.trimmed() : f.loftNo,
                               PublicationChoice{NameShown(cbbNameShown_->currentIndex()),
                                                 chkTownShown_->isChecked()});
        clean_.reset();
        stored = true;
        emit saved();
    });
    return stored;
}

void MemberFormPanel::checkCoordOnLeave(LoftCoordBox left) {
    guarded(ctx_.prompts, [&] {
        CheckLoftCoordOnLeave(left, MaskedText(medtLoftLon_), MaskedText(medtLoftLat_));
    });
}
