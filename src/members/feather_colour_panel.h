#pragma once

#include <QGroupBox>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class QComboBox;
class QLineEdit;
class QMenu;

// The feather colours: fills the ring form's colour box, and keeps the colours through the
// box's menu ("Add" opens this small form, "Delete" removes the colour the box shows).
class FeatherColourPanel : public QGroupBox {
    Q_OBJECT
  public:
    // `colourBox` is the ring form's colour box, whose menu this panel answers.
    FeatherColourPanel(AppContext& ctx, QComboBox* colourBox, QWidget* parent = nullptr);

    // Reads the colours into the box again; its first entry is a ring without a known colour.
    // Throws DbError.
    void fill();
    // The colour the box shows, as the ring work knows it.
    QString chosenColour() const;

  private:
    void startAdding();
    void deleteChosen();
    void save();

    AppContext& ctx_;
    QComboBox* cbbBColour_;
    QMenu* pmFeatherColor_;
    QLineEdit* edtColorCode_;
    QLineEdit* edtColorName_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
