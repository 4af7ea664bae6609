#include <gtest/gtest.h>

#include "CadreData.h"
#include "cadre/BatchChange.h"

namespace {

class BatchChangeTest : public CadreData {
  protected:
    static int field(const QString& caption) {
        const auto& fields = cadre::batchFields();
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].caption == caption) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no field " << caption.toStdString();
        return -1;
    }

    QList<int> firstCadres(int n) {
        QList<int> ids;
        const auto rows = db().query(QStringLiteral("select top ") + QString::number(n) +
                                     QStringLiteral(" CadreID from tb_cadre order by CadreID"));
        for (const QVariantList& row : rows->rows) {
            ids << row[0].toInt();
        }
        return ids;
    }

    // The values of `column` of the cadres that `where` selects, without repeats.
    QStringList values(const QString& column, const QString& where) {
        QStringList texts;
        const auto rows = db().query(QStringLiteral("select distinct ") + column +
                                     QStringLiteral(" from tb_cadre where ") + where);
        for (const QVariantList& row : rows->rows) {
            texts << row[0].toString();
        }
        return texts;
    }
};

TEST_F(BatchChangeTest, WritesTheValueIntoEveryChosenCadreAndNoOther) {
    struct Case {
        const char* caption;
        QString column;
        int cadres;
        QString value;
        QString stored;
    } cases[] = {
        {"民族", QStringLiteral("mz"), 1, QStringLiteral("回族"), QStringLiteral("回族")},
        {"民族", QStringLiteral("mz"), 25, QString(), QString()},
        {"干部类型", QStringLiteral("ctype"), 25, QStringLiteral("后备干部"), QStringLiteral("4")},
        {"干部类型", QStringLiteral("ctype"), 3, QString(), QStringLiteral("0")},
        // A quote is data, written as typed.
        {"特长", QStringLiteral("zytc"), 2, QStringLiteral("写'作"), QStringLiteral("写'作")},
        {"职务级别", QStringLiteral("zwjb"), 10, QStringLiteral("正处级"),
         QStringLiteral("正处级")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const QList<int> ids = firstCadres(c.cadres);
        const QString others = QStringLiteral("CadreID>") + QString::number(ids.last());
        const QStringList before = values(c.column, others);
        const Result<int> changed =
            cadre::applyBatchChange(dm, ids, field(QString::fromUtf8(c.caption)), c.value);
        ASSERT_TRUE(changed) << changed.errorText();
        EXPECT_EQ(*changed, c.cadres);
        EXPECT_EQ(values(c.column, QStringLiteral("CadreID<=") + QString::number(ids.last())),
                  QStringList{c.stored});
        EXPECT_EQ(values(c.column, others), before);
    }
}

TEST_F(BatchChangeTest, RefusesWhatTheFieldCannotTakeAndWritesNothing) {
    const Snapshot before = snapshot();
    struct Case {
        QList<int> cadres;
        int field;
        QString value;
        QString message;
    } cases[] = {
        {{1, 2},
         field(QStringLiteral("干部类型")),
         QStringLiteral("领导"),
         cadre::kUnknownCategory},
        {{1, 2},
         field(QStringLiteral("民族")),
         QString(51, u'族'),
         QStringLiteral("民族的值不能超过50个字。")},
        {{1, 2},
         field(QStringLiteral("性别")),
         QString(11, u'男'),
         QStringLiteral("性别的值不能超过10个字。")},
        {{}, field(QStringLiteral("民族")), QStringLiteral("回族"), cadre::kChooseBatchCadres},
        {{1, 2}, -1, QStringLiteral("回族"), cadre::kChooseBatchField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const Result<int> changed = cadre::applyBatchChange(dm, c.cadres, c.field, c.value);
        ASSERT_FALSE(changed);
        EXPECT_EQ(changed.failure().message, c.message);
        EXPECT_TRUE(changed.failure().dbError.isEmpty());
    }
    EXPECT_EQ(snapshot(), before);
    // The longest text the column takes goes in.
    EXPECT_TRUE(
        cadre::applyBatchChange(dm, {1}, field(QStringLiteral("民族")), QString(50, u'族')));
}

TEST_F(BatchChangeTest, AFailingStatementAfterOthersWroteLeavesEveryCadreAsItWas) {
    // The second statement meets cadres the first one changed already, and the trigger refuses
    // to write a value over itself.
    ASSERT_TRUE(db().execNative(QStringLiteral(
        "create trigger refuse_same before update of mz on tb_cadre when old.mz=new.mz begin "
        "select raise(abort,'refused'); end")))
        << db().lastError();
    const Snapshot before = snapshot();
    QList<int> ids;
    for (int round = 0; round < 10; ++round) {
        ids << firstCadres(60);
    }
    const Result<int> changed =
        cadre::applyBatchChange(dm, ids, field(QStringLiteral("民族")), QStringLiteral("土家族"));
    ASSERT_FALSE(changed);
    EXPECT_TRUE(changed.failure().dbError.contains(QStringLiteral("refused")));
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
