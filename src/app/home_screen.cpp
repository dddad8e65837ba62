#include "home_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/home_figures.h"
#include "data/colours.h"
#include "data/date_time.h"
#include "live/live_panels.h"
#include "widgets/sql_grid.h"

namespace {
struct HomeText {
    Q_DECLARE_TR_FUNCTIONS(TfrmHome)
};
}  // namespace

namespace {

// The Home grid's sort order lives as long as the program: it survives the screen being
// closed and opened again.
QString homeSortText;

const QString kClocksSql = QStringLiteral(
    "select ClockID,LoftName,LastSynchDate from ZOL_LoftClocks a LEFT Join ZOL_LoftData b on "
    "a.LoftNo=b.LoftNo");

QLabel* Figure(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QString DayText(const QDate& date, const QDate& today) {
    QString text = DateText(date);
    if (date == today) {
        text += HomeText::tr(" (today)");
    } else if (date == today.addDays(1)) {
        text += HomeText::tr(" (tomorrow)");
    } else if (date == today.addDays(-1)) {
        text += HomeText::tr(" (yesterday)");
    }
    return text;
}

QString RaceText(const std::optional<HomeRace>& race, const QDate& today, const QString& none,
                 bool flown) {
    if (!race) {
        return none;
    }
    QStringList lines;
    lines << (race->site.isEmpty() ? race->liberCode
                                   : QStringLiteral("%1 (%2)").arg(race->site, race->liberCode));
    lines << HomeText::tr("%1, liberation %2")
                 .arg(DayText(race->date, today),
                      race->liberTime.isEmpty() ? HomeText::tr("not set") : race->liberTime);
    if (flown) {
        lines << HomeText::tr("Birds marked: %1, arrived: %2")
                     .arg(race->birdsMarked)
                     .arg(race->birdsArrived);
        lines << HomeText::tr("Clocks read: %1 for marking, %2 after the race")
                     .arg(race->clocksMarking)
                     .arg(race->clocksResults);
    } else {
        lines << HomeText::tr("Birds marked: %1").arg(race->birdsMarked);
        lines << HomeText::tr("Clocks read for marking: %1").arg(race->clocksMarking);
    }
    return lines.join(QLatin1Char('\n'));
}

QString ClocksText(const HomeFigures& f) {
    if (f.clocks == 0) {
        return HomeText::tr("No clock has been synchronised yet.");
    }
    QStringList lines;
    if (f.racesToSend == 0) {
        lines << HomeText::tr("No race ahead to send to the clocks.");
    } else if (f.raceListChanged.isValid()) {
        lines << HomeText::tr("Race list last changed %1.").arg(MomentText(f.raceListChanged));
    }
    lines << HomeText::tr("Synchronised since: %1 of %2 clocks")
                 .arg(f.clocksSynchronised)
                 .arg(f.clocks);
    // The clocks themselves are listed below the text, where a long list scrolls.
    if (!f.clocksBehind.isEmpty()) {
        lines << HomeText::tr("Still to synchronise: %1 clocks").arg(f.clocksBehind.size());
    }
    return lines.join(QLatin1Char('\n'));
}

QString BackupText(const HomeFigures& f) {
    if (!f.lastBackup.isValid()) {
        return HomeText::tr("No backup has been made yet.");
    }
    QString text = HomeText::tr("Last backup holds the data of %1.").arg(MomentText(f.lastBackup));
    if (f.backupWarning) {
        text +=
            QLatin1Char('\n') + HomeText::tr(
                                    "It is older than the backup age (%1 days) and the data has "
                                    "changed since: start the program again or make a backup in "
                                    "Setup.")
                                    .arg(f.backupDays);
    }
    return text;
}

}  // namespace

TfrmHome::TfrmHome(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmHome"));
    setWindowTitle(tr("Home"));
    auto* title = new QLabel(tr("Home"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);
    lblClub = Figure("lblClub", this);
    QFont clubFont = lblClub->font();
    clubFont.setBold(true);
    lblClub->setFont(clubFont);

    auto* next = new QGroupBox(HomeText::tr("Next race"), this);
    lblNextRace = Figure("lblNextRace", next);
    auto* last = new QGroupBox(HomeText::tr("Last race"), this);
    lblLastRace = Figure("lblLastRace", last);
    btnHomeRaces = Button("btnHomeRaces", HomeText::tr("Races"), this);
    auto* clocks = new QGroupBox(HomeText::tr("Clocks"), this);
    lblClocksSynch = Figure("lblClocksSynch", clocks);
    lstClocksBehind = new QListWidget(clocks);
    lstClocksBehind->setObjectName(QStringLiteral("lstClocksBehind"));
    lstClocksBehind->setUniformItemSizes(true);
    lstClocksBehind->setSelectionMode(QAbstractItemView::NoSelection);
    lstClocksBehind->setMaximumHeight(lstClocksBehind->fontMetrics().lineSpacing() * 6);
    lstClocksBehind->hide();
    btnHomeClocks = Button("btnHomeClocks", HomeText::tr("Clock Operation"), clocks);
    auto* backup = new QGroupBox(HomeText::tr("Backup"), this);
    lblBackup = Figure("lblBackup", backup);
    btnHomeSetup = Button("btnHomeSetup", HomeText::tr("Setup"), backup);

    for (auto [box, label, button] :
         {std::tuple<QGroupBox*, QLabel*, QPushButton*>{next, lblNextRace, nullptr},
          {last, lblLastRace, nullptr},
          {clocks, lblClocksSynch, btnHomeClocks},
          {backup, lblBackup, btnHomeSetup}}) {
        auto* l = new QVBoxLayout(box);
        l->addWidget(label, 1);
        if (label == lblClocksSynch) {
            l->addWidget(lstClocksBehind);
        }
        if (button != nullptr) {
            l->addWidget(button, 0, Qt::AlignLeft);
        }
    }

    DBGrid1 = new SqlGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setSortText(&homeSortText);
    DBGrid1->setTitles({{QStringLiteral("ClockID"), tr("Clock")},
                        {QStringLiteral("LoftName"), tr("Member")},
                        {QStringLiteral("LastSynchDate"), tr("Last synchronised")}});
    DBGrid1->gridModel()->setAlignment(Qt::AlignCenter);
    DBGrid1->gridModel()->setFormatter(
        QStringLiteral("LastSynchDate"), [](const QVariant& value, const QSqlRecord&) {
            if (value.isNull()) {
                return QString();
            }
            const QDateTime moment = ParseMoment(value.toString());
            return moment.isValid() ? DateText(moment.date()) : value.toString();
        });

    auto* races = new QGridLayout;
    races->addWidget(next, 0, 0);
    races->addWidget(last, 0, 1);
    races->addWidget(btnHomeRaces, 1, 0, 1, 2, Qt::AlignLeft);
    auto* state = new QHBoxLayout;
    state->addWidget(clocks, 1);
    state->addWidget(backup, 1);
    state->addWidget(new LiveHomePanel(this), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(lblClub);
    layout->addLayout(races);
    layout->addLayout(state);
    layout->addWidget(DBGrid1, 1);

    connect(btnHomeRaces, &QPushButton::clicked, this,
            [this] { emit screenWanted(ScreenId::Races); });
    connect(btnHomeClocks, &QPushButton::clicked, this,
            [this] { emit screenWanted(ScreenId::ClockOperation); });
    connect(btnHomeSetup, &QPushButton::clicked, this,
            [this] { emit screenWanted(ScreenId::Setup); });
}

void TfrmHome::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] { fill(); });
    }
}

void TfrmHome::fill() {
    const HomeFigures f = ReadHomeFigures(ctx_.db, ctx_.paths, ctx_.clock);
    const QDate today = ctx_.clock.today();
    QStringList codes;
    for (const QString& code : {f.association, f.clubId}) {
        if (!code.isEmpty()) {
            codes << code;
        }
    }
    lblClub->setText(codes.isEmpty() ? f.clubName
                                     : QStringLiteral("%1 (%2)").arg(f.clubName, codes.join(' ')));
    lblNextRace->setText(RaceText(f.nextRace, today, HomeText::tr("No race ahead."), false));
    lblLastRace->setText(RaceText(f.lastRace, today, HomeText::tr("No race flown yet."), true));
    lblClocksSynch->setText(ClocksText(f));
    lstClocksBehind->clear();
    lstClocksBehind->addItems(f.clocksBehind);
    lstClocksBehind->setVisible(!f.clocksBehind.isEmpty());
    lblBackup->setText(BackupText(f));
    lblBackup->setStyleSheet(f.backupWarning ? WarningStyle() : QString());
    lblClocksSynch->setStyleSheet(!f.clocksBehind.isEmpty() ? WarningStyle() : QString());
    DBGrid1->load(ctx_.db, kClocksSql);
}
