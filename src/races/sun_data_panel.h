#pragma once

#include <QWidget>

#include "data/app_context.h"
#include "widgets/child_signals.h"

class QTableWidget;

// The sun data panel: the sunset and sunrise times of a race's days, typed in a grid.
class SunDataPanel : public QWidget {
    Q_OBJECT
  public:
    explicit SunDataPanel(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the stored rows of the race `raceCode`. Throws DbError.
    void open(const QString& raceCode);
    // Puts the cursor on the first row to type.
    void startTyping();

  signals:
    void closed();

  private:
    void save();

    AppContext& ctx_;
    QString raceCode_;
    QTableWidget* StrGridSunSet_ = nullptr;

  private:
    ChildSignalsCut childSignalsCut_{this};  // the last member: see child_signals.h
};
