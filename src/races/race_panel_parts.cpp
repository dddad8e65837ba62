#include "race_panel_parts.h"

#include <QLabel>
#include <QPushButton>

QString& RaceScreenSortText() {
    static QString sortText;
    return sortText;
}

QPushButton* RacePanelButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* RacePanelTitle(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QString RecordText(const QSqlRecord& rec, const char* field) {
    return rec.value(QLatin1String(field)).toString();
}
