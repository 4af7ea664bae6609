#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/CodeSets.h"
#include "cadre/PickLists.h"

namespace {

class CodeSetsTest : public CadreData {
  protected:
    void addCode(const QString& code, const QString& text, const QString& parent, int level) {
        run(QStringLiteral("insert into tb_DMJ (DMJMC,DM,DMShow,PDM,DMLevel) values "
                           "('TEST/SET','%1','%2','%3',%4)")
                .arg(code, text, parent)
                .arg(level));
    }
    // The tree as "caption<parent caption", parents before children.
    QStringList tree(const QString& condition = {}) {
        const auto nodes = cadre::codeTree(db(), QStringLiteral("TEST/SET"), condition);
        EXPECT_TRUE(nodes) << nodes.errorText();
        QStringList shown;
        for (const cadre::CodeNode& node : *nodes) {
            shown << node.caption + u'<' +
                         (node.parent < 0 ? QString() : (*nodes)[node.parent].caption);
        }
        return shown;
    }
};

TEST_F(CodeSetsTest, CodesGoUnderTheirParentOrToTheTopWhenItIsMissing) {
    addCode(QStringLiteral("1"), QStringLiteral("奖励"), {}, 0);
    addCode(QStringLiteral("2"), QStringLiteral("处分"), {}, 0);
    addCode(QStringLiteral("21"), QStringLiteral("警告"), QStringLiteral("2"), 1);
    addCode(QStringLiteral("11"), QStringLiteral("嘉奖"), QStringLiteral("1"), 1);
    addCode(QStringLiteral("91"), QStringLiteral("孤儿"), QStringLiteral("9"), 1);
    addCode(QStringLiteral("211"), QStringLiteral("严重警告"), QStringLiteral("21"), 2);
    EXPECT_EQ(tree(), (QStringList{u"奖励<"_qs, u"处分<"_qs, u"警告<处分"_qs, u"嘉奖<奖励"_qs,
                                   u"孤儿<"_qs, u"严重警告<警告"_qs}));
    EXPECT_EQ(tree(QStringLiteral("and DMLevel>0 and DM like '2%'")),
              (QStringList{u"警告<"_qs, u"严重警告<警告"_qs}));
}

TEST_F(CodeSetsTest, TheShippedReasonSetSplitsIntoRewardsAndPunishments) {
    const auto rewards = cadre::codeTree(db(), cadre::kReasonCodes, cadre::kRewardReasonCondition);
    const auto punishments =
        cadre::codeTree(db(), cadre::kReasonCodes, cadre::kPunishmentReasonCondition);
    ASSERT_TRUE(rewards && punishments);
    ASSERT_FALSE(rewards->empty());
    ASSERT_FALSE(punishments->empty());
    for (const auto& node : *rewards) {
        EXPECT_TRUE(node.code.startsWith(u'1')) << node.code.toStdString();
    }
    for (const auto& node : *punishments) {
        EXPECT_TRUE(node.code.startsWith(u'2')) << node.code.toStdString();
    }
}

TEST_F(CodeSetsTest, PlainPickersTakeTheTextsOfASetOrOfOneParent) {
    addCode(QStringLiteral("L0"), QStringLiteral("级别"), {}, 0);
    addCode(QStringLiteral("1"), QStringLiteral("国家级"), QStringLiteral("L0"), 1);
    addCode(QStringLiteral("2"), QStringLiteral("省级"), QStringLiteral("L0"), 1);
    addCode(QStringLiteral("X"), QStringLiteral("其他"), QStringLiteral("L1"), 1);
    EXPECT_EQ(*cadre::codeTexts(db(), QStringLiteral("TEST/SET"), QStringLiteral("L0")),
              (QStringList{u"国家级"_qs, u"省级"_qs}));
    EXPECT_EQ(cadre::codeTexts(db(), QStringLiteral("TEST/SET"))->size(), 4);
    // A quote in a set's name is only a character of the name.
    EXPECT_TRUE(cadre::codeTexts(db(), QStringLiteral("x' or '1'='1"))->isEmpty());
}

TEST_F(CodeSetsTest, TheRecordPickListsComeFromTheirSources) {
    const cadre::PickLists lists = cadre::loadPickLists(db()).value();
    EXPECT_EQ(lists.titleGrades,
              (QStringList{u"正高级"_qs, u"副高级"_qs, u"中级"_qs, u"助理级"_qs, u"员级"_qs}));
    EXPECT_FALSE(lists.honourLevels.isEmpty());
    QStringList levels;
    for (const cadre::CodeItem& level : lists.honourLevels) {
        levels << level.code + u'=' + level.text;
    }
    // The levels keep their one-character codes, which the records store.
    EXPECT_TRUE(levels.contains(u"1=国家级"_qs)) << levels.join(u' ').toStdString();
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_general set jtcy=?"),
                          {QStringLiteral("父亲\r\n\n 母亲 \n")}));
    EXPECT_EQ(cadre::loadPickLists(db()).value().familyRelations,
              (QStringList{u"父亲"_qs, u"母亲"_qs}));
}

}  // namespace
