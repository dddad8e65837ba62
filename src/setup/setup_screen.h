#pragma once

#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "data/edited_row.h"
#include "setup/club_setup.h"
#include "widgets/child_signals.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The club setup screen: the club's record, the known clubs, language, speed unit, the age of
// the automatic backup and the printed copies; backup on demand and restore. It has no save
// button: it stores its fields every time it closes (docked in the main window, or as the
// first-run window of its own).
class TfrmSetup : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmSetup(AppContext& ctx, QWidget* parent = nullptr);

    // Whether the last close stored the club record.
    bool saved() const { return saved_; }
    // The boxes' texts as they stand.
    ClubSetupFields fields() const;

  signals:
    // The screen has closed (its fields were stored or refused with a message).
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fill();
    void clubChosen(int index);
    void backupNow();
    void loadBackup();
    void copyToServer();
    void copyToFile();
    // Lists the serial ports found now, the port in use chosen.
    void listPorts();
    // The port box's choice becomes the antenna's port, now and at the next starts.
    void portChosen();
    void seatChosen();

    AppContext& ctx_;
    bool saved_ = false;
    bool restored_ = false;
    // The club record as the screen was filled with it.
    std::optional<EditedRow> loaded_;

    QLineEdit* edtClubName;
    QComboBox* cbbClubName;
    QLineEdit* edtClubAbbt;
    QLineEdit* edtClubStreet;
    QLineEdit* edtClubToneCity;
    QLineEdit* edtPostCode;
    QLineEdit* edtAssociation;
    QComboBox* cbbLangue;
    QComboBox* cbbMode;
    QComboBox* cbbDistanceMethod;
    QCheckBox* chkLargerText;
    QLineEdit* edtDay;
    QLineEdit* edtSeasonsKept;
    QLineEdit* edtCopies;
    QPushButton* btnLoadBk;
    QPushButton* btnBackNow;
    QPushButton* btnCopyToServer;
    QPushButton* btnCopyToFile;
    QComboBox* cbbPort;
    QPushButton* btnPortRefresh;
    QLineEdit* edtSeat;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
