#include <gtest/gtest.h>

#include "app/DataModule.h"
#include "db/Database.h"
#include "settings/StandardCheck.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;
using settings::CheckCategory;

class StandardCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
        for (const char* table :
             {"tb_cadre", "tb_family", "tb_cadre_zw", "tb_department_zs", "tb_xl", "tb_zj"}) {
            exec(u"delete * from "_s + QString::fromLatin1(table));
        }
        exec(u"insert into tb_xl (xl,v) values ('大学',5),('研究生',6)"_s);
        exec(u"insert into tb_zj (zjmc,level1) values ('正处',1),('副处',2)"_s);
        exec(u"update tb_general set jtcy=?"_s, {u"妻子\n儿子\n女儿"_s});
        exec(
            u"insert into tb_cadre (CadreID,xm,gxl,qrzxl,zzxl,zwjb,zzmm) values "
            u"(1,'甲','大学本科','大学本科','','正处级','党员'),"
            u"(2,'乙','大学','','大学本科','副处','中共党员'),"
            u"(3,'丙','中专',' ','研究生','',null)"_s);
        exec(
            u"insert into tb_family (CadreID,cw,zzmm) values (1,'爱人','党员'),(2,'妻子','群众')"_s);
    }
    void exec(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(dm.db().exec(sql, params)) << dm.db().lastError();
    }
    QString found(CheckCategory category) {
        const auto values = settings::nonStandardValues(dm.db(), category);
        EXPECT_TRUE(values) << values.errorText();
        QStringList out;
        for (const auto& v : values ? *values : QList<settings::NonStandardValue>{}) {
            out << v.value + u'×' + QString::number(v.count);
        }
        return out.join(u',');
    }
    QString column(const QString& sql) {
        const auto rows = dm.db().query(sql);
        EXPECT_TRUE(rows);
        QStringList out;
        for (size_t i = 0; rows && i < rows->rows.size(); ++i) {
            out << rows->rows[i].value(0).toString();
        }
        return out.join(u',');
    }

    TestHome home;
    TDataM dm{home.path() + u'/'};
};

// Each value once per category, counted over all its columns; blanks never reported.
TEST_F(StandardCheck, FindsEachValueOnceWithItsCount) {
    EXPECT_EQ(found(CheckCategory::Education), u"中专×1,大学本科×3"_s);
    EXPECT_EQ(found(CheckCategory::Rank), u"正处级×1"_s);
    EXPECT_EQ(found(CheckCategory::Political), u"党员×2"_s);
    EXPECT_EQ(found(CheckCategory::Relationship), u"爱人×1"_s);
}

// A mapping rewrites every column of its category; an empty target blanks the value.
TEST_F(StandardCheck, MappingsRewriteEveryColumn) {
    ASSERT_TRUE(
        settings::applyMappings(dm.db(), {{CheckCategory::Education, u"大学本科"_s, u"大学"_s},
                                          {CheckCategory::Education, u"中专"_s, {}},
                                          {CheckCategory::Political, u"党员"_s, u"中共党员"_s}}));
    EXPECT_EQ(column(u"select gxl||'/'||qrzxl||'/'||zzxl from tb_cadre order by CadreID"_s),
              u"大学/大学/,大学//大学,/ /研究生"_s);
    EXPECT_EQ(column(u"select zzmm from tb_family order by CadreID"_s), u"中共党员,群众"_s);
    EXPECT_EQ(found(CheckCategory::Education), QString());
}

// A failing statement takes back the mappings already applied.
TEST_F(StandardCheck, AFailureWritesNothing) {
    ASSERT_TRUE(
        dm.db().execNative(u"create trigger refuse before update on tb_family "
                           u"begin select raise(abort, 'refused'); end"_s));
    EXPECT_FALSE(
        settings::applyMappings(dm.db(), {{CheckCategory::Education, u"大学本科"_s, u"大学"_s},
                                          {CheckCategory::Political, u"党员"_s, u"中共党员"_s}}));
    EXPECT_EQ(found(CheckCategory::Education), u"中专×1,大学本科×3"_s);
    EXPECT_EQ(found(CheckCategory::Political), u"党员×2"_s);
}

TEST_F(StandardCheck, AddedValuesBecomeStandard) {
    for (const auto& [category, value] : {std::pair{CheckCategory::Education, u"中专"_s},
                                          std::pair{CheckCategory::Rank, u"正处级"_s},
                                          std::pair{CheckCategory::Relationship, u"爱人"_s}}) {
        ASSERT_TRUE(settings::addToStandard(dm.db(), category, value));
        EXPECT_EQ(found(category).contains(value), false) << value;
        EXPECT_TRUE(settings::standardValues(dm.db(), category)->contains(value));
    }
    EXPECT_FALSE(settings::addToStandard(dm.db(), CheckCategory::Political, u"党员"_s));
    EXPECT_EQ(settings::addToStandardQuestion(CheckCategory::Relationship, u"爱人"_s),
              u"确认将<爱人>加入称谓标准库?"_s);
}

}  // namespace
