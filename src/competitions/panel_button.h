#pragma once

#include <QPushButton>

// A push button of a competitions panel with its object name, as the GUI tests find it.
inline QPushButton* PanelButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
