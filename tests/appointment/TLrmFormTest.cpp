#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "PlanFixture.h"
#include "admin/Rights.h"
#include "appointment/LrmFile.h"
#include "appointment/LrmImport.h"
#include "appointment/ui/PageRm.h"
#include "appointment/ui/PlanLinesModel.h"
#include "appointment/ui/TBatchOutputForm.h"
#include "appointment/ui/TLrmForm.h"
#include "cadre/PickLists.h"
#include "support/FindChild.h"
#include "support/ModalAnswer.h"
#include "support/RecordingMessageService.h"
#include "units/ui/UnitPickerEdit.h"

namespace {

using namespace appointment;

class TLrmFormTest : public PlanFixture {
  protected:
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(in.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList form(const QString& name, const QString& sex) {
        QStringList values(kLrmValueCount, QString());
        values[kLrmName] = name;
        values[kLrmSex] = sex;
        return values;
    }

    QString sexOf(int cadre) {
        return db()
            .scalar(QStringLiteral("select xb from tb_cadre where CadreID=?"), {cadre})
            ->toString();
    }

    int count(const QString& sql, const QVariantList& params = {}) {
        return db().scalar(sql, params)->toInt();
    }

    RecordingMessageService messages;
    QTemporaryDir in;
};

TEST_F(TLrmFormTest, AFolderIsImportedIntoTheChosenUnitWithItsLog) {
    const int existing = addCadre(QStringLiteral("甲  一"));
    writeFile(QStringLiteral("a.lrm"),
              lrmBytes(form(QStringLiteral("甲一"), QStringLiteral("女"))));
    writeFile(QStringLiteral("b.lrm"),
              lrmBytes(form(QStringLiteral("新人"), QStringLiteral("女"))));
    writeFile(QStringLiteral("c.xls"),
              lrmBytes(form(QStringLiteral("表格"), QStringLiteral("女"))));
    TLrmForm dialog(dm);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("导入LRM文件"));
    EXPECT_TRUE(child<QRadioButton>(&dialog, "rbBatch")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(&dialog, "chkBasic")->isChecked());

    child<QPushButton>(&dialog, "btnImport")->click();
    child<QLineEdit>(&dialog, "edtFolder")->setText(in.filePath(QStringLiteral("missing")));
    child<QPushButton>(&dialog, "btnImport")->click();
    EXPECT_EQ(messages.texts(), QStringList(2, kLrmChooseFolder));
    messages.clear();

    dialog.findChild<UnitPickerEdit*>()->setUnit(1);
    child<QCheckBox>(&dialog, "chkBasic")->setChecked(false);
    child<QLineEdit>(&dialog, "edtFolder")->setText(in.path());
    child<QPushButton>(&dialog, "btnImport")->click();
    EXPECT_EQ(messages.texts(), QStringList{lrmImportedText(1)});
    EXPECT_TRUE(dialog.imported());
    const QString log = child<QPlainTextEdit>(&dialog, "memLog")->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("a.lrm 未导入;原因：") + kLrmDuplicateName)) << log;
    EXPECT_TRUE(log.contains(QStringLiteral("b.lrm 已导入;干部：新  人"))) << log;
    EXPECT_FALSE(log.contains(QStringLiteral("c.xls"))) << log;
    EXPECT_TRUE(QFile::exists(in.filePath(kLrmLogName)));
    EXPECT_EQ(sexOf(existing), QStringLiteral("男"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre a inner join tb_cadre_node b on "
                                   "b.ZwCadreID=a.CadreID where a.xm='新  人' and b.dwID=1")),
              1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre where xm='表  格'")), 0);

    // One file, with "基本信息" ticked again, updates the existing cadre.
    messages.clear();
    child<QCheckBox>(&dialog, "chkBasic")->setChecked(true);
    child<QRadioButton>(&dialog, "rbSingle")->setChecked(true);
    child<QLineEdit>(&dialog, "edtFile")->setText(in.filePath(QStringLiteral("a.lrm")));
    child<QPushButton>(&dialog, "btnImport")->click();
    EXPECT_EQ(messages.texts(), QStringList{lrmImportedText(1)});
    EXPECT_EQ(sexOf(existing), QStringLiteral("女"));

    messages.clear();
    child<QLineEdit>(&dialog, "edtFile")->setText(in.filePath(QStringLiteral("gone.lrm")));
    child<QPushButton>(&dialog, "btnImport")->click();
    EXPECT_EQ(messages.texts(), QStringList{lrmImportedText(0)});
    EXPECT_TRUE(child<QPlainTextEdit>(&dialog, "memLog")
                    ->toPlainText()
                    .endsWith(QStringLiteral("未导入;原因：") + kLrmFileMissing));
}

