#pragma once

#include <QWidget>

#include "championship.h"
#include "data/app_context.h"
#include "widgets/child_signals.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;

// The "Championships" panel of the Races screen: the club's championships (name, season, race
// types, rule, lofts or ace pigeons), their standings recomputed from the stored rankings on
// demand, printed or written as a workbook; and the club's list of race types.
class ChampionshipsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ChampionshipsPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the championships, the season of `today` proposed for a new one.
    void open();

  signals:
    void closed();

  private:
    void loadList();
    void showChampionship(const ChampionshipDefinition& c);
    ChampionshipDefinition edited() const;
    void save();
    void remove();
    void computeStandings();
    void exportStandings();
    void saveRaceTypes();

    AppContext& ctx_;
    QList<ChampionshipDefinition> championships_;

    QListWidget* lstChampionships_ = nullptr;
    QLineEdit* edtChampName_ = nullptr;
    QSpinBox* spnSeason_ = nullptr;
    QListWidget* lstChampTypes_ = nullptr;
    QComboBox* cbbChampRule_ = nullptr;
    QLineEdit* edtChampPoints_ = nullptr;
    QSpinBox* spnBestN_ = nullptr;
    QSpinBox* spnOfM_ = nullptr;
    QComboBox* cbbChampSubject_ = nullptr;
    QLabel* lblStandingsTitle_ = nullptr;
    QTableWidget* grdStandings_ = nullptr;
    QPlainTextEdit* memRaceTypes_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
