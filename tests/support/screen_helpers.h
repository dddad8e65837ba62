#pragma once

#include <QPushButton>
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
