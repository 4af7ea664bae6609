#pragma once

#include <sqlite3.h>

#include <QString>
#include <vector>

#include "generate/Random.h"

namespace synth {

struct PostKind {
    QString title;
    int rank;    // a Rank
    int weight;  // how often cadres hold it, relative to the other posts of the unit
};

struct Unit {
    int id = 0;
    int parentId = 0;  // 0 at the top
    int level = 0;
    int order = 0;
    QString name;
    QString shortName;
    QString index;
    bool real = false;            // false for a grouping node, which holds no posts
    std::vector<PostKind> posts;  // what a cadre can hold there
    int children = 0;
    int kindOffset = 0;  // where the names of its children start in their kind list
    int members = 0;     // memberships written so far
};

// A post held or once held by a cadre.
struct Post {
    int unit = 0;  // index into Organisation::units()
    QString title;
    int rank = 0;
    int start = -1;  // month of appointment; -1 when unknown
    int end = -1;    // month of removal; -1 for a current post
};

// The unit tree: grouping nodes for the districts at the top, then bureaus, their sections
// and the teams below those, four levels in all.
class Organisation {
  public:
    // Units at each level for a tree of `units` units.
    static std::vector<int> levelSizes(int units);

    void build(Random& random, int units);
    bool write(sqlite3* db, QString& error) const;

    std::vector<Unit>& units() { return units_; }
    const Unit& unit(int index) const { return units_[static_cast<size_t>(index)]; }

    // A unit that holds posts, most often at the lower levels.
    int pickUnit(Random& random) const;
    // One of the unit's posts, by their weights.
    const PostKind& pickPost(Random& random, int unit) const;
    // A post of the given rank in a unit that has such posts.
    Post postOfRank(Random& random, int rank) const;

  private:
    std::vector<Unit> units_;
    std::vector<std::vector<int>> realUnits_;  // indexes of the units holding posts, by level
};

}  // namespace synth
