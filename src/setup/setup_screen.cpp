#include "setup_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "data/local_settings.h"
#include "device/serial_ports.h"
#include "live/live_panels.h"
#include "races/distance_method.h"
#include "widgets/edit_controls.h"
#include "widgets/progress_dialog.h"
#include "widgets/text_size.h"

namespace {

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* Choice(QWidget* parent, const char* name, const QStringList& entries) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(entries);
    return box;
}

QLabel* Label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

}  // namespace

TfrmSetup::TfrmSetup(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Setup"));

    auto* address = new QGroupBox(tr("Club address :"), this);
    edtClubName = Edit(address, "edtClubName", 50);
    cbbClubName = Choice(address, "cbbClubName", {});
    // The known-club list can also show a club's name that is not in it, as its text.
    cbbClubName->setEditable(true);
    cbbClubName->setInsertPolicy(QComboBox::NoInsert);
    edtClubAbbt = Edit(address, "edtClubAbbt", 10);
    SetUpperCase(edtClubAbbt);
    edtClubStreet = Edit(address, "edtClubStreet", 50);
    edtClubToneCity = Edit(address, "edtClubToneCity", 30);
    edtPostCode = Edit(address, "edtPostCode", 10);
    edtAssociation = Edit(address, "edtAssociation", 10);
    SetUpperCase(edtAssociation);
    auto* a = new QGridLayout(address);
    a->addWidget(Label(tr("Name :"), address), 0, 0);
    a->addWidget(edtClubName, 0, 1, 1, 3);
    a->addWidget(Label(tr("Club Abbreviation :"), address), 1, 0);
    a->addWidget(edtClubAbbt, 1, 1);
    a->addWidget(cbbClubName, 1, 2, 1, 2);
    a->addWidget(Label(tr("Street :"), address), 2, 0);
    a->addWidget(edtClubStreet, 2, 1, 1, 3);
    a->addWidget(Label(tr("Town/City"), address), 3, 0);
    a->addWidget(edtClubToneCity, 3, 1, 1, 3);
    a->addWidget(Label(tr("Post Code :"), address), 4, 0);
    a->addWidget(edtPostCode, 4, 1);
    a->addWidget(Label(tr("Association :"), address), 5, 0);
    a->addWidget(edtAssociation, 5, 1);
    a->setColumnStretch(3, 1);

    auto* system = new QGroupBox(tr("System datail :"), this);
    cbbLangue = Choice(system, "cbbLangue", ClubLanguageNames());
    cbbLangue->setToolTip(tr("The program speaks the language chosen here from its next start."));
    cbbMode = Choice(system, "cbbMode", {tr("m/min"), tr("yds/min")});
    auto* s = new QGridLayout(system);
    s->addWidget(Label(tr("Language :"), system), 0, 0);
    s->addWidget(cbbLangue, 0, 1);
    s->addWidget(Label(tr("Mode :"), system), 1, 0);
    s->addWidget(cbbMode, 1, 1);
    s->addWidget(Label(tr("Program Version :"), system), 2, 0);
    s->addWidget(Label(QStringLiteral("V8.15"), system), 2, 1);
    s->addWidget(Label(tr("Kestrava V6  Version :"), system), 3, 0);
    s->addWidget(Label(QStringLiteral("V8.0"), system), 3, 1);
    // How loft distances are computed from the coordinates. Changing it changes no distance:
    // the loft distances follow when they are updated, a flown race when it is recalculated.
    cbbDistanceMethod =
        Choice(system, "cbbDistanceMethod",
               {tr("Flat (federation file rule)"), tr("WGS84 geodesic")});  // by position
    s->addWidget(Label(tr("Distance method :"), system), 4, 0);
    s->addWidget(cbbDistanceMethod, 4, 1, 1, 2);
    // Results older than this many seasons are shown under neutral labels (0 keeps them all).
    edtSeasonsKept = Edit(system, "edtSeasonsKept", 2);
    edtSeasonsKept->setValidator(new WholeNumberValidator(0, 99, edtSeasonsKept));
    edtSeasonsKept->setText(QStringLiteral("0"));
    edtSeasonsKept->setFixedWidth(48);
    edtSeasonsKept->setToolTip(
        tr("Members whose results all lie before these seasons are shown under neutral labels "
           "from the next start. 0 keeps every season with names."));
    s->addWidget(Label(tr("Seasons kept with names (0 = all) :"), system), 5, 0);
    s->addWidget(edtSeasonsKept, 5, 1);
    // One step larger for the whole program, at once: for a secretary who reads better so.
    chkLargerText = new QCheckBox(tr("&Larger text"), system);
    chkLargerText->setObjectName(QStringLiteral("chkLargerText"));
    s->addWidget(chkLargerText, 6, 1, 1, 2);
    s->setColumnStretch(2, 1);

    auto* backup = new QGroupBox(tr("Backup databases :"), this);
    edtDay = Edit(backup, "edtDay", 3);
    edtDay->setValidator(new WholeNumberValidator(0, 100, edtDay));
    edtDay->setText(QStringLiteral("0"));
    edtDay->setFixedWidth(48);
    auto* udDate = new UpDown(edtDay, 0, 100, backup);
    udDate->setObjectName(QStringLiteral("udDate"));
    btnLoadBk = new QPushButton(tr("Load Backup"), backup);
    btnLoadBk->setObjectName(QStringLiteral("btnLoadBk"));
    btnBackNow = new QPushButton(tr("Backup"), backup);
    btnBackNow->setObjectName(QStringLiteral("btnBackNow"));
    // Moving the club between this PC's file and a database server.
    btnCopyToServer = new QPushButton(tr("Copy to server..."), backup);
    btnCopyToServer->setObjectName(QStringLiteral("btnCopyToServer"));
    btnCopyToFile = new QPushButton(tr("Copy to file..."), backup);
    btnCopyToFile->setObjectName(QStringLiteral("btnCopyToFile"));
    btnCopyToFile->setEnabled(ctx_.db.isServer());
    auto* b = new QGridLayout(backup);
    b->addWidget(Label(tr("What is the maximum age"), backup), 0, 0, 1, 4);
    b->addWidget(Label(tr("of the databases backup ? "), backup), 1, 0);
    b->addWidget(edtDay, 1, 1);
    b->addWidget(udDate, 1, 2);
    b->addWidget(Label(tr("Day"), backup), 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnLoadBk);
    buttons->addWidget(btnBackNow);
    buttons->addStretch();
    b->addLayout(buttons, 2, 0, 1, 5);
    auto* copies = new QHBoxLayout;
    copies->addWidget(btnCopyToServer);
    copies->addWidget(btnCopyToFile);
    copies->addStretch();
    b->addLayout(copies, 3, 0, 1, 5);
    b->setColumnStretch(4, 1);

    auto* printer = new QGroupBox(tr("Printer support :"), this);
    edtCopies = Edit(printer, "edtCopies", 1);
    edtCopies->setValidator(new WholeNumberValidator(1, 5, edtCopies));
    edtCopies->setText(QStringLiteral("1"));
    edtCopies->setFixedWidth(48);
    auto* udCopies = new UpDown(edtCopies, 1, 5, printer);
    udCopies->setObjectName(QStringLiteral("udCopies"));
    auto* p = new QHBoxLayout(printer);
    p->addWidget(Label(tr("Copies :"), printer));
    p->addWidget(edtCopies);
    p->addWidget(udCopies);
    p->addStretch();

    // The club antenna's serial port belongs to this computer: it is kept in the user's
    // settings, not in the club's data.
    auto* antenna = new QGroupBox(tr("Club antenna :"), this);
    cbbPort = new QComboBox(antenna);
    cbbPort->setObjectName(QStringLiteral("cbbPort"));
    // A port the system does not list (a link made for the clock emulator) can be typed.
    cbbPort->setEditable(true);
    cbbPort->setInsertPolicy(QComboBox::NoInsert);
    cbbPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbbPort->setMinimumContentsLength(24);
    btnPortRefresh = new QPushButton(tr("Refresh"), antenna);
    btnPortRefresh->setObjectName(QStringLiteral("btnPortRefresh"));
    auto* n = new QGridLayout(antenna);
    n->addWidget(Label(tr("Serial port :"), antenna), 0, 0);
    n->addWidget(cbbPort, 0, 1);
    n->addWidget(btnPortRefresh, 0, 2);
    n->setColumnStretch(1, 1);

    // The name another seat on the same club database sees when this one changed a row it is
    // editing; it belongs to this computer too.
    auto* seat = new QGroupBox(tr("This seat :"), this);
    edtSeat = new QLineEdit(seat);
    edtSeat->setObjectName(QStringLiteral("edtSeat"));
    edtSeat->setMaxLength(40);
    edtSeat->setText(ctx_.db.seat());
    auto* st = new QGridLayout(seat);
    st->addWidget(Label(tr("Seat name :"), seat), 0, 0);
    st->addWidget(edtSeat, 0, 1);
    st->setColumnStretch(1, 1);

    address->setMinimumWidth(480);
    printer->setMinimumWidth(480);
    system->setMinimumWidth(320);
    auto* grid = new QGridLayout;
    grid->addWidget(address, 0, 0, 2, 1);
    grid->addWidget(system, 0, 1);
    grid->addWidget(backup, 1, 1);
    grid->addWidget(printer, 2, 0);
    grid->addWidget(antenna, 2, 1);
    grid->addWidget(seat, 3, 1);
    // The live board on the club's network belongs to this computer too.
    grid->addWidget(new LiveSetupBox(ctx_.db, this), 3, 0);
    grid->setColumnStretch(2, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch();

    // Tab goes down the labels: the known-club list comes after the abbreviation beside it.
    QWidget* previous = edtClubName;
    for (QWidget* next : std::initializer_list<QWidget*>{
             edtClubAbbt, cbbClubName, edtClubStreet, edtClubToneCity, edtPostCode, edtAssociation,
             cbbLangue, cbbMode, cbbDistanceMethod, edtSeasonsKept, chkLargerText, edtDay,
             btnLoadBk, btnBackNow, edtCopies, cbbPort, btnPortRefresh, edtSeat}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(cbbClubName, &QComboBox::activated, this, &TfrmSetup::clubChosen);
    connect(chkLargerText, &QCheckBox::clicked, this, [this](bool larger) {
        guarded(ctx_.prompts, [&] {
            SetClubLargerText(ctx_.db, larger);
            ApplyLargerText(larger);
        });
    });
    connect(btnBackNow, &QPushButton::clicked, this, &TfrmSetup::backupNow);
    connect(btnLoadBk, &QPushButton::clicked, this, &TfrmSetup::loadBackup);
    connect(btnCopyToServer, &QPushButton::clicked, this, &TfrmSetup::copyToServer);
    connect(btnCopyToFile, &QPushButton::clicked, this, &TfrmSetup::copyToFile);
    connect(cbbPort, &QComboBox::activated, this, &TfrmSetup::portChosen);
    // A typed port counts once Enter is pressed or the box is left.
    connect(cbbPort->lineEdit(), &QLineEdit::editingFinished, this, &TfrmSetup::portChosen);
    connect(btnPortRefresh, &QPushButton::clicked, this, &TfrmSetup::listPorts);
    connect(edtSeat, &QLineEdit::editingFinished, this, &TfrmSetup::seatChosen);
    listPorts();
}

ClubSetupFields TfrmSetup::fields() const {
    ClubSetupFields f;
    f.clubChoice = cbbClubName->currentText();
    // The list shows "Custom" in the interface language; the setup work knows it by its name.
    if (f.clubChoice == ClubSetupText(kCustomClub)) {
        f.clubChoice = QLatin1String(kCustomClub);
    }
    f.clubName = edtClubName->text();
    f.clubId = edtClubAbbt->text();
    f.street = edtClubStreet->text();
    f.city = edtClubToneCity->text();
    f.postCode = edtPostCode->text();
    f.association = edtAssociation->text();
    f.language = cbbLangue->currentIndex();
    f.mode = cbbMode->currentIndex();
    f.distanceMethod = cbbDistanceMethod->currentIndex();
    f.resultSeasonsKept = edtSeasonsKept->text().trimmed().toInt();
    f.backupDays = edtDay->text();
    f.copies = edtCopies->text();
    return f;
}

void TfrmSetup::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only when the screen is shown, not when the window comes back from being minimised:
    // that would overwrite what the user has typed.
    if (!event->spontaneous()) {
        guarded(ctx_.prompts, [this] { fill(); });
    }
}

void TfrmSetup::fill() {
    // Read before the boxes are filled: a change another seat makes from now on is seen when
    // the screen stores its fields.
    loaded_ = ClubEditedRow(ctx_.db);
    chkLargerText->setChecked(ClubLargerText(ctx_.db));
    cbbClubName->clear();
    cbbClubName->addItems(KnownClubChoices(ctx_.db));
    cbbClubName->setItemText(0, ClubSetupText(kCustomClub));
    const std::optional<ClubSetupFields> club = LoadClubSetup(ctx_.db);
    if (!club) {
        edtClubName->setFocus();
        return;
    }
    edtClubName->setText(club->clubName);
    edtClubAbbt->setText(club->clubId);
    edtClubStreet->setText(club->street);
    edtClubToneCity->setText(club->city);
    edtPostCode->setText(club->postCode);
    // A stored position the list does not have shows its first entry.
    cbbLangue->setCurrentIndex(
        club->language >= 0 && club->language < cbbLangue->count() ? club->language : 0);
    cbbMode->setCurrentIndex(club->mode >= 0 && club->mode < cbbMode->count() ? club->mode : 0);
    cbbDistanceMethod->setCurrentIndex(club->distanceMethod.value_or(0));
    edtSeasonsKept->setText(QString::number(club->resultSeasonsKept.value_or(0)));
    edtAssociation->setText(club->association);
    edtDay->setText(club->backupDays);
    edtCopies->setText(club->copies);
    // The list shows the club's name; when the name is one of its entries that entry becomes
    // the current one, so that leaving the list does not count as choosing it.
    const int listed = cbbClubName->findText(club->clubName);
    if (listed >= 0) {
        cbbClubName->setCurrentIndex(listed);
    } else {
        cbbClubName->setEditText(club->clubName);
    }
    cbbClubName->setFocus();
}

void TfrmSetup::clubChosen(int index) {
    guarded(ctx_.prompts, [this, index] {
        const QString text = cbbClubName->itemText(index);
        if (index == 0) {
            edtClubName->setEnabled(true);
            edtClubAbbt->setEnabled(true);
            edtClubName->setFocus();
            return;
        }
        const std::optional<KnownClub> club = FindKnownClub(ctx_.db, text);
        if (!club) {
            return;
        }
        edtClubName->setText(club->clubName);
        edtClubAbbt->setText(club->clubId);
        edtClubName->setEnabled(false);
        edtClubAbbt->setEnabled(false);
    });
}

void TfrmSetup::listPorts() {
    cbbPort->clear();
    for (const PortChoice& choice : PortChoices(FindSerialPorts(), ctx_.portName)) {
        cbbPort->addItem(choice.text, choice.port);
    }
    const int inUse = cbbPort->findData(ctx_.portName.trimmed());
    if (inUse >= 0) {
        cbbPort->setCurrentIndex(inUse);
    }
}

void TfrmSetup::portChosen() {
    // An entry of the list carries its port; a typed text is the port itself.
    const QString typed = cbbPort->currentText().trimmed();
    const int listed = cbbPort->findText(typed);
    const QString port = listed >= 0 ? cbbPort->itemData(listed).toString() : typed;
    if (port.isEmpty() || port == ctx_.portName) {
        return;
    }
    ctx_.portName = port;
    RememberPort(*OpenLocalSettings(), port);
    listPorts();
}

void TfrmSetup::seatChosen() {
    // An emptied box goes back to the computer's name.
    const QString typed = edtSeat->text().trimmed();
    if (typed != ctx_.db.seat()) {
        ctx_.db.setSeat(typed);
        RememberSeat(*OpenLocalSettings(), typed);
    }
    edtSeat->setText(ctx_.db.seat());
}

void TfrmSetup::closeEvent(QCloseEvent* event) {
    if (restored_) {
        // The database was replaced and its connection closed: nothing may be stored now.
        event->accept();
        emit closed();
        return;
    }
    portChosen();  // a port typed and not yet confirmed with Enter
    seatChosen();
    saved_ = false;
    const ClubSetupFields f = fields();
    ClubSetupSave outcome = ClubSetupSave::Kept;
    if (!guarded(ctx_.prompts, [&] {
            if (!loaded_) {
                loaded_ = ClubEditedRow(ctx_.db);
            }
            outcome = SaveClubSetup(ctx_.db, ctx_.prompts, ctx_.clock, f, *loaded_);
        })) {
        event->ignore();
        return;
    }
    if (outcome == ClubSetupSave::Reload) {
        // The record as another seat stored it; when that seat deleted it there is nothing to
        // show, and the screen closes without storing.
        guarded(ctx_.prompts, [this] { fill(); });
        if (loaded_ && loaded_->found) {
            event->ignore();
            return;
        }
    }
    if (outcome == ClubSetupSave::Kept) {
        event->ignore();
        return;
    }
    saved_ = outcome == ClubSetupSave::Stored;
    event->accept();
    emit closed();
}

void TfrmSetup::backupNow() {
    guarded(ctx_.prompts, [this] {
        const QString chosen = ctx_.prompts.saveFileName(ClubSetupText(kBackupFilter));
        if (chosen.isEmpty()) {
            return;
        }
        QString reason;
        const bool ok = BackupOnDemand(ctx_.db, chosen, ctx_.clock.today(), &reason);
        ctx_.prompts.message(ok ? ClubSetupText(kBackupDone)
                                : ClubSetupText(kBackupFailed) + QLatin1Char('\n') + reason);
    });
}

void TfrmSetup::loadBackup() {
    guarded(ctx_.prompts, [this] {
        const QString chosen = ctx_.prompts.openFileName(ClubSetupText(kBackupFilter));
        if (chosen.isEmpty()) {
            return;
        }
        const RestoreOutcome outcome =
            RestoreDatabase(ctx_.db, ctx_.prompts, chosen, ctx_.paths.backupDir, ctx_.clock.now());
        if (outcome.status == RestoreOutcome::Status::Cancelled) {
            return;
        }
        ctx_.prompts.message(outcome.message);
        if (outcome.status == RestoreOutcome::Status::Restored) {
            // The program ends; the user starts it again to work with the restored data.
            restored_ = true;
            QWidget* frame = window();
            QTimer::singleShot(0, frame, [frame] { frame->close(); });
        }
    });
}

namespace {
// The copy's progress window, opened at the copy's first step rather than while the user still
// types the server's address or the file name.
class CopyProgress : public Progress {
  public:
    explicit CopyProgress(QWidget* parent) : parent_(parent) {}
    void step(qint64 done, qint64 total, const QString& text = {}) override {
        // Closed once the copy is done, so that it does not stand over the message and the
        // questions that follow.
        if (done >= total) {
            dialog_.reset();
            return;
        }
        if (!dialog_) {
            dialog_ = std::make_unique<ProgressDialog>(parent_, TfrmSetup::tr("Copy"), false);
        }
        dialog_->step(done, total, text);
    }

  private:
    QWidget* parent_;
    std::unique_ptr<ProgressDialog> dialog_;
};
}  // namespace

void TfrmSetup::copyToServer() {
    CopyProgress progress(this);
    CopyClubToServer(ctx_.db, ctx_.prompts, edtClubAbbt->text(), progress);
}

void TfrmSetup::copyToFile() {
    CopyProgress progress(this);
    CopyClubToNewFile(ctx_.db, ctx_.prompts, progress);
}
