#pragma once

#include <QSqlRecord>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Pieces every panel of the Races screen shares.

// The one sort text of the screen's grids; it lasts while the program runs, so the lists come
// sorted the same way when the screen is opened again.
QString& RaceScreenSortText();

// A push button with its object name.
QPushButton* RacePanelButton(QWidget* parent, const char* name, const QString& text);
// A panel's large bold title.
QLabel* RacePanelTitle(QWidget* parent, const char* name, const QString& text);

QString RecordText(const QSqlRecord& rec, const char* field);
