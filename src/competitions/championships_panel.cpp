#include "championships_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competition_reports.h"
#include "data/convert.h"
#include "data/errors.h"
#include "data/prompts.h"
#include "panel_button.h"
#include "race_types.h"
#include "reports/report_preview.h"

namespace {}  // namespace

ChampionshipsPanel::ChampionshipsPanel(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("pnlChampionships"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Championships"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);

    // Left: the championships and the one being edited.
    auto* left = new QVBoxLayout;
    lstChampionships_ = new QListWidget(this);
    lstChampionships_->setObjectName(QStringLiteral("lstChampionships"));
    left->addWidget(lstChampionships_, 1);
    auto* editor = new QGroupBox(tr("Championship"), this);
    auto* form = new QFormLayout(editor);
    edtChampName_ = new QLineEdit(editor);
    edtChampName_->setObjectName(QStringLiteral("edtChampName"));
    edtChampName_->setMaxLength(50);
    form->addRow(tr("Name :"), edtChampName_);
    spnSeason_ = new QSpinBox(editor);
    spnSeason_->setObjectName(QStringLiteral("spnSeason"));
    spnSeason_->setRange(1990, 2200);
    form->addRow(tr("Season :"), spnSeason_);
    lstChampTypes_ = new QListWidget(editor);
    lstChampTypes_->setObjectName(QStringLiteral("lstChampTypes"));
    lstChampTypes_->setMaximumHeight(90);
    form->addRow(tr("Race types (none: all) :"), lstChampTypes_);
    cbbChampRule_ = new QComboBox(editor);
    cbbChampRule_->setObjectName(QStringLiteral("cbbChampRule"));
    cbbChampRule_->addItems({tr("Points by place (table)"),
                             tr("Common rule: 100 down to the last prize, 1 prize in 4"),
                             tr("Average speed, best N of M"),
                             tr("Coefficient (place x 1000 / entered), lowest wins")});
    form->addRow(tr("Rule :"), cbbChampRule_);
    edtChampPoints_ = new QLineEdit(editor);
    edtChampPoints_->setObjectName(QStringLiteral("edtChampPoints"));
    edtChampPoints_->setPlaceholderText(tr("for example 50,45,40,35,30"));
    form->addRow(tr("Points by place :"), edtChampPoints_);
    spnBestN_ = new QSpinBox(editor);
    spnBestN_->setObjectName(QStringLiteral("spnBestN"));
    spnBestN_->setRange(0, 999);
    spnBestN_->setSpecialValueText(tr("all"));
    form->addRow(tr("Best N races :"), spnBestN_);
    spnOfM_ = new QSpinBox(editor);
    spnOfM_->setObjectName(QStringLiteral("spnOfM"));
    spnOfM_->setRange(0, 999);
    spnOfM_->setSpecialValueText(tr("all"));
    form->addRow(tr("Of the first M races :"), spnOfM_);
    cbbChampSubject_ = new QComboBox(editor);
    cbbChampSubject_->setObjectName(QStringLiteral("cbbChampSubject"));
    cbbChampSubject_->addItems({tr("Lofts"), tr("Ace pigeons")});
    form->addRow(tr("Ranks :"), cbbChampSubject_);
    auto* editButtons = new QHBoxLayout;
    auto* newButton = PanelButton(editor, "btnChampNew", tr("New"));
    auto* saveButton = PanelButton(editor, "btnChampSave", tr("Save"));
    auto* deleteButton = PanelButton(editor, "btnChampDelete", tr("Delete"));
    editButtons->addWidget(newButton);
    editButtons->addWidget(saveButton);
    editButtons->addWidget(deleteButton);
    form->addRow(editButtons);
    left->addWidget(editor);

    auto* typesBox = new QGroupBox(tr("The club's race types (one per line)"), this);
    auto* typesLayout = new QVBoxLayout(typesBox);
    memRaceTypes_ = new QPlainTextEdit(typesBox);
    memRaceTypes_->setObjectName(QStringLiteral("memRaceTypes"));
    memRaceTypes_->setMaximumHeight(80);
    typesLayout->addWidget(memRaceTypes_);
    auto* saveTypes = PanelButton(typesBox, "btnRaceTypesSave", tr("Save race types"));
    typesLayout->addWidget(saveTypes);
    left->addWidget(typesBox);
    body->addLayout(left, 2);

    // Right: the standings.
    auto* right = new QVBoxLayout;
    lblStandingsTitle_ = new QLabel(this);
    lblStandingsTitle_->setObjectName(QStringLiteral("lblStandingsTitle"));
    lblStandingsTitle_->setWordWrap(true);
    lblStandingsTitle_->setMinimumHeight(3 * lblStandingsTitle_->fontMetrics().lineSpacing());
    right->addWidget(lblStandingsTitle_);
    grdStandings_ = new QTableWidget(this);
    grdStandings_->setObjectName(QStringLiteral("grdStandings"));
    grdStandings_->verticalHeader()->hide();
    grdStandings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    right->addWidget(grdStandings_, 1);
    auto* standingButtons = new QHBoxLayout;
    auto* compute = PanelButton(this, "btnStandings", tr("Standings"));
    auto* print = PanelButton(this, "butPrtStandings", tr("Print"));
    auto* exportButton = PanelButton(this, "butStandingsExport", tr("Workbook"));
    auto* ok = PanelButton(this, "btnChampOK", tr("OK"));
    standingButtons->addWidget(compute);
    standingButtons->addWidget(print);
    standingButtons->addWidget(exportButton);
    standingButtons->addStretch();
    standingButtons->addWidget(ok);
    right->addLayout(standingButtons);
    body->addLayout(right, 3);

    connect(lstChampionships_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < championships_.size()) {
            showChampionship(championships_[row]);
        }
    });
    connect(newButton, &QPushButton::clicked, this, [this] {
        ChampionshipDefinition c;
        c.season = ctx_.clock.today().year();
        lstChampionships_->setCurrentRow(-1);
        showChampionship(c);
        edtChampName_->setFocus();
    });
    connect(saveButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { save(); }); });
    connect(deleteButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { remove(); }); });
    connect(saveTypes, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { saveRaceTypes(); }); });
    connect(compute, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { computeStandings(); }); });
    connect(print, &QPushButton::clicked, this, [this] {
        PrintReport(ctx_, this,
                    [this] { return StandingsReport(ctx_.db, ReadStandings(ctx_.db, edited())); });
    });
    connect(exportButton, &QPushButton::clicked, this,
            [this] { guarded(ctx_.prompts, [this] { exportStandings(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { emit closed(); });
}

void ChampionshipsPanel::open() {
    memRaceTypes_->setPlainText(ClubRaceTypes(ctx_.db).join(QLatin1Char('\n')));
    loadList();
    if (championships_.isEmpty()) {
        ChampionshipDefinition c;
        c.season = ctx_.clock.today().year();
        showChampionship(c);
    } else {
        lstChampionships_->setCurrentRow(0);
    }
}

void ChampionshipsPanel::loadList() {
    championships_ = Championships(ctx_.db);
    lstChampionships_->clear();
    for (const ChampionshipDefinition& c : championships_) {
        lstChampionships_->addItem(tr("%1 %2").arg(c.name).arg(c.season));
    }
}

void ChampionshipsPanel::showChampionship(const ChampionshipDefinition& c) {
    edtChampName_->setText(c.name);
    spnSeason_->setValue(c.season > 0 ? c.season : ctx_.clock.today().year());
    lstChampTypes_->clear();
    QStringList types = ClubRaceTypes(ctx_.db);
    for (const QString& t : c.raceTypes) {
        if (!types.contains(t)) {
            types << t;
        }
    }
    for (const QString& t : types) {
        auto* item = new QListWidgetItem(t, lstChampTypes_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(c.raceTypes.contains(t) ? Qt::Checked : Qt::Unchecked);
    }
    cbbChampRule_->setCurrentIndex(int(c.rule));
    QStringList points;
    for (int p : c.points) {
        points << QString::number(p);
    }
    edtChampPoints_->setText(points.join(QLatin1Char(',')));
    spnBestN_->setValue(c.bestN);
    spnOfM_->setValue(c.ofM);
    cbbChampSubject_->setCurrentIndex(c.subject == ChampionshipSubject::Pigeons ? 1 : 0);
}

ChampionshipDefinition ChampionshipsPanel::edited() const {
    ChampionshipDefinition c;
    c.name = edtChampName_->text().trimmed();
    c.season = spnSeason_->value();
    for (int i = 0; i < lstChampTypes_->count(); ++i) {
        if (lstChampTypes_->item(i)->checkState() == Qt::Checked) {
            c.raceTypes << lstChampTypes_->item(i)->text();
        }
    }
    c.rule = ChampionshipRule(cbbChampRule_->currentIndex());
    if (c.rule == ChampionshipRule::PointsTable) {
        for (const QString& p : edtChampPoints_->text().split(
                 QRegularExpression(QStringLiteral("[,;/ ]+")), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int v = p.toInt(&ok);
            if (!ok) {
                throw UserError(invalidIntegerText(tr("Points by place"), p));
            }
            c.points << v;
        }
    }
    c.bestN = spnBestN_->value();
    c.ofM = spnOfM_->value();
    c.subject = cbbChampSubject_->currentIndex() == 1 ? ChampionshipSubject::Pigeons
                                                      : ChampionshipSubject::Lofts;
    c.check();
    return c;
}

void ChampionshipsPanel::save() {
    const ChampionshipDefinition c = edited();
    SaveChampionship(ctx_.db, c);
    loadList();
    for (int i = 0; i < championships_.size(); ++i) {
        if (championships_[i].name == c.name) {
            lstChampionships_->setCurrentRow(i);
        }
    }
}

void ChampionshipsPanel::remove() {
    const int row = lstChampionships_->currentRow();
    if (row < 0 || row >= championships_.size()) {
        return;
    }
    if (ctx_.prompts.question(tr("Delete the championship %1?").arg(championships_[row].name)) !=
        Prompts::Answer::Yes) {
        return;
    }
    DeleteChampionship(ctx_.db, championships_[row].name);
    loadList();
}

void ChampionshipsPanel::computeStandings() {
    const Standings s = ReadStandings(ctx_.db, edited());
    const ReportDefinition report = StandingsReport(ctx_.db, s);
    QStringList lines;
    for (const ReportLine& line : report.titleBand.mid(1)) {
        QStringList texts;
        for (const ReportText& t : line) {
            if (t.fields.isEmpty()) {
                texts << t.text;
            }
        }
        lines << texts.join(QStringLiteral("  "));
    }
    lblStandingsTitle_->setText(lines.join(QLatin1Char('\n')));
    QStringList titles;
    for (const ReportColumn& c : report.columns) {
        titles << c.header;
    }
    grdStandings_->clear();
    grdStandings_->setColumnCount(int(titles.size()));
    grdStandings_->setHorizontalHeaderLabels(titles);
    grdStandings_->setRowCount(int(report.rows.size()));
    for (int r = 0; r < report.rows.size(); ++r) {
        for (int c = 0; c < report.rows[r].size(); ++c) {
            grdStandings_->setItem(r, c, new QTableWidgetItem(report.rows[r][c]));
        }
    }
    grdStandings_->resizeColumnsToContents();
}

void ChampionshipsPanel::exportStandings() {
    const ChampionshipDefinition c = edited();
    const QString file = ctx_.prompts.saveFileName(
        tr("Excel File (*.xlsx)"), tr("Standings %1 %2.xlsx").arg(c.name).arg(c.season));
    if (!file.isEmpty()) {
        WriteStandingsWorkbook(ctx_.db, ReadStandings(ctx_.db, c), file);
    }
}

void ChampionshipsPanel::saveRaceTypes() {
    SetClubRaceTypes(ctx_.db, memRaceTypes_->toPlainText().split(QLatin1Char('\n')));
    memRaceTypes_->setPlainText(ClubRaceTypes(ctx_.db).join(QLatin1Char('\n')));
    ChampionshipDefinition c;
    try {
        c = edited();
    } catch (const UserError&) {
    }
    showChampionship(c);
}
