#pragma once

#include <QWidget>

// A docked screen that a later version of the program fills in: it shows its title and says so.
class PlaceholderScreen : public QWidget {
    Q_OBJECT
  public:
    PlaceholderScreen(const QString& title, QWidget* parent = nullptr);
};
