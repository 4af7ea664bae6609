#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CadreData.h"
#include "cadre/ArchiveCatalogue.h"
#include "office/NewWorkbook.h"
#include "office/Spreadsheet.h"

namespace {

class ArchiveCatalogueTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("delete from E01"));
    }
    int add(const QString& category, const QString& name) {
        const Result<int> id = cadre::addCatalogueEntry(db(), 1, category);
        EXPECT_TRUE(id) << id.errorText();
        EXPECT_TRUE(cadre::updateCatalogueEntry(db(), 1, *id, u"E01Z111A"_qs, name));
        return *id;
    }
    // The catalogue as listed, "category/number/name".
    QStringList listed() {
        QStringList list;
        const auto rows = db().query(cadre::catalogueListStatement(1));
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            list << rows->value(i, u"E01Z101"_qs).toString() + u'/' +
                        rows->value(i, u"E01Z104"_qs).toString() + u'/' +
                        rows->value(i, u"E01Z111A"_qs).toString();
        }
        return list;
    }
};

TEST_F(ArchiveCatalogueTest, EntriesAreNumberedWithinTheirCategoryAndSwappedWithNeighbours) {
    add(u"履历"_qs, u"干部履历表"_qs);
    const int second = add(u"履历"_qs, u"干部任免审批表"_qs);
    const int other = add(u"政治历史"_qs, u"入党志愿书"_qs);
    EXPECT_EQ(listed(), (QStringList{u"履历/1/干部履历表"_qs, u"履历/2/干部任免审批表"_qs,
                                     u"政治历史/1/入党志愿书"_qs}));
    ASSERT_TRUE(cadre::moveCatalogueEntry(db(), 1, second, -1));
    EXPECT_EQ(listed(), (QStringList{u"履历/1/干部任免审批表"_qs, u"履历/2/干部履历表"_qs,
                                     u"政治历史/1/入党志愿书"_qs}));
    ASSERT_TRUE(cadre::deleteCatalogueEntry(db(), 1, other));
    EXPECT_EQ(listed().size(), 2);
    // Entries without a category are numbered among themselves.
    add({}, u"甲"_qs);
    add({}, u"乙"_qs);
    EXPECT_EQ(listed().mid(0, 2), (QStringList{u"/1/甲"_qs, u"/2/乙"_qs}));
}

TEST_F(ArchiveCatalogueTest, EditsAreLimitedToTheCatalogueColumns) {
    const int id = add(u"履历"_qs, u"表"_qs);
    ASSERT_TRUE(cadre::updateCatalogueEntry(db(), 1, id, u"E01Z114"_qs, u" 12 "_qs));
    ASSERT_TRUE(cadre::updateCatalogueEntry(db(), 1, id, u"E01Z124"_qs, u"几份"_qs));
    const auto row = db().query(QStringLiteral("select E01Z114,E01Z124 from E01 where ID=?"), {id});
    EXPECT_EQ(row->rows[0][0].toInt(), 12);
    EXPECT_FALSE(row->rows[0][1].isValid());
    EXPECT_EQ(cadre::updateCatalogueEntry(db(), 1, id, u"cid"_qs, 2).failure().message,
              cadre::kNotACatalogueColumn);
    EXPECT_EQ(cadre::updateCatalogueEntry(db(), 2, id, u"E01Z121"_qs, u"x"_qs).failure().message,
              cadre::kCatalogueEntryGone);
}

TEST_F(ArchiveCatalogueTest, AWorkbookIsImportedByItsCaptionsAndCategoryHeadings) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"目录.xlsx"_qs);
    office::NewSheet sheet;
    sheet.header = {u"序号"_qs, u"材料名称"_qs, u"材料制成日期"_qs, u"份数"_qs, u"页数"_qs};
    sheet.rows = {{u"一、履历材料"_qs},
                  {1, u"干部履历表"_qs, u"1998.07"_qs, 1, 4},
                  {QVariant(), u"干部履历表（续）"_qs},
                  {u"政治历史"_qs},
                  {3, u"入党志愿书"_qs, QVariant(), 1, 6}};
    ASSERT_TRUE(office::writeNewWorkbook(path, {sheet}));
    const auto workbook = office::openSpreadsheet(path);
    ASSERT_TRUE(workbook) << workbook.errorText();
    const Result<int> imported = cadre::importCatalogue(db(), 1, **workbook);
    ASSERT_TRUE(imported) << imported.errorText();
    EXPECT_EQ(*imported, 3);
    EXPECT_EQ(listed(), (QStringList{u"履历材料/1/干部履历表"_qs, u"履历材料/2/干部履历表（续）"_qs,
                                     u"政治历史/3/入党志愿书"_qs}));

    // A sheet without the name column is refused and adds nothing.
    office::NewSheet other;
    other.header = {u"名称"_qs};
    other.rows = {{u"某"_qs}};
    const QString otherPath = dir.filePath(u"其他.xlsx"_qs);
    ASSERT_TRUE(office::writeNewWorkbook(otherPath, {other}));
    const auto refused = cadre::importCatalogue(db(), 1, **office::openSpreadsheet(otherPath));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().message, cadre::kCatalogueSheetWithoutNames);
    EXPECT_EQ(listed().size(), 3);
}

}  // namespace
