#include "federation_preview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "data/colours.h"
#include "data/database.h"
#include "data/date_time.h"

FederationPreviewDialog::FederationPreviewDialog(TdmZOLF& db, ImportPlan& plan, QWidget* parent)
    : QDialog(parent), plan_(plan) {
    setObjectName(QStringLiteral("dlgFederationPreview"));
    setWindowTitle(tr("Import preview"));
    auto* layout = new QVBoxLayout(this);
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("memFedPreview"));
    preview_->setReadOnly(true);
    preview_->setPlainText(PreviewLines(plan).join(QLatin1Char('\n')));
    preview_->setMinimumSize(640, 260);
    layout->addWidget(preview_);

    auto* form = new QFormLayout;
    layout->addLayout(form);
    const QString kinds[kConflictKinds] = {
        tr("Loft known under another name :"), tr("Ring under two lofts :"),
        tr("Loft flying for another club :"), tr("Race imported before :"),
        tr("Race from an unknown site :")};
    const QString skip[kConflictKinds] = {tr("keep the stored name"), tr("leave the ring out"),
                                          tr("leave the loft out"), tr("skip the race"),
                                          tr("skip the race")};
    const QString take[kConflictKinds] = {
        tr("take the file's name"), tr("import it"), tr("import it for this club too"),
        tr("replace the earlier import"), tr("store it under the site chosen")};
    for (int k = 0; k < kConflictKinds; ++k) {
        if (!plan.has(ConflictKind(k))) {
            continue;
        }
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cbbFedChoice%1").arg(k));
        box->addItems({tr("(decide)"), skip[k], take[k]});
        form->addRow(kinds[k], box);
        connect(box, &QComboBox::currentIndexChanged, this, [this, k](int index) {
            plan_.choices[k] = Choice(index);
            update();
        });
    }
    const QStringList sites =
        db.texts(QStringLiteral("select LiberCode from ZOL_LiberateSite order by LiberCode"));
    for (const PlannedRace& r : plan.races) {
        const QString race = r.liberCode + QLatin1Char(' ') + DateText(r.liberDate);
        if (r.siteCode.isEmpty()) {
            auto* box = new QComboBox(this);
            box->setObjectName(QStringLiteral("cbbFedSite"));
            box->addItem(QString());
            box->addItems(sites);
            form->addRow(tr("Site of race %1 :").arg(race), box);
            const QString code = r.liberCode;
            const QDate date = r.liberDate;
            connect(box, &QComboBox::currentTextChanged, this,
                    [this, code, date](const QString& site) {
                        plan_.chooseSite(code, date, site);
                        update();
                    });
        }
        if (plan.file.kind == ClubFile::Kind::WinSpeed && !r.liberTime.isValid()) {
            auto* time = new QTimeEdit(this);
            time->setObjectName(QStringLiteral("dtpFedLiberTime"));
            time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
            form->addRow(tr("Liberation time of race %1 :").arg(race), time);
            const QString code = r.liberCode;
            const QDate date = r.liberDate;
            connect(time, &QTimeEdit::timeChanged, this, [this, code, date](const QTime& t) {
                plan_.setLiberTime(code, date, t);
                update();
            });
        }
    }
    open_ = new QLabel(this);
    open_->setObjectName(QStringLiteral("lblFedOpen"));
    open_->setStyleSheet(WarningStyle());
    layout->addWidget(open_);
    buttons_ = new QDialogButtonBox(this);
    buttons_->addButton(tr("Store"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btnFedStore"));
    buttons_->addButton(QDialogButtonBox::Cancel);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    update();
}

void FederationPreviewDialog::update() {
    const QStringList open = Unresolved(plan_);
    open_->setText(open.join(QLatin1Char('\n')));
    buttons_->buttons().first()->setEnabled(open.isEmpty());
}
