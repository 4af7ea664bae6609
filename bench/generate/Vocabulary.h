#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The words synthetic records are made of: names, places, units, posts, schools and the like.
// Every list is fixed, so that a seed always gives the same data.
namespace synth {

// Post ranks (职务级别) from the highest; a post's rank is its index in rankNames.
enum Rank { CountyHead, CountyDeputy, SectionHead, SectionDeputy, Clerk, Assistant, RankCount };

// A unit kind: its name, short name and the title of its head ("局长", "科长" ...).
struct UnitKind {
    QString name;
    QString shortName;
    QString head;
};

struct Place {
    QString province;
    QString city;
    QString areaCode;  // the first six digits of an identity number issued there
};

struct Major {
    QString name;
    QString discipline;  // the field a degree in it is named after ("法学", "工学" ...)
};

struct Vocabulary {
    QStringList surnames;
    QStringList maleGivenNames;    // single characters
    QStringList femaleGivenNames;  // single characters
    QStringList regions;           // two-character place names of the top units
    std::vector<UnitKind> bureaus;
    std::vector<UnitKind> sections;
    std::vector<UnitKind> teams;
    QStringList rankNames;  // indexed by Rank
    QStringList minorities;
    QStringList minorParties;
    std::vector<Place> places;
    QStringList universities;
    std::vector<Major> majors;
    QStringList employers;  // employer and post of a family member
    QStringList rewardKinds;
    QStringList rewardBodies;
};

const Vocabulary& vocabulary();

}  // namespace synth
