#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TransferDump.h"
#include "db/Database.h"
#include "exchange/DataTransfer.h"
#include "generate/SyntheticData.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

using namespace Qt::StringLiterals;

// 10,000 generated cadres go to a single-machine file and come back into another working
// database: every row of every transferred table is the same, and so is every relation.
TEST(GeneratedTransfer, TenThousandCadresMakeTheRoundTripUnchanged) {
    QTemporaryDir dir;
    const QString templateFile = QDir(TestHome::templateDir()).filePath(u"Empty.db"_s);
    const QString source = dir.filePath(u"generated.db"_s);
    QString error;
    ASSERT_TRUE(synth::generateDatabase(templateFile, source, {10000, 7}, nullptr, &error))
        << error.toStdString();

    db::Database working;
    ASSERT_TRUE(working.open(source)) << working.lastError();
    // Keys with gaps, so that every later key moves.
    ASSERT_TRUE(working.exec(u"delete * from tb_cadre where CadreID in (1,2,500)"_s));
    ASSERT_TRUE(working.exec(u"delete * from tb_department where ID=3"_s));
    const auto before = transferDump(working);
    ASSERT_GT(before.value(u"tb_cadre"_s).size(), 9990);

    const QString single = dir.filePath(u"single.db"_s);
    const Result<void> exported = exchange::exportToSingleFile(working, templateFile, single);
    ASSERT_TRUE(exported) << exported.errorText();

    const QString other = dir.filePath(u"other.db"_s);
    ASSERT_TRUE(QFile::copy(templateFile, other));
    QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
    db::Database target;
    ASSERT_TRUE(target.open(other)) << target.lastError();
    const Result<void> restored =
        exchange::restoreFromSingleFile(target, single, dir.filePath(u"kept.vhbak"_s));
    ASSERT_TRUE(restored) << restored.errorText();
    const auto after = transferDump(target);
    for (auto it = before.begin(); it != before.end(); ++it) {
        EXPECT_TRUE(after.value(it.key()) == it.value()) << it.key().toStdString();
    }
}

}  // namespace
