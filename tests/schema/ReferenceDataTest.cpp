// The reference data shipped in the empty template: code sets, look-up lists, settings and the
// ready-made unit trees, checked for the shapes the program relies on.

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>

#include "db/Database.h"
#include "schema/SchemaVersion.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"
#include "text/Pinyin.h"

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList u8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) {
        list << u8(t);
    }
    return list;
}

QString hex2(int order) {
    return QStringLiteral("%1").arg(order, 2, 16, QLatin1Char('0')).toUpper();
}

const QStringList& unitNatures() {
    static const QStringList natures =
        u8List({"党委班子",     "党的纪检班子", "政府班子", "人大班子", "政协班子", "法检班子",
                "党委部门",     "党的纪检部门", "政府部门", "人大部门", "政协部门", "法检部门",
                "人民团体机关", "民主党派机关", "其他机关", "事业单位", "企业",     "社会团体",
                "军队",         "宗教团体",     "其他单位"});
    return natures;
}

const QStringList& leadershipLadder() {
    static const QStringList ladder =
        u8List({"省部级正职", "省部级副职", "厅局级正职", "厅局级副职", "县处级正职", "县处级副职",
                "乡科级正职", "乡科级副职", "科员", "办事员"});
    return ladder;
}

const QStringList& rankLadder() {
    static const QStringList ladder = u8List(
        {"一级巡视员", "二级巡视员", "一级调研员", "二级调研员", "三级调研员", "四级调研员",
         "一级主任科员", "二级主任科员", "三级主任科员", "四级主任科员", "一级科员", "二级科员"});
    return ladder;
}

class ReferenceData : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(db_.open(home_.makeWorkingDatabase())) << db_.lastError(); }

    std::vector<QVariantList> rows(const QString& sql, const QVariantList& params = {}) {
        const std::optional<db::QueryResult> r = db_.query(sql, params);
        EXPECT_TRUE(r.has_value()) << sql << ": " << db_.lastError();
        return r ? r->rows : std::vector<QVariantList>{};
    }

    QStringList texts(const QString& sql, const QVariantList& params = {}) {
        QStringList list;
        for (const QVariantList& row : rows(sql, params)) {
            list << row[0].toString();
        }
        return list;
    }

    // name → value of a two-column query; fails the test on a repeated name or a NULL value
    std::map<QString, int> valueMap(const QString& sql) {
        std::map<QString, int> values;
        for (const QVariantList& row : rows(sql)) {
            EXPECT_FALSE(row[1].isNull()) << row[0].toString() << " has no value";
            EXPECT_TRUE(values.emplace(row[0].toString(), row[1].toInt()).second)
                << row[0].toString() << " is listed twice";
        }
        return values;
    }

    TestHome home_;
    db::Database db_;
};

// ---- code sets ----

struct CodeRow {
    QString show;
    QString parent;
    int level;
};

struct CodeSetCase {
    const char* name;
    bool hierarchical;
};

const CodeSetCase kCodeSets[] = {
    {"ZB19-94/JCLB", true},    {"ZB66-2006/CHJZ", true},   {"ZB68-2006/XSCF", true},
    {"ZB20-2006/JCYY", true},  {"ZB105-2006/JBFS", false}, {"ZB104-2006/SSQK", false},
    {"ZB106-2006/BLFS", true},
};

TEST_F(ReferenceData, EveryCodeSetIsATreeOfUniqueCodes) {
    for (const CodeSetCase& c : kCodeSets) {
        SCOPED_TRACE(c.name);
        // the tree picker's order: by level, so that a parent always comes before its children
        const std::vector<QVariantList> set =
            rows(QStringLiteral("select DM, DMShow, PDM, DMLevel from tb_DMJ where DMJMC=? "
                                "order by DMLevel,id"),
                 {QString::fromLatin1(c.name)});
        ASSERT_FALSE(set.empty());
        QHash<QString, CodeRow> codes;
        int deepest = 0;
        for (const QVariantList& row : set) {
            const QString code = row[0].toString();
            const CodeRow r{row[1].toString(), row[2].toString(), row[3].toInt()};
            EXPECT_FALSE(code.isEmpty());
            EXPECT_FALSE(r.show.trimmed().isEmpty()) << code;
            EXPECT_FALSE(row[2].isNull())
                << code << ": a top-level code has an empty PDM, not NULL";
            EXPECT_FALSE(codes.contains(code)) << code << " is listed twice";
            if (r.parent.isEmpty()) {
                EXPECT_EQ(r.level, 0) << code;
            } else {
                ASSERT_TRUE(codes.contains(r.parent)) << code << " hangs under a missing code";
                EXPECT_EQ(r.level, codes.value(r.parent).level + 1) << code;
            }
            deepest = std::max(deepest, r.level);
            codes.insert(code, r);
        }
        EXPECT_EQ(deepest > 0, c.hierarchical) << "deepest level " << deepest;
    }
}

