#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class TdmZOLF;

// Home's view of the live board: its address and the QR code a phone opens it with, or that it
// is off, or why it is not running.
class LiveHomePanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit LiveHomePanel(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fill();

    QLabel* lblLiveBoard;
    QLabel* lblLiveQr;
};

// Setup's fields of the live board (they belong to this PC): on or off, the port, the interface
// it listens on and the race shown. A change takes effect at once.
class LiveSetupBox : public QGroupBox {
    Q_OBJECT
  public:
    LiveSetupBox(TdmZOLF& db, QWidget* parent = nullptr);

  private:
    void changed();

    bool filling_ = false;
    QCheckBox* chkLiveBoard;
    QSpinBox* spnLivePort;
    QComboBox* cbbLiveInterface;
    QComboBox* cbbLiveRace;
};