TEST_F(TLrmFormTest, TheUserChoosesAmongCadresOfTheSameName) {
    const int first = addCadre(QStringLiteral("丁  四"), QDate(1970, 5, 1));
    const int second = addCadre(QStringLiteral("丁  四"), QDate(1980, 3, 1));
    writeFile(QStringLiteral("a.lrm"),
              lrmBytes(form(QStringLiteral("丁四"), QStringLiteral("女"))));
    TLrmForm dialog(dm);
    child<QLineEdit>(&dialog, "edtFolder")->setText(in.path());
    for (const bool choose : {false, true}) {
        messages.clear();
        const ModalAnswer<QInputDialog> answer([choose](QInputDialog* ask) {
            EXPECT_EQ(ask->objectName(), QStringLiteral("dlgChooseCadre"));
            ASSERT_EQ(ask->comboBoxItems().size(), 2);
            EXPECT_TRUE(ask->comboBoxItems().at(1).contains(QStringLiteral("1980.03")));
            if (choose) {
                ask->setTextValue(ask->comboBoxItems().at(1));
                ask->accept();
            } else {
                ask->reject();
            }
        });
        child<QPushButton>(&dialog, "btnImport")->click();
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(messages.texts(), QStringList{lrmImportedText(choose ? 1 : 0)});
        EXPECT_EQ(sexOf(first), QStringLiteral("男"));
        EXPECT_EQ(sexOf(second), QString::fromUtf8(choose ? "女" : "男"));
    }
}

TEST_F(TLrmFormTest, WithoutTheImportRightNothingIsRead) {
    writeFile(QStringLiteral("a.lrm"),
              lrmBytes(form(QStringLiteral("新人"), QStringLiteral("女"))));
    ASSERT_TRUE(db().exec(QStringLiteral(
        "insert into tb_conf (GID,ItemID,ItemV,ItemV2) values ('RIGHT','7','IMPORT','0')")));
    dm.session().ManagerID = 7;
    TLrmForm dialog(dm);
    child<QLineEdit>(&dialog, "edtFolder")->setText(in.path());
    const int before = count(QStringLiteral("select count(*) from tb_cadre"));
    child<QPushButton>(&dialog, "btnImport")->click();
    EXPECT_EQ(messages.texts(), QStringList{admin::kNoRight});
    EXPECT_EQ(count(QStringLiteral("select count(*) from tb_cadre")), before);
    EXPECT_FALSE(QFile::exists(in.filePath(kLrmLogName)));
}

