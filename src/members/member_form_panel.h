#pragma once

#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "data/edited_row.h"
#include "members/member_store.h"
#include "races/pasted_coordinates.h"
#include "widgets/child_signals.h"

class CoordinateBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The member form: name, address, loft number and loft coordinates, and notes. Opened empty
// for "AddNew" (the loft number can be typed) or with a stored member (it cannot).
class MemberFormPanel : public QWidget {
    Q_OBJECT
  public:
    explicit MemberFormPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Empties the form for a new member, with the club's association code. Throws DbError.
    void startNew();
    // Fills the form with the stored member `loftNo`. Throws DbError.
    void startEdit(const QString& loftNo);
    // Puts the cursor in the first box (once the form is shown).
    void focusFirst();
    // Whether the form holds typing not stored yet.
    bool hasUnsavedChanges() const;
    // Stores the form as "OK" does; false when it was refused (the form stays as typed).
    bool saveNow();

  signals:
    // The member was stored; the form is done.
    void saved();
    void cancelled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void coordinatesPasted(const QString& text, CoordinateAxis axis);
    bool save();
    void checkCoordOnLeave(LoftCoordBox left);
    QStringList formState() const;

    AppContext& ctx_;
    QLineEdit* edtName_;
    QLineEdit* edtStreet_;
    QLineEdit* edtToneCity_;
    QLineEdit* edtPostCode_;
    QLineEdit* edtPhone_;
    QLineEdit* edtUnionCode_;
    QLineEdit* edtSeriesNo_;
    CoordinateBox* medtLoftLon_;
    CoordinateBox* medtLoftLat_;
    QLabel* lblCoordPasted_;
    QPlainTextEdit* mmoNote_;
    QComboBox* cbbNameShown_;
    QCheckBox* chkTownShown_;
    // The member as the form was filled with it; a form for a new member has none.
    std::optional<EditedRow> loaded_;
    // The form as it was filled; none once it was stored or left.
    std::optional<QStringList> clean_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
