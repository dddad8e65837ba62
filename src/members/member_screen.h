#pragma once

#include <QWidget>

#include "data/app_context.h"
#include "members/member_store.h"
#include "races/pasted_coordinates.h"

class CoordinateBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SqlGrid;

// The member screen: the member list, the member form, a member's clocks and a member's rings
// with the ring form and the feather colours. Every action forwards to the member, ring and
// colour logic; failures are shown in the error box.
class TfrmMember_TC : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmMember_TC(AppContext& ctx, QWidget* parent = nullptr);

    // The sort text shared by the screen's three grids; it outlives every screen object.
    static QString& sortText();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMemberPanel();
    void buildMemberForm();
    void buildClockPanel();
    void buildRingPanel();
    void coordinatesPasted(const QString& text, CoordinateAxis axis);

    void showStep();
    void showOnly(QWidget* panel);
    void loadMembers();
    void fillColourBox();

    // Member list and form.
    void newMember();
    void editMember();
    void deleteMember();
    void saveMember();
    void cancelMember();
    void checkCoordOnLeave(LoftCoordBox left);

    // Clocks.
    void openClockList();
    void deleteClock();

    // Rings.
    void openRingList();
    void loadRings(const QString& selectRingNo = {});
    void loadSelectedRing();
    void newRing(bool range);
    void cancelRing();
    void saveRing();
    void deleteRing();
    void exportRings();
    void importRings();
    void countryChosen();
    void applyEntryLimits();
    void checkNehuLetters();
    void addColour();
    void deleteColour();
    void saveColour();

    void comesLater(const QString& text);
    QString currentLoftNo() const;

    AppContext& ctx_;
    MemberSettings settings_;
    QString ringLoftNo_;   // the member whose ring list is open
    QString clockLoftNo_;  // the member whose clock list is open
    // The limits of the letters and number boxes that the country ring code last chosen set.
    int letterLimit_ = 5;
    int numberLimit_ = 7;

    QLabel* lblTitle_;
    // Member list.
    QWidget* pnlMem_;
    SqlGrid* dbgrdMem_;
    QLabel* lblMemCnt_;
    QMenu* rgMem_;
    // Member form.
    QWidget* pnlNewMember_;
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
    // Clocks.
    QWidget* pnlClockList_;
    QLabel* lblClockListTitle_;
    SqlGrid* dbgrdClockList_;
    QLabel* lblClockListSum_;
    QMenu* rgClockList_;
    // Rings.
    QWidget* pnlMemRing_;
    SqlGrid* dbgrdMemRing_;
    QLabel* lblRingCnt_;
    QMenu* rgMemRing_;
    QWidget* pnlMRingData_;
    QComboBox* cbbCountryRingCode_;
    QComboBox* combBYear_;
    QLineEdit* edtRegLetter_;
    QLineEdit* edtRegNum_;
    QLabel* lbl6_;
    QLineEdit* edtUpRegNum_;
    QComboBox* cbbSex_;
    QComboBox* cbbBColour_;
    QPlainTextEdit* mmoComment_;
    QMenu* pmFeatherColor_;
    QGroupBox* grpBirdColor_;
    QLineEdit* edtColorCode_;
    QLineEdit* edtColorName_;
};
