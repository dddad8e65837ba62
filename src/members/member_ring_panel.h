#pragma once

#include <QSqlRecord>
#include <QWidget>
#include <optional>

#include "data/app_context.h"
#include "data/edited_row.h"
#include "widgets/child_signals.h"

class FeatherColourPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class SqlGrid;

// A member's rings: the ring list with its count, "Print" and "Ring Export", the ring form
// (one ring or a range, country ring code, year, letters, number, sex, colour and comment) and
// the feather colours beside it; rings to and from workbooks.
class MemberRingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit MemberRingPanel(AppContext& ctx, QWidget* parent = nullptr);

    // The entries of the country ring code box and of the birth year box.
    void setCountryCodes(const QStringList& codes);
    void setBirthYears(const QStringList& years);
    // Reads the feather colours into the colour box again. Throws DbError.
    void fillColours();
    // Shows the rings of `member` (a row of the member list) with an empty form. Throws DbError.
    void open(const QSqlRecord& member);
    // Whether the ring form holds typing not stored yet.
    bool hasUnsavedChanges() const;
    // Stores the ring form as "Save" does; false when nothing was stored.
    bool saveNow();

  signals:
    // A ring of the list is to be edited: the panel must be the one shown.
    void showRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildRingForm();
    void loadRings(const QString& selectRingNo = {});
    void loadSelectedRing();
    void newRing(bool range);
    void cancelRing();
    bool saveRing();
    void deleteRing();
    void exportRings();
    void importRings();
    void countryChosen();
    void applyEntryLimits();
    void checkNehuLetters();
    QStringList formState() const;

    AppContext& ctx_;
    QSqlRecord member_;  // the member whose ring list is open
    QString loftNo_;
    // The ring as the form was filled with it from the list; none for a new ring.
    std::optional<EditedRow> loadedRing_;
    // The form as a range left it: saving it again unchanged would write the range's values
    // over its first ring, which the secretary never edited.
    std::optional<QStringList> afterRange_;
    // The form as it was last filled, emptied or stored.
    QStringList cleanState_;
    // The limits of the letters and number boxes that the country ring code last chosen set.
    int letterLimit_ = 5;
    int numberLimit_ = 7;

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
    FeatherColourPanel* grpBirdColor_;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
