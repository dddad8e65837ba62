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
    QString coordText(QLineEdit* edit) const;

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

    QWidget* pnlRacePoint_;
    SqlGrid* dbgrd1_;
    QGroupBox* grpLibDetail_;
    QComboBox* combClub_;
    QLineEdit* edtlibSiteAbbriv_;
    QComboBox* combLibSite_;
    QLineEdit* medtRaceLon_;
    QLineEdit* medtRaceLat_;
    QDateEdit* dtpLibDate_;
    QTimeEdit* dtpLibTime_;
    QLineEdit* edtLibCode_;
    QCheckBox* chkLibPoint_;
    QGroupBox* grpClubMap_;
    QLineEdit* edtClubCode_;
    QLineEdit* edtClubNmae_;
    QMenu* pmClubCode_;
    QMenu* pmLiberSite_;
    QListWidget* rgRacePoint_;

    QWidget* pnlSunData_;
    QTableWidget* StrGridSunSet_;

    QWidget* pnlLoftLibPointDist_;
    QLabel* lblLoftPointDistTitle_;
    SqlGrid* dbgrdLoftLibDist_;

    QWidget* pnlDistDownLoad_;
    QLabel* lblLoftDistDL_;
    SqlGrid* dbgridDistDL_;
    QLabel* labFilePath_;
    QPushButton* butDistDL_;

    // The liberation code the distance grids show (the loft distance panel sets it; the
    // download panel keeps it); empty before the first opening: every row.
    QString distanceFilterCode_;
    bool distanceFiltered_ = false;
    DistanceGridEdit distanceEdit_;
};