TEST_F(ReferenceData, ReasonPickerSplitsRewardsFromPunishments) {
    const QString set = QStringLiteral("ZB20-2006/JCYY");
    QHash<QString, QString> parentOf;
    for (const QVariantList& row :
         rows(QStringLiteral("select DM, PDM from tb_DMJ where DMJMC=?"), {set})) {
        parentOf.insert(row[0].toString(), row[1].toString());
    }
    const auto rootOf = [&](QString code) {
        while (!parentOf.value(code).isEmpty()) {
            code = parentOf.value(code);
        }
        return code;
    };
    const struct {
        const char* condition;
        const char* root;
    } sides[] = {{"DM like '1%'", "1"}, {"DM like '2%'", "2"}};
    int picked = 0;
    for (const auto& side : sides) {
        SCOPED_TRACE(side.condition);
        // the picker's own statement, with its extra condition
        const QStringList codes =
            texts(QStringLiteral("select DM from tb_DMJ where DMJMC='") + set +
                  QStringLiteral("' and DMLevel>0 and ") + QString::fromLatin1(side.condition) +
                  QStringLiteral(" order by DMLevel,id"));
        EXPECT_FALSE(codes.isEmpty());
        for (const QString& code : codes) {
            EXPECT_EQ(rootOf(code), QString::fromLatin1(side.root)) << code;
        }
        picked += static_cast<int>(codes.size());
    }
    // no reason is left out of both sides
    EXPECT_EQ(
        picked,
        db_.scalar(QStringLiteral("select count(*) from tb_DMJ where DMJMC=? and DMLevel>0"), {set})
            ->toInt());
}

TEST_F(ReferenceData, HonourLevelsHangUnderL0WithOneCharacterCodes) {
    const QString set = QStringLiteral("ZB66-2006/CHJZ");
    const std::vector<QVariantList> top =
        rows(QStringLiteral("select PDM, DMLevel from tb_DMJ where DMJMC=? and DM='L0'"), {set});
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0][0].toString(), QString());
    EXPECT_EQ(top[0][1].toInt(), 0);
    // the plain picker's statement for the honour level (tb_jc.A14Z207 is one character)
    const std::vector<QVariantList> levels =
        rows(QStringLiteral("select DM, DMShow from tb_DMJ where DMJMC=? and PDM='L0'"), {set});
    EXPECT_GE(levels.size(), 2u);
    for (const QVariantList& row : levels) {
        EXPECT_EQ(row[0].toString().size(), 1) << row[1].toString();
    }
}

TEST_F(ReferenceData, RewardCategoriesOfTheRecordDialogAreCodes) {
    const struct {
        const char* category;
        const char* side;
        bool hasKinds;  // the names of the category come from this set rather than another one
    } categories[] = {{"工作成绩奖励", "1", true},     {"科学技术奖励", "1", true},
                      {"文艺新闻出版奖励", "1", true}, {"其他奖励", "1", true},
                      {"荣誉称号", "1", false},        {"荣誉奖章", "1", false},
                      {"纪律处分", "2", true},         {"刑事处罚", "2", false}};
    for (const auto& c : categories) {
        SCOPED_TRACE(c.category);
        const std::vector<QVariantList> found =
            rows(QStringLiteral("select DM, PDM from tb_DMJ where DMJMC='ZB19-94/JCLB' and "
                                "DMShow=?"),
                 {u8(c.category)});
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0][1].toString(), QString::fromLatin1(c.side));
        const int kinds = db_.scalar(QStringLiteral("select count(*) from tb_DMJ where "
                                                    "DMJMC='ZB19-94/JCLB' and PDM=?"),
                                     {found[0][0]})
                              ->toInt();
        EXPECT_EQ(kinds > 0, c.hasKinds) << kinds << " kinds";
    }
}

