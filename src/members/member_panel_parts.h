#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QEvent;
class QLineEdit;
class QObject;
class QPushButton;
class SqlGrid;
class QWidget;

// Pieces every panel of the member screen shares.

// The one sort text of the screen's grids, kept for the whole run of the program so the lists
// come sorted the same way when the screen is opened again.
QString& MemberScreenSortText();

// Gives a widget its object name and returns it.
template <typename W>
W* MemberNamed(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* MemberLineEdit(const char* name, int maxLength, QWidget* parent);
QPushButton* MemberButton(const QString& caption, const char* name, QWidget* parent);

// Puts a text the program supplies into a box whole: the box's limit holds what is typed, and
// a longer stored or club value must not be cut short (and stored so) by it.
void SetWholeText(QLineEdit* edit, const QString& text, int limit);

// Shows only the listed columns of a grid (by position), each as wide as its contents.
void ShowMemberColumns(SqlGrid* grid, const QList<int>& shown);

// A stored moment or date as the lists show it; a text that is neither stays as it is.
QString MomentCell(const QVariant& value);
QString DateCell(const QVariant& value);

// The user left a box (another window or a pop-up taking the focus is not leaving it).
bool FocusLeft(QEvent* event);
