#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWidget>

// Finding and pressing a screen's widgets by their object names, as the GUI tests do.

// The child widget `name` of `screen`; a missing one stops the test program at once.
template <typename T>
T* child(QWidget& screen, const char* name) {
    T* w = screen.findChild<T*>(QLatin1String(name));
    if (w == nullptr) {
        qFatal("no widget %s", name);
    }
    return w;
}

inline void click(QWidget& screen, const char* name) {
    QTest::mouseClick(child<QPushButton>(screen, name), Qt::LeftButton);
}

// With KESTRAVA_SHOTS set to a folder, saves a picture of `screen` there as `name`.png.
inline void shot(QWidget& screen, const QString& name) {
    const QString dir = qEnvironmentVariable("KESTRAVA_SHOTS");
    if (!dir.isEmpty()) {
        screen.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
}

// The Races screen's race list: right-clicking race `row` selects it and opens the action
// list; `chooseAction` picks an entry of that list; `chooseRaceAction` does both for the
// first race.
inline void rightClickRace(QWidget& screen, int row) {
    auto* grid = child<QTableView>(screen, "dbgrd1");
    const QPoint at = grid->visualRect(grid->model()->index(row, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, at);
}

inline void chooseAction(QWidget& screen, int index) {
    auto* list = child<QListWidget>(screen, "rgRacePoint");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(index)).center());
}

inline void chooseRaceAction(QWidget& screen, int index) {
    rightClickRace(screen, 0);
    chooseAction(screen, index);
}
