#include "federation_screen.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/database.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "federation_preview.h"
#include "races/flying_time.h"
#include "races/loft_distances.h"
#include "races/race_results.h"
#include "reports/report_preview.h"
#include "widgets/progress_dialog.h"

TfrmFederation::TfrmFederation(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmFederation"));
    auto* layout = new QVBoxLayout(this);

    auto* importBox = new QGroupBox(tr("Club files"), this);
    importBox->setObjectName(QStringLiteral("grpFedImport"));
    auto* importRow = new QHBoxLayout(importBox);
    importRow->addWidget(new QLabel(tr("Club code :"), importBox));
    edtFedClubCode_ = new QLineEdit(importBox);
    edtFedClubCode_->setObjectName(QStringLiteral("edtFedClubCode"));
    edtFedClubCode_->setMaxLength(10);
    importRow->addWidget(edtFedClubCode_);
    importRow->addWidget(new QLabel(tr("Club name :"), importBox));
    edtFedClubName_ = new QLineEdit(importBox);
    edtFedClubName_->setObjectName(QStringLiteral("edtFedClubName"));
    edtFedClubName_->setMaxLength(50);
    importRow->addWidget(edtFedClubName_, 1);
    auto* importButton = new QPushButton(tr("Import club files..."), importBox);
    importButton->setObjectName(QStringLiteral("btnFedImport"));
    importRow->addWidget(importButton);
    layout->addWidget(importBox);
    connect(edtFedClubCode_, &QLineEdit::textEdited, this, [this](const QString& text) {
        edtFedClubCode_->setText(text.toUpper());
        const QString name = ctx_.db
                                 .value(QStringLiteral("select ClubName from ZOL_ClubMap where "
                                                       "ClubID=?"),
                                        {text.toUpper()})
                                 .toString();
        if (!name.isEmpty()) {
            edtFedClubName_->setText(name);
        }
    });
    connect(importButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { importFiles(); }); });

    auto* resultBox = new QGroupBox(tr("Combined result"), this);
    resultBox->setObjectName(QStringLiteral("grpFedResult"));
    auto* resultLayout = new QVBoxLayout(resultBox);
    auto* choose = new QHBoxLayout;
    choose->addWidget(new QLabel(tr("Release :"), resultBox));
    cbbFedRelease_ = new QComboBox(resultBox);
    cbbFedRelease_->setObjectName(QStringLiteral("cbbFedRelease"));
    cbbFedRelease_->setMinimumWidth(280);
    choose->addWidget(cbbFedRelease_, 1);
    auto* print = new QPushButton(tr("Print"), resultBox);
    print->setObjectName(QStringLiteral("butPrtFedResult"));
    choose->addWidget(print);
    auto* publishButton = new QPushButton(tr("Publish"), resultBox);
    publishButton->setObjectName(QStringLiteral("btnFedPublish"));
    choose->addWidget(publishButton);
    choose->addWidget(new QLabel(tr("Prize list of club :"), resultBox));
    cbbFedClub_ = new QComboBox(resultBox);
    cbbFedClub_->setObjectName(QStringLiteral("cbbFedClub"));
    choose->addWidget(cbbFedClub_);
    auto* prizesButton = new QPushButton(tr("Print prize list"), resultBox);
    prizesButton->setObjectName(QStringLiteral("butPrtFedPrizes"));
    choose->addWidget(prizesButton);
    resultLayout->addLayout(choose);
    lblFedSummary_ = new QLabel(resultBox);
    lblFedSummary_->setObjectName(QStringLiteral("lblFedSummary"));
    lblFedSummary_->setWordWrap(true);
    lblFedSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultLayout->addWidget(lblFedSummary_);
    dbgrdFedResult_ = new QTableWidget(resultBox);
    dbgrdFedResult_->setObjectName(QStringLiteral("dbgrdFedResult"));
    dbgrdFedResult_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgrdFedResult_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgrdFedResult_->verticalHeader()->hide();
    resultLayout->addWidget(dbgrdFedResult_, 1);
    layout->addWidget(resultBox, 1);

    connect(cbbFedRelease_, &QComboBox::currentIndexChanged, this,
            [this] { guarded(ctx_.prompts, [this] { showRelease(); }); });
    connect(print, &QPushButton::clicked, this, [this] { printResult(); });
    connect(prizesButton, &QPushButton::clicked, this, [this] { printPrizes(); });
    connect(publishButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { publish(); }); });
    refresh();
}

QString TfrmFederation::federationName() {
    return ctx_.db
        .value(QStringLiteral("select ClubName from ZOL_ClubData order by ClubID limit 1"))
        .toString();
}