// The plan page's "导入LRM文件" puts the cadres of the files into the plan: a new cadre as a new
// line, a cadre already in the plan keeps its line and takes the file's plan texts.
TEST_F(TLrmFormTest, ThePlanPageImportsIntoTheCurrentPlan) {
    const int planId = addPlan(QStringLiteral("方案"));
    const int inPlan = addCadre(QStringLiteral("乙  二"));
    ASSERT_TRUE(addCadres(db(), planId, {inPlan}));
    QStringList second = form(QStringLiteral("乙二"), QStringLiteral("女"));
    second[kLrmProposedPost] = QStringLiteral("拟任某局局长");
    second[kLrmReason] = QStringLiteral("工作需要");
    writeFile(QStringLiteral("a.lrm"), lrmBytes(second));
    writeFile(QStringLiteral("b.lrm"),
              lrmBytes(form(QStringLiteral("丙三"), QStringLiteral("男"))));

    cadre::PickLists lists;
    PageRm page(dm, lists);
    page.reloadTree(planId);
    ASSERT_EQ(page.currentPlanId(), planId);
    const ModalAnswer<TLrmForm> answer([&](TLrmForm* dialog) {
        child<QCheckBox>(dialog, "chkBasic")->setChecked(false);
        child<QLineEdit>(dialog, "edtFolder")->setText(in.path());
        child<QPushButton>(dialog, "btnImport")->click();
        child<QPushButton>(dialog, "btnExit")->click();
    });
    child<QAction>(&page, "actRmLrmImport")->trigger();
    ASSERT_TRUE(answer.seen());
    EXPECT_EQ(messages.texts(), QStringList{lrmImportedText(2)});
    EXPECT_EQ(lines(planId), QStringList({"乙  二:1", "丙  三:2"}));
    EXPECT_EQ(lineValue(lineId(planId, 1), QStringLiteral("nrz")).toString(),
              QStringLiteral("拟任某局局长"));
    EXPECT_EQ(lineValue(lineId(planId, 1), QStringLiteral("rmNote")).toString(),
              QStringLiteral("工作需要"));
    // Nothing ticked: the cadre's record keeps its values.
    EXPECT_EQ(sexOf(inPlan), QStringLiteral("男"));
    EXPECT_EQ(page.lines()->rowCount(), 2);
}

TEST_F(TLrmFormTest, TheBatchOutputWritesTheFilesOfTheCheckedLines) {
    const int planId = addPlan(QStringLiteral("方案"));
    ASSERT_TRUE(addCadres(
        db(), planId, {addCadre(QStringLiteral("甲  一")), addCadre(QStringLiteral("乙  二"))}));
    QTemporaryDir out;
    TBatchOutputForm batch(dm, planId);
    batch.setPathChooser([&](QWidget*, bool) { return out.path(); });
    auto* grid = child<QTableWidget>(&batch, "gridCadres");
    grid->item(1, 0)->setCheckState(Qt::Unchecked);
    child<QPushButton>(&batch, "btnLrm")->click();
    child<QPushButton>(&batch, "btnLrmx")->click();
    EXPECT_EQ(messages.texts(), QStringList(2, kBatchDone));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name),
              QStringList({"甲  一.lrm", "甲  一.lrmx"}));
    const Result<LrmRecord> record = readLrmRecord(out.filePath(QStringLiteral("甲  一.lrm")));
    ASSERT_TRUE(record) << record.errorText();
    EXPECT_EQ(record->values.at(kLrmName), QStringLiteral("甲  一"));
    EXPECT_EQ(record->values.at(kLrmFilledOn), QStringLiteral("202406"));

    // The records' variant writes the live record.
    QTemporaryDir records;
    const int cadre = addCadre(QStringLiteral("丙  三"));
    ASSERT_TRUE(
        db().exec(QStringLiteral("update tb_cadre set nrz='拟任' where CadreID=?"), {cadre}));
    TBatchOutputForm fromRecords(dm, QList<int>{cadre});
    fromRecords.setPathChooser([&](QWidget*, bool) { return records.path(); });
    child<QPushButton>(&fromRecords, "btnLrmx")->click();
    const Result<LrmRecord> live = readLrmRecord(records.filePath(QStringLiteral("丙  三.lrmx")));
    ASSERT_TRUE(live) << live.errorText();
    EXPECT_EQ(live->values.at(kLrmProposedPost), QStringLiteral("拟任"));
}

}  // namespace
