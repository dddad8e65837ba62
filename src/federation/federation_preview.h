#pragma once

#include <QDialog>

#include "federation_import.h"
#include "widgets/child_signals.h"

class QComboBox;
class QDialogButtonBox;
class QPlainTextEdit;
class QLabel;
class TdmZOLF;

// The preview of a club's files: what will be added and every conflict, a choice per kind of
// conflict, the site of each race from an unknown site and the liberation time of each race
// that needs one. "Store" is enabled once nothing is left undecided.
class FederationPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    FederationPreviewDialog(TdmZOLF& db, ImportPlan& plan, QWidget* parent = nullptr);

  private:
    void update();

    ImportPlan& plan_;
    QPlainTextEdit* preview_ = nullptr;
    QLabel* open_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