// ---- ranks, education levels, degrees ----

TEST_F(ReferenceData, RankLevelsAreDistinctAndOrderBothLadders) {
    const std::map<QString, int> level =
        valueMap(QStringLiteral("select zjmc, level1 from tb_zj order by level1"));
    QSet<int> seen;
    for (const auto& [name, value] : level) {
        EXPECT_FALSE(seen.contains(value)) << name << " shares its level " << value;
        seen.insert(value);
    }
    for (const QStringList* ladder : {&leadershipLadder(), &rankLadder()}) {
        for (qsizetype i = 0; i < ladder->size(); ++i) {
            ASSERT_EQ(level.count(ladder->at(i)), 1u) << ladder->at(i) << " is missing";
            if (i > 0) {
                EXPECT_LT(level.at(ladder->at(i - 1)), level.at(ladder->at(i)))
                    << ladder->at(i - 1) << " must rank above " << ladder->at(i);
            }
        }
    }
}

TEST_F(ReferenceData, EachRankSitsBetweenItsLeadershipLevelAndTheNext) {
    const std::map<QString, int> level = valueMap(QStringLiteral("select zjmc, level1 from tb_zj"));
    const struct {
        const char* rank;
        const char* leadership;
    } bands[] = {{"一级巡视员", "厅局级正职"},   {"二级巡视员", "厅局级副职"},
                 {"一级调研员", "县处级正职"},   {"二级调研员", "县处级正职"},
                 {"三级调研员", "县处级副职"},   {"四级调研员", "县处级副职"},
                 {"一级主任科员", "乡科级正职"}, {"二级主任科员", "乡科级正职"},
                 {"三级主任科员", "乡科级副职"}, {"四级主任科员", "乡科级副职"},
                 {"一级科员", "科员"},           {"二级科员", "办事员"}};
    for (const auto& b : bands) {
        const QString rank = u8(b.rank);
        const QString post = u8(b.leadership);
        SCOPED_TRACE(rank.toStdString());
        ASSERT_EQ(level.count(rank), 1u);
        ASSERT_EQ(level.count(post), 1u);
        EXPECT_GT(level.at(rank), level.at(post));
        const qsizetype next = leadershipLadder().indexOf(post) + 1;
        if (next < leadershipLadder().size()) {
            EXPECT_LT(level.at(rank), level.at(leadershipLadder().at(next)));
        }
    }
}

TEST_F(ReferenceData, EducationLevelsAreDistinctAndRankTheStages) {
    const std::map<QString, int> v = valueMap(QStringLiteral("select xl, v from tb_xl"));
    QSet<int> seen;
    for (const auto& [name, value] : v) {
        EXPECT_FALSE(seen.contains(value)) << name << " shares its value " << value;
        seen.insert(value);
    }
    const QStringList stages = u8List({"研究生", "大学", "大专", "中专", "高中", "初中", "小学"});
    for (qsizetype i = 0; i < stages.size(); ++i) {
        ASSERT_EQ(v.count(stages[i]), 1u) << stages[i];
        if (i > 0) {
            EXPECT_GT(v.at(stages[i - 1]), v.at(stages[i])) << stages[i - 1] << " / " << stages[i];
        }
    }
    // other forms of a stage rank below the stage and above the next one
    const struct {
        const char* form;
        const char* stage;
        const char* next;
    } forms[] = {{"研究生班", "研究生", "大学"},
                 {"中央党校研究生", "研究生", "大学"},
                 {"省委党校研究生", "研究生", "大学"},
                 {"中央党校大学", "大学", "大专"},
                 {"省委党校大学", "大学", "大专"},
                 {"中央党校大专", "大专", "中专"},
                 {"省委党校大专", "大专", "中专"},
                 {"大学普通班", "大专", "中专"},
                 {"中技", "中专", "高中"}};
    for (const auto& f : forms) {
        const QString form = u8(f.form);
        ASSERT_EQ(v.count(form), 1u) << form;
        EXPECT_LT(v.at(form), v.at(u8(f.stage))) << form;
        EXPECT_GT(v.at(form), v.at(u8(f.next))) << form;
    }
}

