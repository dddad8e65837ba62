#include "race_panel_parts.h"

#include <QLabel>
#include <QPushButton>

#include "data/prompts.h"

namespace {
const QString kPrintLater = QStringLiteral("Printing comes in a later version of the program.");
}

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

QPushButton* PrintLaterButton(QWidget* parent, const char* name, Prompts& prompts) {
    auto* print = RacePanelButton(parent, name, QObject::tr("Print"));
    print->setToolTip(kPrintLater);
    QObject::connect(print, &QPushButton::clicked, print,
                     [&prompts] { prompts.information(kPrintLater); });
    return print;
}

QString RecordText(const QSqlRecord& rec, const char* field) {
    return rec.value(QLatin1String(field)).toString();
}
