#pragma once

#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "generate/Organisation.h"
#include "generate/Random.h"
#include "generate/RowInsert.h"
#include "generate/SyntheticData.h"

namespace synth {

// Makes one cadre at a time, with posts, memberships, family, assessments, rewards and photo,
// and writes it at once.
class CadreMaker {
  public:
    CadreMaker(Random& random, Organisation& organisation, sqlite3* db, Counts& counts)
        : random_(random), organisation_(organisation), db_(db), counts_(counts) {}

    // Prepares the statements and the photos; false with `error` set when it cannot.
    bool prepare(QString& error);
    bool write(int id, QString& error);
    // The month the cadre written last started work.
    int lastWorkStart() const { return lastWorkStart_; }

  private:
    struct Education {
        QString fullTime, fullTimeSchool, fullTimeDegree;
        QString inService, inServiceSchool, inServiceDegree;
        QStringList resume;  // the lines of the years of study
        int workStart = 0;   // month
    };
    struct Relative {
        QString relation, name, party, employer;
        int birth = -1;
    };

    Education makeEducation(int birthMonth);
    std::vector<Post> makeCurrentPosts(const Post& primary);
    std::vector<Post> makeFormerPosts(int workStart, int rank, int& currentStart);
    std::vector<Relative> makeFamily(bool male, const QString& surname, int birthMonth);
    QString personName(const QString& surname, bool male);
    QString identityNumber(int birthMonth, bool male);
    QString youngPersonParty(int age);
    bool writePosts(int id, const std::vector<Post>& current, const std::vector<Post>& former);
    bool writeMemberships(int id, const std::vector<Post>& current);
    bool writeFamily(int id, const std::vector<Relative>& family);
    // Annual assessments and rewards; returns false on a write error, else fills the notes.
    bool writeAssessments(int id, int workStart, QString& note);
    bool writeRewards(int id, int workStart, bool partyMember, QString& note);
    void makePhotos();

    Random& random_;
    Organisation& organisation_;
    sqlite3* db_;
    Counts& counts_;
    std::unique_ptr<RowInsert> cadre_, post_, membership_, family_, assessment_, reward_;
    std::vector<QByteArray> photos_;
    int lastWorkStart_ = 0;
};

// The current-post text of a cadre from its current posts in order: posts in the same unit as
// the post before them are listed after it with "、"; a post in another unit starts a new group,
// "，" + unit name + post name. Posts 职务1, 职务2 in unit A and 职务3 in unit B give
// "A职务1、职务2，B职务3".
QString currentPostText(const Organisation& organisation, const std::vector<Post>& posts);

}  // namespace synth