TEST_F(ReferenceData, DegreesShareTheValueOfTheirLevel) {
    const std::map<QString, int> id =
        valueMap(QStringLiteral("select degree, degreeid from tb_degree"));
    const QStringList levels = u8List({"博士", "硕士", "学士"});
    for (const QString& l : levels) {
        ASSERT_EQ(id.count(l), 1u) << l;
    }
    EXPECT_GT(id.at(levels[0]), id.at(levels[1]));
    EXPECT_GT(id.at(levels[1]), id.at(levels[2]));
    std::map<QString, int> perLevel;
    for (const auto& [degree, value] : id) {
        const auto level = std::find_if(levels.begin(), levels.end(),
                                        [&](const QString& l) { return degree.endsWith(l); });
        ASSERT_NE(level, levels.end()) << degree << " names no degree level";
        EXPECT_EQ(value, id.at(*level)) << degree;
        ++perLevel[*level];
    }
    for (const QString& l : levels) {
        EXPECT_GT(perLevel[l], 1) << "no field degrees for " << l;
    }
    // the search's "higher than" clause: above a master's degree lie the doctorates only
    const QStringList higher =
        texts(QStringLiteral("select degree from tb_degree where degreeid>(select degreeid from "
                             "tb_degree where degree=?)"),
              {u8("工学硕士")});
    EXPECT_EQ(higher.size(), perLevel[levels[0]]);
    for (const QString& d : higher) {
        EXPECT_TRUE(d.endsWith(levels[0])) << d;
    }
}

// ---- unit natures, posts, built-in lists ----

TEST_F(ReferenceData, UnitNaturesAreTheTwentyOneInBothLists) {
    EXPECT_EQ(texts(QStringLiteral("select xz from tb_dep_xz")), unitNatures());
    EXPECT_EQ(texts(QStringLiteral("select ItemID from tb_conf where GID=? order by ItemV"),
                    {u8("单位性质")}),
              unitNatures());
}

TEST_F(ReferenceData, PostSetsOfUnitNaturesNameListedPosts) {
    const QStringList posts = texts(QStringLiteral("select zwmc from tb_zw order by id"));
    EXPECT_EQ(QSet<QString>(posts.begin(), posts.end()).size(), posts.size())
        << "a post title is listed twice";
    int sets = 0;
    for (const QVariantList& row : rows(QStringLiteral("select xz, zwj, zwjdesc from tb_dep_xz"))) {
        SCOPED_TRACE(row[0].toString().toStdString());
        const QString zwj = row[1].toString();
        const QString desc = row[2].toString();
        if (zwj.isEmpty()) {
            EXPECT_TRUE(desc.isEmpty());
            continue;
        }
        ++sets;
        EXPECT_TRUE(zwj.endsWith(u',')) << zwj;
        QStringList items = zwj.split(u',');
        items.removeLast();
        EXPECT_EQ(desc.split(u'\n'), items);
        for (const QString& item : items) {
            EXPECT_TRUE(posts.contains(item)) << item << " is not a listed post";
        }
    }
    EXPECT_GT(sets, 0);
}

TEST_F(ReferenceData, BuiltInConfigurationListsComeInOrder) {
    const struct {
        const char* group;
        QStringList items;
    } lists[] = {
        {"GBSF",
         u8List({"公务员", "参照公务员", "行政编制", "全额拨款事业编制", "差额拨款事业编制"})},
        {"RMZT", u8List({"民主推荐", "干部考察", "讨论决定", "任职"})},
    };
    for (const auto& l : lists) {
        EXPECT_EQ(texts(QStringLiteral("select ItemID from tb_conf where GID=? order by ItemV"),
                        {QString::fromLatin1(l.group)}),
                  l.items)
            << l.group;
    }
}

// ---- general settings and statistics defaults ----