void TfrmFederation::refresh() {
    const QSignalBlocker block(cbbFedRelease_);
    const QString chosen = cbbFedRelease_->currentText();
    releases_ = FederationReleases(ctx_.db);
    cbbFedRelease_->clear();
    for (const Release& r : releases_) {
        cbbFedRelease_->addItem(r.text());
    }
    const int again = cbbFedRelease_->findText(chosen);
    cbbFedRelease_->setCurrentIndex(again >= 0 ? again : 0);
    showRelease();
}

void TfrmFederation::showRelease() {
    const int index = cbbFedRelease_->currentIndex();
    dbgrdFedResult_->clear();
    cbbFedClub_->clear();
    if (index < 0 || index >= releases_.size()) {
        result_ = {};
        lblFedSummary_->setText(tr("No club results yet: import a club's files."));
        return;
    }
    const int mode = ClubDistanceMode(ctx_.db);
    result_ = CombinedRanking(ctx_.db, releases_[index].siteCode, releases_[index].liberDate);
    const QStringList titles{tr("Pos."), tr("Club"),    tr("Loft"), tr("Name"),
                             tr("Ring"), tr("Clocked"), tr("Dist"), SpeedTitle(mode)};
    dbgrdFedResult_->setColumnCount(int(titles.size()));
    dbgrdFedResult_->setHorizontalHeaderLabels(titles);
    dbgrdFedResult_->setRowCount(int(result_.rows.size()));
    for (int i = 0; i < result_.rows.size(); ++i) {
        const CombinedRow& r = result_.rows[i];
        const qint64 unit = mode != 0 ? 1760 : 1000;
        const QStringList cells{QString::number(r.place),
                                r.clubId,
                                r.loftNo,
                                r.loftName,
                                r.ring,
                                ClockedCellText(r.backTime),
                                QStringLiteral("%1/%2").arg(r.dist / unit).arg(r.dist % unit),
                                FlySpeedText(r.flySpeed).trimmed()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0 || c >= 6) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            dbgrdFedResult_->setItem(i, c, item);
        }
    }
    dbgrdFedResult_->resizeColumnsToContents();
    QStringList lines;
    for (const ClubSummary& c : result_.clubs) {
        lines << SummaryText(c);
        cbbFedClub_->addItem(c.clubId);
    }
    lines << SummaryText(result_.overall);
    if (!result_.missing.isEmpty()) {
        QStringList lofts;
        for (const MissingDistance& m : result_.missing) {
            lofts << tr("%1 %2 (%3 clocked)").arg(m.clubId, m.loftNo).arg(m.clocked);
        }
        lines
            << tr("Not ranked, no distance to the site: %1").arg(lofts.join(QStringLiteral(", ")));
    }
    lblFedSummary_->setText(lines.join(QLatin1Char('\n')));
}

void TfrmFederation::importFiles() {
    const QString club = edtFedClubCode_->text().trimmed().toUpper();
    if (club.isEmpty()) {
        ctx_.prompts.message(tr("Type the code of the club whose files these are."));
        edtFedClubCode_->setFocus();
        return;
    }
    const QString file = ctx_.prompts.openFileName(
        tr("Club result files (*.xlsx *.D00 *.d00 *.txt);;All files (*)"));
    if (file.isEmpty()) {
        return;
    }
    const QString name = edtFedClubName_->text().trimmed();
    ImportPlan plan =
        PlanImport(ctx_.db, ReadClubFile(file, club, name, ClubDistanceMode(ctx_.db)));
    FederationPreviewDialog preview(ctx_.db, plan, this);
    if (preview.exec() != QDialog::Accepted) {
        return;
    }
    ImportResult stored;
    {
        // Closed before the outcome is told.
        ProgressDialog progress(this, tr("Import"), true);
        stored = StoreImport(ctx_.db, plan, [&](int done, int total) {
            progress.step(done, total);
            return !progress.stopRequested();
        });
    }
    ctx_.prompts.information(tr("Club %1: %2 race(s), %3 bird(s) and %4 new loft(s) stored; "
                                "%5 bird(s) left out.")
                                 .arg(club)
                                 .arg(stored.races)
                                 .arg(stored.entries)
                                 .arg(stored.lofts)
                                 .arg(stored.skipped));
    refresh();
}

void TfrmFederation::printResult() {
    if (result_.release.siteCode.isEmpty()) {
        return;
    }
    PrintReport(ctx_, this, [this] {
        return CombinedResultReport(result_, federationName(), ClubDistanceMode(ctx_.db));
    });
}

void TfrmFederation::printPrizes() {
    if (result_.release.siteCode.isEmpty() || cbbFedClub_->currentText().isEmpty()) {
        return;
    }
    PrintReport(ctx_, this, [this] {
        return ClubPrizeReport(result_, cbbFedClub_->currentText(), ClubDistanceMode(ctx_.db));
    });
}

void TfrmFederation::publish() {
    if (result_.release.siteCode.isEmpty()) {
        return;
    }
    PublishCombinedResult(ctx_.db, ctx_.prompts, result_, federationName(),
                          ClubDistanceMode(ctx_.db));
}
