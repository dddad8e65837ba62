#include "race_type_box.h"

#include <QComboBox>
#include <QHBoxLayout>

#include "race_types.h"

RaceTypeBox::RaceTypeBox(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kMaxRaceTypes; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cbbRaceType%1").arg(i + 1));
        layout->addWidget(box, 1);
        boxes_ << box;
    }
}

void RaceTypeBox::setChoices(const QStringList& clubTypes) {
    const QStringList chosen = types();
    choices_ = clubTypes;
    setTypes(chosen);
}

void RaceTypeBox::setTypes(const QStringList& types) {
    QStringList items = QStringList{QString()} + choices_;
    for (const QString& t : types) {
        if (!items.contains(t)) {
            items << t;
        }
    }
    for (int i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->clear();
        boxes_[i]->addItems(items);
        boxes_[i]->setCurrentIndex(i < types.size() ? int(items.indexOf(types[i])) : 0);
    }
}

QStringList RaceTypeBox::types() const {
    QStringList out;
    for (QComboBox* box : boxes_) {
        if (!box->currentText().isEmpty()) {
            out << box->currentText();
        }
    }
    return out;
}