TEST_F(ReferenceData, GeneralSettingsAreOneRowAtTheCurrentVersion) {
    const std::vector<QVariantList> general =
        rows(QStringLiteral("select version, type, resCType from tb_general"));
    ASSERT_EQ(general.size(), 1u);
    EXPECT_DOUBLE_EQ(general[0][0].toDouble(), schema::kSchemaVersion);
    EXPECT_EQ(general[0][1].toInt(), 1);
    // the cadre type names whose bits 1, 2, 4 and 8 tb_cadre.ctype carries
    EXPECT_EQ(general[0][2].toString().split(u'\n'),
              u8List({"领导干部", "非领导干部", "后备干部", "其他"}));
}

TEST_F(ReferenceData, PickerListsHoldOneCleanItemPerLine) {
    for (const char* column : {"zt", "rzyy", "gbly", "rzw", "jtcy", "resCType", "resName"}) {
        SCOPED_TRACE(column);
        const QString text = db_.scalar(QStringLiteral("select ") + QString::fromLatin1(column) +
                                        QStringLiteral(" from tb_general"))
                                 ->toString();
        EXPECT_FALSE(text.contains(u'\r'));
        const QStringList items = text.split(u'\n');
        EXPECT_GE(items.size(), 2);
        for (const QString& item : items) {
            EXPECT_FALSE(item.isEmpty());
            EXPECT_EQ(item, item.trimmed());
        }
        EXPECT_EQ(QSet<QString>(items.begin(), items.end()).size(), items.size());
    }
}

TEST_F(ReferenceData, StatisticsDefaultToSevenAgeBands) {
    const struct {
        int ord;
        const char* relation;
        const char* from;
        const char* to;
    } bands[] = {{1, "小于等于", "35", ""}, {2, "介于", "36", "40"}, {3, "介于", "41", "45"},
                 {4, "介于", "46", "50"},   {5, "介于", "51", "55"}, {6, "介于", "56", "60"},
                 {7, "大于", "60", ""}};
    const std::vector<QVariantList> stored =
        rows(QStringLiteral("select ord, params1, params2, params3 from tb_params where "
                            "nType=? order by ord"),
             {u8("统计-年龄")});
    ASSERT_EQ(stored.size(), std::size(bands));
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i][0].toInt(), bands[i].ord);
        EXPECT_EQ(stored[i][1].toString(), u8(bands[i].relation)) << bands[i].ord;
        EXPECT_EQ(stored[i][2].toString(), u8(bands[i].from)) << bands[i].ord;
        EXPECT_EQ(stored[i][3].toString(), u8(bands[i].to)) << bands[i].ord;
    }
}

TEST_F(ReferenceData, StatisticsEntriesEndWithTheLabelOfTheRest) {
    const QStringList ranks = texts(QStringLiteral("select zjmc from tb_zj"));
    for (const char* type : {"统计-民族", "统计-职级"}) {
        SCOPED_TRACE(type);
        const std::vector<QVariantList> entries =
            rows(QStringLiteral("select ord, params1 from tb_params where nType=? order by ord"),
                 {u8(type)});
        ASSERT_EQ(entries.size(), 6u);
        QSet<QString> values;
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i][0].toInt(), static_cast<int>(i) + 1);
            values.insert(entries[i][1].toString());
        }
        EXPECT_EQ(entries.back()[1].toString(), u8("其他"));
        EXPECT_EQ(values.size(), 6) << "an entry is empty or repeated";
        if (u8(type) == u8("统计-职级")) {
            for (size_t i = 0; i + 1 < entries.size(); ++i) {
                EXPECT_TRUE(ranks.contains(entries[i][1].toString())) << entries[i][1].toString();
            }
        }
    }
}

// ---- unit-tree templates ----

struct Unit {
    int id;
    int parent;
    int order;
    QString name;
    QString shortName;
    int level;
    bool isDep;
    QString nature;
    QString py1;
    QString py2;
    QString index;
};

