#pragma once

#include <QWidget>

#include "combined_result.h"
#include "data/app_context.h"
#include "widgets/child_signals.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// The Federation screen: a club's result files imported through the preview, and the combined
// result of a release with its summaries, the lofts without a distance, the clubs' prize
// lists, printing and publishing.
class TfrmFederation : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmFederation(AppContext& ctx, QWidget* parent = nullptr);

    // Fills the release list again and shows the chosen release's result.
    void refresh();

  private:
    void importFiles();
    void showRelease();
    void printResult();
    void printPrizes();
    void publish();
    QString federationName();

    AppContext& ctx_;
    QLineEdit* edtFedClubCode_ = nullptr;
    QLineEdit* edtFedClubName_ = nullptr;
    QComboBox* cbbFedRelease_ = nullptr;
    QComboBox* cbbFedClub_ = nullptr;
    QTableWidget* dbgrdFedResult_ = nullptr;
    QLabel* lblFedSummary_ = nullptr;
    QList<Release> releases_;
    CombinedResult result_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
