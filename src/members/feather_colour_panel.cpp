#include "feather_colour_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "members/feather_colours.h"
#include "members/member_panel_parts.h"

FeatherColourPanel::FeatherColourPanel(AppContext& ctx, QComboBox* colourBox, QWidget* parent)
    : QGroupBox(tr("Bird Color Maintain"), parent), ctx_(ctx), cbbBColour_(colourBox) {
    setObjectName(QStringLiteral("grpBirdColor"));
    auto* colourForm = new QFormLayout;
    edtColorCode_ = MemberLineEdit("edtColorCode", 4, this);
    edtColorName_ = MemberLineEdit("edtColorName", 20, this);
    colourForm->addRow(tr("Color Code :"), edtColorCode_);
    colourForm->addRow(tr("Color Name :"), edtColorName_);
    auto* btnColorSave = MemberButton(tr("Save"), "btnColorSave", this);
    auto* btnColorCancel = MemberButton(tr("Cancel"), "btnColorCancel", this);
    auto* colourButtons = new QHBoxLayout;
    colourButtons->addStretch();
    colourButtons->addWidget(btnColorSave);
    colourButtons->addWidget(btnColorCancel);
    auto* colourRows = new QVBoxLayout(this);
    colourRows->addLayout(colourForm);
    colourRows->addLayout(colourButtons);
    hide();

    pmFeatherColor_ = MemberNamed(new QMenu(this), "pmFeatherColor");
    pmFeatherColor_->addAction(tr("&A Add"), this, [this] { startAdding(); });
    pmFeatherColor_->addAction(tr("&D Delete"), this, [this] { deleteChosen(); });
    pmFeatherColor_->addAction(tr("&E exit"));

    cbbBColour_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cbbBColour_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { pmFeatherColor_->popup(cbbBColour_->mapToGlobal(pos)); });
    connect(btnColorSave, &QPushButton::clicked, this, [this] { save(); });
    connect(btnColorCancel, &QPushButton::clicked, this, &QWidget::hide);
}

void FeatherColourPanel::fill() {
    cbbBColour_->clear();
    cbbBColour_->addItems(ColourBoxNames(ctx_.db));
    cbbBColour_->setItemText(0, tr("Other"));  // the first entry, a ring without a known colour
}

QString FeatherColourPanel::chosenColour() const {
    return cbbBColour_->currentIndex() == 0 ? kOtherColour : cbbBColour_->currentText();
}

void FeatherColourPanel::startAdding() {
    edtColorCode_->clear();
    edtColorName_->clear();
    show();
    edtColorCode_->setFocus();
}

void FeatherColourPanel::deleteChosen() {
    guarded(ctx_.prompts, [this] {
        DeleteFeatherColour(ctx_.db, chosenColour());
        fill();
    });
}

void FeatherColourPanel::save() {
    guarded(ctx_.prompts, [this] {
        AddFeatherColour(ctx_.db, edtColorCode_->text(), edtColorName_->text());
        hide();
        fill();
    });
}