TEST_F(ReferenceData, EveryUserTypeHasAWellFormedUnitTree) {
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        // the wizard's own statement
        const std::vector<QVariantList> stored =
            rows(QStringLiteral("select ID,parentID,dwOrder,name,dwjc,dwLevel,isDep,dwxz,py1,py2,"
                                "dwIndex from tb_model where mtype=") +
                 QString::number(type) + QStringLiteral(" order by parentID,dworder"));
        ASSERT_GT(stored.size(), 5u);
        std::map<int, Unit> units;
        for (const QVariantList& r : stored) {
            const Unit u{r[0].toInt(),    r[1].toInt(),    r[2].toInt(),    r[3].toString(),
                         r[4].toString(), r[5].toInt(),    r[6].toBool(),   r[7].toString(),
                         r[8].toString(), r[9].toString(), r[10].toString()};
            EXPECT_GT(u.id, 0);
            EXPECT_TRUE(units.emplace(u.id, u).second) << "ID " << u.id << " is used twice";
        }
        std::map<int, std::vector<int>> ordersUnder;
        QSet<QString> indexes;
        for (const auto& [id, u] : units) {
            SCOPED_TRACE(u.name.toStdString());
            ordersUnder[u.parent].push_back(u.order);
            if (u.parent == 0) {
                EXPECT_EQ(u.level, 0);
                EXPECT_EQ(u.index, QStringLiteral("0") + hex2(u.order));
            } else {
                ASSERT_EQ(units.count(u.parent), 1u) << "parent " << u.parent << " is missing";
                const Unit& p = units.at(u.parent);
                EXPECT_EQ(u.level, p.level + 1);
                EXPECT_EQ(u.index, p.index + hex2(u.order));
            }
            EXPECT_FALSE(indexes.contains(u.index)) << u.index;
            indexes.insert(u.index);
            EXPECT_FALSE(u.name.isEmpty());
            EXPECT_FALSE(u.shortName.isEmpty());
            if (u.isDep) {
                EXPECT_TRUE(unitNatures().contains(u.nature)) << u.nature;
            } else {
                EXPECT_TRUE(u.nature.isEmpty()) << "a grouping node has the nature " << u.nature;
            }
            EXPECT_EQ(u.py1, text::pinyinInitials(u.name));
            EXPECT_EQ(u.py2, text::pinyinInitials(u.shortName));
        }
        for (auto& [parent, orders] : ordersUnder) {
            std::sort(orders.begin(), orders.end());
            for (size_t i = 0; i < orders.size(); ++i) {
                EXPECT_EQ(orders[i], static_cast<int>(i) + 1) << "orders under " << parent;
            }
        }
    }
}

TEST_F(ReferenceData, UnitIndexPrefixSelectsExactlyTheSubtree) {
    for (int type = 0; type < 8; ++type) {
        SCOPED_TRACE(type);
        std::map<int, int> parentOf;
        for (const QVariantList& r :
             rows(QStringLiteral("select ID, parentID from tb_model where mtype=?"), {type})) {
            parentOf[r[0].toInt()] = r[1].toInt();
        }
        const auto inSubtree = [&](int id, int root) {
            for (int at = id; at != 0; at = parentOf[at]) {
                if (at == root) {
                    return true;
                }
            }
            return false;
        };
        for (const QVariantList& r :
             rows(QStringLiteral("select ID, dwIndex from tb_model where mtype=?"), {type})) {
            const int root = r[0].toInt();
            int expected = 0;
            for (const auto& entry : parentOf) {
                expected += inSubtree(entry.first, root) ? 1 : 0;
            }
            EXPECT_EQ(db_.scalar(QStringLiteral("select count(*) from tb_model where mtype=? and "
                                                "dwIndex like ?"),
                                 {type, QString(r[1].toString() + QLatin1Char('%'))})
                          ->toInt(),
                      expected)
                << r[1].toString();
        }
    }
}

TEST_F(ReferenceData, RegionalTreesHoldTheLeadingBodiesAndDepartments) {
    const QStringList required =
        u8List({"党委班子", "人大班子", "政府班子", "政协班子", "党的纪检班子", "法检班子",
                "党委部门", "政府部门", "人民团体机关"});
    for (int type = 0; type <= 5; ++type) {
        const QStringList natures =
            texts(QStringLiteral("select dwxz from tb_model where mtype=? group by dwxz"), {type});
        for (const QString& nature : required) {
            EXPECT_TRUE(natures.contains(nature)) << "type " << type << " lacks " << nature;
        }
    }
}

}  // namespace
