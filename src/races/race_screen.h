#pragma once

#include <QWidget>

#include "data/app_context.h"
#include "loft_distances.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimeEdit;
class SqlGrid;

// The Races screen: the race list, the liberation point editor with clubs and sites, the sun
// data of a race, and the loft distances of its liberation code. Every action forwards to the
// race, sun data and loft distance stores.
class TfrmRace : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmRace(AppContext& ctx, QWidget* parent = nullptr);

    // The items of the race list's action list, by index.
    static QStringList ActionItems();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildMainPanel();
    void buildSunPanel();
    void buildLoftDistPanel();
    void buildDownloadPanel();
    void showPanel(QWidget* panel);

    void fillClubs();
    void fillSites();
    void loadRaceList();
    void setPointFieldsEnabled(bool enabled);

    void selectRace();
    void addNew();
    void cancelEdit();
    void customizedPoint();
    void siteChosen();
    void save();
    void deleteRace();
    void deleteSite();
    void saveClub();
    void deleteClub();
    void actionChosen(int index);
    void printLater();

    void openSunData();
    void saveSunData();

    void setDistanceTitles(SqlGrid* grid);
    void prepareDistanceGrid(SqlGrid* grid);
    void openLoftDistances();
    void loftDistUpdate();
    void openDistanceDownload();
    void chooseDistanceFile();
    void downloadDistances();
    bool distanceGridKey(SqlGrid* grid, QEvent* event);
    void postDistanceEdit(SqlGrid* grid);

    AppContext& ctx_;

    QWidget* pnlRacePoint_ = nullptr;
    SqlGrid* dbgrd1_ = nullptr;
    QGroupBox* grpLibDetail_ = nullptr;
    QComboBox* combClub_ = nullptr;
    QLineEdit* edtlibSiteAbbriv_ = nullptr;
    QComboBox* combLibSite_ = nullptr;
    QLineEdit* medtRaceLon_ = nullptr;
    QLineEdit* medtRaceLat_ = nullptr;
    QDateEdit* dtpLibDate_ = nullptr;
    QTimeEdit* dtpLibTime_ = nullptr;
    QLineEdit* edtLibCode_ = nullptr;
    QCheckBox* chkLibPoint_ = nullptr;
    QGroupBox* grpClubMap_ = nullptr;
    QLineEdit* edtClubCode_ = nullptr;
    QLineEdit* edtClubNmae_ = nullptr;
    QMenu* pmClubCode_ = nullptr;
    QMenu* pmLiberSite_ = nullptr;
    QListWidget* rgRacePoint_ = nullptr;

    QWidget* pnlSunData_ = nullptr;
    QTableWidget* StrGridSunSet_ = nullptr;

    QWidget* pnlLoftLibPointDist_ = nullptr;
    QLabel* lblLoftPointDistTitle_ = nullptr;
    SqlGrid* dbgrdLoftLibDist_ = nullptr;

    QWidget* pnlDistDownLoad_ = nullptr;
    QLabel* lblLoftDistDL_ = nullptr;
    SqlGrid* dbgridDistDL_ = nullptr;
    QLabel* labFilePath_ = nullptr;
    QPushButton* butDistDL_ = nullptr;

    // The liberation code the distance grids show (the loft distance panel sets it; the
    // download panel keeps it); empty before the first opening: every row.
    QString distanceFilterCode_;
    bool distanceFiltered_ = false;
    DistanceGridEdit distanceEdit_;
};
