#pragma once

#include <QCoreApplication>
#include <QString>

// Messages kept as English constants (the program compares them, the tests name them) are
// marked for translation where they are defined, with QT_TRANSLATE_NOOP(context, text), and
// shown in the interface language through this.
inline QString Translated(const char* context, const QString& english) {
    return QCoreApplication::translate(context, english.toUtf8().constData());
}
