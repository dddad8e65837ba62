#include "placeholder_screen.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderScreen::PlaceholderScreen(const QString& title, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont f = heading->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    heading->setFont(f);
    auto* note = new QLabel(tr("This screen is not available yet; it comes in a later version "
                               "of the program."),
                            this);
    note->setObjectName(QStringLiteral("lblNotYet"));
    layout->addWidget(heading);
    layout->addWidget(note);
    layout->addStretch();
}
