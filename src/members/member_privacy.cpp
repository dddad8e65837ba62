#include "member_privacy.h"

#include <QSqlQuery>
#include <QStringList>

#include "data/club_settings.h"
#include "data/database.h"
#include "data/errors.h"

namespace {

bool IsParticle(const QString& word) {
    // Lower-case words that belong to the surname ("van", "de", "der", "von", "le", "'t").
    return word == word.toLower() && word != word.toUpper();
}

PublicationChoice ChoiceOf(const QVariant& name, const QVariant& town) {
    PublicationChoice c;
    const int shown = name.toInt();
    if (shown == int(NameShown::InitialsAndSurname) || shown == int(NameShown::LoftNumberOnly)) {
        c.name = NameShown(shown);
    }
    c.townShown = town.toInt() != 0;
    return c;
}

}  // namespace

void EnsureMemberPrivacyTable(TdmZOLF& db) {
    db.exec(kMemberPrivacyTableSql);
}

PublicationChoice ReadPublicationChoice(TdmZOLF& db, const QString& loftNo) {
    try {
        const QList<QVariantList> rows = db.rows(
            QStringLiteral("select NameShown, TownShown from KST_MemberPrivacy where LoftNo=?"),
            {loftNo});
        return rows.isEmpty() ? PublicationChoice{} : ChoiceOf(rows[0].value(0), rows[0].value(1));
    } catch (const DbError&) {
        return {};  // no member has chosen yet in this file
    }
}

void StorePublicationChoice(TdmZOLF& db, const QString& loftNo, const PublicationChoice& choice) {
    db.transaction([&] {
        EnsureMemberPrivacyTable(db);
        db.exec(QStringLiteral("insert into KST_MemberPrivacy (LoftNo, NameShown, TownShown) "
                               "values (?, ?, ?) on conflict (LoftNo) do update set "
                               "NameShown=excluded.NameShown, TownShown=excluded.TownShown"),
                {loftNo, int(choice.name), choice.townShown ? 1 : 0});
    });
}

QString InitialsAndSurname(const QString& fullName) {
    const QStringList words = fullName.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) {
        return words.value(0);
    }
    int surname = words.size() - 1;
    while (surname > 1 && IsParticle(words.at(surname - 1))) {
        --surname;
    }
    QString initials;
    for (int i = 0; i < surname; ++i) {
        initials += words.at(i).at(0).toUpper() + QLatin1Char('.');
    }
    return initials + QLatin1Char(' ') + words.mid(surname).join(QLatin1Char(' '));
}

QString PublishedMember::text() const {
    return town.isEmpty() ? name : name + QStringLiteral(" (") + town + QLatin1Char(')');
}

PublishedMember PublishedOf(const QString& loftNo, const QString& fullName, const QString& town,
                            const PublicationChoice& choice) {
    PublishedMember m;
    switch (choice.name) {
        case NameShown::FullName:
            m.name = fullName.trimmed().isEmpty() ? loftNo : fullName;
            break;
        case NameShown::InitialsAndSurname:
            m.name = InitialsAndSurname(fullName);
            if (m.name.isEmpty()) {
                m.name = loftNo;
            }
            break;
        case NameShown::LoftNumberOnly:
            m.name = loftNo;
            break;
    }
    if (choice.townShown) {
        m.town = town.trimmed();
    }
    return m;
}

PublishedMembers::PublishedMembers(TdmZOLF& db) {
    // The first row of a loft number wins, as the member list shows it.
    QSqlQuery q = db.select(
        QStringLiteral("select LoftNo, LoftName, City from ZOL_LoftData order by rowid desc"));
    while (q.next()) {
        members_.insert(q.value(0).toString(),
                        Member{q.value(1).toString(), q.value(2).toString(), {}});
    }
    try {
        QSqlQuery c =
            db.select(QStringLiteral("select LoftNo, NameShown, TownShown from KST_MemberPrivacy"));
        while (c.next()) {
            auto found = members_.find(c.value(0).toString());
            if (found != members_.end()) {
                found->choice = ChoiceOf(c.value(1), c.value(2));
            }
        }
    } catch (const DbError&) {
        // No member has chosen yet in this file: every one is published by full name.
    }
}

PublishedMember PublishedMembers::of(const QString& loftNo) const {
    const auto found = members_.constFind(loftNo);
    if (found == members_.constEnd()) {
        return PublishedMember{loftNo, {}};
    }
    return PublishedOf(loftNo, found->name, found->town, found->choice);
}

int ResultSeasonsKept(TdmZOLF& db) {
    return qMax(0, ClubSetting(db, kResultSeasonsKeptSetting).trimmed().toInt());
}
