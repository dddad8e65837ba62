#pragma once

#include <QWidget>

#include "competition_types.h"
#include "data/app_context.h"
#include "pool_payout.h"
#include "widgets/child_signals.h"

class QLabel;
class QTableWidget;
class QTabWidget;

// The "Pools" panel of the Races screen for one race: its pools (copied from the club's
// template), the birds entered in each and the lofts' nominations, and the payout with the
// pool sheet that balances. Every action is one call of the pool logic.
class PoolsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PoolsPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the pools of the race, giving it the club's template when it has none yet and
    // its entries are still open.
    void open(const RaceId& race);

  signals:
    void closed();

  private:
    void loadPools();
    void loadEntries();
    void loadPayout();
    QList<PoolDefinition> poolsInTable() const;
    // Each row's name as stored when the pools were read (empty for a pool added since).
    QStringList storedNamesInTable() const;
    void savePools();
    void saveTemplate();
    void useTemplate();
    void entryCellChanged(int row, int column);
    void importEntries();
    void exportEntries();
    void exportPoolSheet();
    void exportLoftPayout();

    AppContext& ctx_;
    RaceId race_;
    QList<PoolDefinition> pools_;
    QStringList storedNames_;  // beside pools_: the name each pool is stored under, or empty
    QList<PoolPayout> payouts_;
    bool filling_ = false;

    QLabel* lblPoolsTitle_ = nullptr;
    QTabWidget* tabPools_ = nullptr;
    QTableWidget* grdPools_ = nullptr;
    QTableWidget* grdPoolEntries_ = nullptr;
    QTableWidget* grdPayout_ = nullptr;
    QLabel* lblPoolBalance_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
