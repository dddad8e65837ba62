#pragma once

#include <QHash>
#include <QString>

class TdmZOLF;

// What of a member leaves the club room. Every writer of published output (the race's page and
// CSV, the season index, the printed ranking and race result, the federation's combined
// result, the live board) asks PublishedMembers::of() for the member of a result row and
// prints what it answers, never the member record itself. Street, post code, telephone,
// e-mail and coordinates are never part of the answer.

// How a member's name is published; stored as its number.
enum class NameShown { FullName = 0, InitialsAndSurname = 1, LoftNumberOnly = 2 };

struct PublicationChoice {
    NameShown name = NameShown::FullName;  // as before the choice existed
    bool townShown = false;
    bool operator==(const PublicationChoice&) const = default;
};

// The program's table of each member's privacy state: the publication choice, and the number
// of the neutral label an erased member was given. The one declaration of it.
inline const QString kMemberPrivacyTable = QStringLiteral("KST_MemberPrivacy");
inline const QString kMemberPrivacyTableSql = QStringLiteral(
    "create table if not exists KST_MemberPrivacy (LoftNo TEXT primary key, NameShown integer "
    "not null default 0, TownShown integer not null default 0, FormerNo integer)");
// Creates the table when it is missing. Throws DbError when the database refuses.
void EnsureMemberPrivacyTable(TdmZOLF& db);

// The member's choice (the default when none was stored, or the table is not there yet).
PublicationChoice ReadPublicationChoice(TdmZOLF& db, const QString& loftNo);
// Stores the member's choice. Throws DbError.
void StorePublicationChoice(TdmZOLF& db, const QString& loftNo, const PublicationChoice& choice);

// "J. Peeters" for "Jan Peeters", "J.M. van den Berg" for "Jan Marie van den Berg": the last
// word with the lower-case particles before it is the surname, the words before it give their
// first letters.
QString InitialsAndSurname(const QString& fullName);

struct PublishedMember {
    QString name;  // what is shown in a result's name column
    QString town;  // empty unless the member lets it be shown
    // The name with the town in brackets when there is one: "J. Peeters (Lier)".
    QString text() const;
};

// The published form of one member by the rules alone.
PublishedMember PublishedOf(const QString& loftNo, const QString& fullName, const QString& town,
                            const PublicationChoice& choice);

// Every member's name, town and choice, read once for a writer that publishes many rows.
class PublishedMembers {
  public:
    explicit PublishedMembers(TdmZOLF& db);
    // What may be published of the member of a result row: the loft number for a loft the
    // member list does not hold.
    PublishedMember of(const QString& loftNo) const;
    // True when the member list holds the loft.
    bool known(const QString& loftNo) const { return members_.contains(loftNo); }

  private:
    struct Member {
        QString name;
        QString town;
        PublicationChoice choice;
    };
    QHash<QString, Member> members_;
};

// How many seasons results are kept with members' names (the club setting; 0 or not set: all
// of them). Members whose results all lie before are shown under neutral labels.
inline const QString kResultSeasonsKeptSetting = QStringLiteral("ResultSeasonsKept");
int ResultSeasonsKept(TdmZOLF& db);
