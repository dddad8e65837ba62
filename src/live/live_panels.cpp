#include "live_panels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QSpinBox>

#include "data/date_time.h"
#include "data/local_settings.h"
#include "live/live_board.h"
#include "live/live_service.h"
#include "live/qr_code.h"

LiveHomePanel::LiveHomePanel(QWidget* parent) : QGroupBox(tr("Live board"), parent) {
    setObjectName(QStringLiteral("grpLiveBoard"));
    lblLiveBoard = new QLabel(this);
    lblLiveBoard->setObjectName(QStringLiteral("lblLiveBoard"));
    lblLiveBoard->setWordWrap(true);
    lblLiveBoard->setTextFormat(Qt::PlainText);
    lblLiveBoard->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblLiveBoard->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLiveQr = new QLabel(this);
    lblLiveQr->setObjectName(QStringLiteral("lblLiveQr"));
    auto* l = new QHBoxLayout(this);
    l->addWidget(lblLiveBoard, 1);
    l->addWidget(lblLiveQr, 0, Qt::AlignTop);
    if (LiveBoard* board = LiveBoard::instance()) {
        connect(board, &LiveBoard::statusChanged, this, &LiveHomePanel::fill);
    }
    fill();
}

void LiveHomePanel::showEvent(QShowEvent* event) {
    QGroupBox::showEvent(event);
    fill();
}

void LiveHomePanel::fill() {
    const LiveBoard* board = LiveBoard::instance();
    const LiveBoard::Status status = board != nullptr ? board->status() : LiveBoard::Status{};
    QStringList lines;
    if (status.running) {
        lines << tr("Members follow the arrivals at %1 (club-room screen: %1screen).")
                     .arg(status.address);
    } else if (status.problem.isEmpty()) {
        lines << tr("Off. Switch it on in Setup to show the arrivals on the club's network.");
    }
    if (!status.problem.isEmpty()) {
        lines << status.problem;
    }
    lblLiveBoard->setText(lines.join(QLatin1Char('\n')));
    lblLiveBoard->setStyleSheet(status.problem.isEmpty() ? QString()
                                                         : QStringLiteral("color: #b00000;"));
    const QImage qr = status.running ? QrCodeImage(status.address, 3) : QImage();
    lblLiveQr->setPixmap(qr.isNull() ? QPixmap() : QPixmap::fromImage(qr));
    lblLiveQr->setVisible(!qr.isNull());
    lblLiveQr->setAccessibleName(status.running ? tr("QR code of %1").arg(status.address)
                                                : QString());
}

LiveSetupBox::LiveSetupBox(TdmZOLF& db, QWidget* parent) : QGroupBox(tr("Live board :"), parent) {
    setObjectName(QStringLiteral("grpLiveSetup"));
    chkLiveBoard = new QCheckBox(tr("Show the arrivals live to members"), this);
    chkLiveBoard->setObjectName(QStringLiteral("chkLiveBoard"));
    spnLivePort = new QSpinBox(this);
    spnLivePort->setObjectName(QStringLiteral("spnLivePort"));
    spnLivePort->setRange(1, 65535);
    spnLivePort->setKeyboardTracking(false);
    cbbLiveInterface = new QComboBox(this);
    cbbLiveInterface->setObjectName(QStringLiteral("cbbLiveInterface"));
    cbbLiveInterface->addItems({tr("The club's network"), tr("This PC only")});  // by position
    cbbLiveRace = new QComboBox(this);
    cbbLiveRace->setObjectName(QStringLiteral("cbbLiveRace"));
    cbbLiveRace->addItem(tr("The race being read"));
    try {
        for (const LiveRace& race : LiveRaceChoices(db)) {
            cbbLiveRace->addItem(race.liberCode + QLatin1Char(' ') + DateText(race.liberDate),
                                 QStringList{race.liberCode, DateText(race.liberDate)});
        }
    } catch (const std::exception&) {
        // The list stays with its first entry; the board follows the race being read.
    }
    auto* g = new QGridLayout(this);
    g->addWidget(chkLiveBoard, 0, 0, 1, 2);
    g->addWidget(new QLabel(tr("Port :"), this), 1, 0);
    g->addWidget(spnLivePort, 1, 1);
    g->addWidget(new QLabel(tr("Listen on :"), this), 2, 0);
    g->addWidget(cbbLiveInterface, 2, 1);
    g->addWidget(new QLabel(tr("Race shown :"), this), 3, 0);
    g->addWidget(cbbLiveRace, 3, 1);
    g->setColumnStretch(1, 1);

    filling_ = true;
    const std::unique_ptr<QSettings> settings = OpenLocalSettings();
    const LiveSettings live = ReadLiveSettings(*settings);
    chkLiveBoard->setChecked(live.enabled);
    spnLivePort->setValue(live.port);
    cbbLiveInterface->setCurrentIndex(live.listenOn == LiveInterface::ThisPcOnly ? 1 : 0);
    const int race = cbbLiveRace->findData(QStringList{live.raceCode, DateText(live.raceDate)});
    cbbLiveRace->setCurrentIndex(live.raceCode.isEmpty() || race < 0 ? 0 : race);
    filling_ = false;

    connect(chkLiveBoard, &QCheckBox::toggled, this, &LiveSetupBox::changed);
    connect(spnLivePort, &QSpinBox::valueChanged, this, &LiveSetupBox::changed);
    connect(cbbLiveInterface, &QComboBox::currentIndexChanged, this, &LiveSetupBox::changed);
    connect(cbbLiveRace, &QComboBox::currentIndexChanged, this, &LiveSetupBox::changed);
}

void LiveSetupBox::changed() {
    if (filling_) {
        return;
    }
    const std::unique_ptr<QSettings> settings = OpenLocalSettings();
    LiveSettings live = ReadLiveSettings(*settings);
    live.enabled = chkLiveBoard->isChecked();
    live.port = spnLivePort->value();
    live.listenOn = cbbLiveInterface->currentIndex() == 1 ? LiveInterface::ThisPcOnly
                                                          : LiveInterface::ClubNetwork;
    const QStringList race = cbbLiveRace->currentData().toStringList();
    live.raceCode = race.value(0);
    live.raceDate = ParseDate(race.value(1));
    WriteLiveSettings(*settings, live);
    if (LiveBoard* board = LiveBoard::instance()) {
        board->apply(live);
    }
}
