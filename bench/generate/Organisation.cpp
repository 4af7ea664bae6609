#include "generate/Organisation.h"

#include <algorithm>

#include "generate/RowInsert.h"
#include "generate/Vocabulary.h"
#include "text/Pinyin.h"

namespace synth {

namespace {

constexpr int kLevels = 4;
constexpr int kMaxChildren = 255;  // dwOrder is two hexadecimal digits of dwIndex

std::vector<PostKind> postsOf(int level, const QString& head) {
    switch (level) {
        case 1:
            return {{head, CountyHead, 3},
                    {QStringLiteral("党组书记"), CountyHead, 2},
                    {u'副' + head, CountyDeputy, 6},
                    {QStringLiteral("党组成员"), CountyDeputy, 2}};
        case 2:
            return {{head, SectionHead, 3},
                    {u'副' + head, SectionDeputy, 4},
                    {QStringLiteral("科员"), Clerk, 8},
                    {QStringLiteral("办事员"), Assistant, 1}};
        case 3:
            return {{head, SectionDeputy, 2},
                    {u'副' + head, Clerk, 2},
                    {QStringLiteral("科员"), Clerk, 5},
                    {QStringLiteral("办事员"), Assistant, 2}};
        default:
            return {};
    }
}

QString hexOrder(int order) {
    return QStringLiteral("%1").arg(order, 2, 16, QChar(u'0')).toUpper();
}

}  // namespace

// A few grouping nodes at the top, most units at the bottom, and never more children under
// one parent than two hexadecimal digits can number.
std::vector<int> Organisation::levelSizes(int units) {
    std::vector<int> size(kLevels);
    size[0] = std::clamp(static_cast<int>(units * 0.01 + 0.5), 1, 100);
    size[1] = std::max(1, static_cast<int>(units * 0.09 + 0.5));
    size[2] = std::max(1, static_cast<int>(units * 0.30 + 0.5));
    for (size_t level = 1; level < 3; ++level) {
        size[level] = std::min(size[level], size[level - 1] * kMaxChildren);
    }
    size[3] = std::max(1, units - size[0] - size[1] - size[2]);
    size[3] = std::min(size[3], size[2] * kMaxChildren);
    return size;
}

void Organisation::build(Random& random, int unitCount) {
    const Vocabulary& words = vocabulary();
    const std::vector<int> sizes = levelSizes(unitCount);
    const std::vector<UnitKind>* kinds[kLevels] = {nullptr, &words.bureaus, &words.sections,
                                                   &words.teams};
    units_.clear();
    realUnits_.assign(kLevels, {});

    const int regions = static_cast<int>(words.regions.size());
    const int regionOffset = random.below(regions);
    for (int i = 0; i < sizes[0]; ++i) {
        Unit u;
        u.order = i + 1;
        const QString& region = words.regions[(regionOffset + i) % regions];
        if (i < regions) {
            u.name = region + (random.percent(60) ? u'区' : u'县');
        } else {
            u.name = region + (i < 2 * regions ? QStringLiteral("市") : QStringLiteral("新区"));
        }
        u.shortName = u.name;
        u.index = u'0' + hexOrder(u.order);
        units_.push_back(u);
    }

    size_t levelStart = 0;
    for (int level = 1; level < kLevels; ++level) {
        const size_t parentsEnd = units_.size();
        const int parents = static_cast<int>(parentsEnd - levelStart);
        const std::vector<UnitKind>& kindList = *kinds[level];
        const int kindCount = static_cast<int>(kindList.size());
        for (size_t p = levelStart; p < parentsEnd; ++p) {
            units_[p].kindOffset = random.below(kindCount);
        }
        for (int j = 0; j < sizes[static_cast<size_t>(level)]; ++j) {
            // Every parent gets a first child before any gets a second; the rest go anywhere.
            size_t parent =
                levelStart + static_cast<size_t>(j < parents ? j : random.below(parents));
            while (units_[parent].children >= kMaxChildren) {
                parent = parent + 1 < parentsEnd ? parent + 1 : levelStart;
            }
            Unit& up = units_[parent];
            Unit u;
            u.level = level;
            u.parentId = static_cast<int>(parent) + 1;
            u.order = ++up.children;
            const UnitKind& kind =
                kindList[static_cast<size_t>((up.kindOffset + u.order - 1) % kindCount)];
            // Under a parent with more children than there are kinds, the repeats are numbered.
            const QString repeat =
                u.order > kindCount ? QString::number((u.order - 1) / kindCount + 1) : QString();
            if (level == 1) {
                u.name = up.name + kind.name + repeat;
            } else if (level == 2) {
                u.name = up.shortName + kind.name + repeat;
            } else {
                const Unit& grand = units_[static_cast<size_t>(up.parentId - 1)];
                u.name = grand.shortName + up.shortName + kind.name + repeat;
            }
            u.shortName = kind.shortName + repeat;
            u.index = up.index + hexOrder(u.order);
            u.real = true;
            u.posts = postsOf(level, kind.head);
            realUnits_[static_cast<size_t>(level)].push_back(static_cast<int>(units_.size()));
            units_.push_back(u);
        }
        levelStart = parentsEnd;
    }
    for (size_t i = 0; i < units_.size(); ++i) {
        units_[i].id = static_cast<int>(i) + 1;
    }
}

bool Organisation::write(sqlite3* db, QString& error) const {
    RowInsert insert(db,
                     "insert into tb_department (ID,parentID,Name,dwjc,py1,py2,dwOrder,dwlevel,"
                     "dwIndex,isDep,status) values (?,?,?,?,?,?,?,?,?,?,0)");
    if (!insert.isValid()) {
        error = insert.errorText();
        return false;
    }
    for (const Unit& u : units_) {
        insert.integer(u.id)
            .integer(u.parentId)
            .text(u.name)
            .text(u.shortName)
            .text(text::pinyinInitials(u.name))
            .text(text::pinyinInitials(u.shortName))
            .integer(u.order)
            .integer(u.level)
            .text(u.index)
            .integer(u.real ? 1 : 0);
        if (!insert.run()) {
            error = insert.errorText();
            return false;
        }
    }
    return true;
}

int Organisation::pickUnit(Random& random) const {
    int level = 1 + random.weighted({3, 45, 52});
    while (realUnits_[static_cast<size_t>(level)].empty()) {
        level = level % (kLevels - 1) + 1;
    }
    return random.pick(realUnits_[static_cast<size_t>(level)]);
}

const PostKind& Organisation::pickPost(Random& random, int index) const {
    const std::vector<PostKind>& posts = unit(index).posts;
    int total = 0;
    for (const PostKind& k : posts) {
        total += k.weight;
    }
    int r = random.below(total);
    for (const PostKind& k : posts) {
        if (r < k.weight) {
            return k;
        }
        r -= k.weight;
    }
    return posts.back();
}

Post Organisation::postOfRank(Random& random, int rank) const {
    std::vector<int> levels;
    for (int level = 1; level < kLevels; ++level) {
        const std::vector<PostKind> kinds = postsOf(level, QString());
        const bool has = std::any_of(kinds.begin(), kinds.end(),
                                     [rank](const PostKind& k) { return k.rank == rank; });
        if (has && !realUnits_[static_cast<size_t>(level)].empty()) {
            levels.push_back(level);
        }
    }
    Post post;
    if (levels.empty()) {
        post.unit = pickUnit(random);
        const PostKind& kind = pickPost(random, post.unit);
        post.title = kind.title;
        post.rank = kind.rank;
        return post;
    }
    post.unit = random.pick(realUnits_[static_cast<size_t>(random.pick(levels))]);
    std::vector<const PostKind*> fitting;
    for (const PostKind& k : unit(post.unit).posts) {
        if (k.rank == rank) {
            fitting.push_back(&k);
        }
    }
    post.title = random.pick(fitting)->title;
    post.rank = rank;
    return post;
}

}  // namespace synth
