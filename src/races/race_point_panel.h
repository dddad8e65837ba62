#pragma once

#include <QDate>
#include <QSqlRecord>
#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "data/edited_row.h"
#include "pasted_coordinates.h"
#include "result_lock.h"
#include "widgets/child_signals.h"

class CoordinateBox;
class QCheckBox;
class QLabel;
class QComboBox;
class DateTimeBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class RaceTypeBox;
class SqlGrid;

// The race list with the liberation point editor, its clubs and its sites.
class RacePointPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RacePointPanel(AppContext& ctx, QWidget* parent = nullptr);

    // The race list's current row (empty when there is none).
    QSqlRecord currentRace() const;
    // Shows the current race in the editor.
    void selectRace();
    // Fills the editor with the stored race. Throws DbError.
    void showRace(const QString& code, const QDate& date);
    // Deletes the current race after asking. Throws UserError / DbError.
    void deleteRace();
    void focusClub();

  signals:
    // A right click on the race list, at `globalPos`; any other click asks to hide the list.
    void actionListRequested(const QPoint& globalPos);
    void actionListDismissed();
    // A double click on the race list.
    void raceDoubleClicked();
    // "SunData Setting" for the race the editor shows.
    void sunDataRequested(const QString& raceCode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void fillClubs();
    void fillSites();
    void loadRaceList();
    void setPointFieldsEnabled(bool enabled);

    void addNew();
    void cancelEdit();
    void customizedPoint();
    void siteChosen();
    void save();
    void deleteSite();
    void saveClub();
    void deleteClub();
    void coordinatesPasted(const QString& text, CoordinateAxis axis);

    AppContext& ctx_;

    SqlGrid* dbgrd1_ = nullptr;
    // The results' locks as the list shows them, read with the list and whenever the panel
    // comes back into view (the result panel locks and unlocks them).
    QHash<QString, ResultLock> locks_;
    QGroupBox* grpLibDetail_ = nullptr;
    QComboBox* combClub_ = nullptr;
    QLineEdit* edtlibSiteAbbriv_ = nullptr;
    QComboBox* combLibSite_ = nullptr;
    CoordinateBox* medtRaceLon_ = nullptr;
    CoordinateBox* medtRaceLat_ = nullptr;
    QLabel* lblCoordPasted_ = nullptr;
    DateTimeBox* dtpLibDate_ = nullptr;
    DateTimeBox* dtpLibTime_ = nullptr;
    // The date of the race the editor was filled from; invalid after "AddNew" and "Cancel".
    QDate loadedDate_;
    // The race as the editor was filled with it; none for a race entered with "AddNew".
    std::optional<EditedRow> loadedRace_;
    QLineEdit* edtLibCode_ = nullptr;
    QCheckBox* chkLibPoint_ = nullptr;
    RaceTypeBox* raceTypes_ = nullptr;
    QGroupBox* grpClubMap_ = nullptr;
    QLineEdit* edtClubCode_ = nullptr;
    QLineEdit* edtClubNmae_ = nullptr;
    QMenu* pmClubCode_ = nullptr;
    QMenu* pmLiberSite_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
