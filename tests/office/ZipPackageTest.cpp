#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "OfficeFixtures.h"
#include "office/ZipPackage.h"

using office::ZipPackage;
using office_test::runPython;

namespace {

// Writes a ZIP whose big.xml is deflated at level 1 (so that deflating it again at the usual
// level would change its compressed size) and prints each entry's compressed size.
const QString kWriteArchive = QStringLiteral(R"PY(
import sys, json, zipfile
big = ''.join('<row n="%d">%s</row>' % (i, 'x' * (i % 13)) for i in range(8000))
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    z.writestr('big.xml', big, compress_type=zipfile.ZIP_DEFLATED, compresslevel=1)
    z.writestr('Small.txt', 'small', compress_type=zipfile.ZIP_DEFLATED)
    z.writestr('gone.txt', 'gone', compress_type=zipfile.ZIP_STORED)
print(json.dumps({i.filename: i.compress_size for i in zipfile.ZipFile(sys.argv[1]).infolist()}))
)PY");

const QString kReadArchive = QStringLiteral(R"PY(
import sys, json, zipfile
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
print(json.dumps([[i.filename, i.compress_size, len(z.read(i))] for i in z.infolist()]
                 + [z.read('Small.txt').decode(), z.read('new/part.txt').decode()]))
)PY");

TEST(ZipPackageTest, SavingKeepsUnchangedPartsAsCompressedAndWritesChangedOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("包.zip"));
    const QJsonObject original = runPython(kWriteArchive, {path}).toObject();
    ASSERT_FALSE(original.isEmpty());

    Result<ZipPackage> opened = ZipPackage::open(path);
    ASSERT_TRUE(opened.ok()) << opened.errorText().toStdString();
    ZipPackage& package = *opened;
    EXPECT_EQ(package.name(), QStringLiteral("包.zip"));
    EXPECT_EQ(package.partNames(),
              (QStringList{QStringLiteral("big.xml"), QStringLiteral("Small.txt"),
                           QStringLiteral("gone.txt")}));
    EXPECT_TRUE(package.contains(QStringLiteral("small.txt")));  // part names ignore case
    package.setPart(QStringLiteral("small.txt"), QByteArrayLiteral("changed"));
    package.setPart(QStringLiteral("new/part.txt"), QByteArrayLiteral("新的"));
    package.removePart(QStringLiteral("gone.txt"));
    const Result<QByteArray> missing = package.part(QStringLiteral("gone.txt"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("包.zip")));

    const QString out = dir.filePath(QStringLiteral("新包.zip"));
    ASSERT_TRUE(package.save(out).ok());
    const QJsonArray read = runPython(kReadArchive, {out}).toArray();
    ASSERT_EQ(read.size(), 5);
    EXPECT_EQ(read[0],
              QJsonValue(QJsonArray{QStringLiteral("big.xml"), original[QStringLiteral("big.xml")],
                                    int(package.part(QStringLiteral("big.xml"))->size())}));
    EXPECT_EQ(read[1].toArray()[0], QJsonValue(QStringLiteral("Small.txt")));
    EXPECT_EQ(read[2].toArray()[0], QJsonValue(QStringLiteral("new/part.txt")));
    EXPECT_EQ(read[3], QJsonValue(QStringLiteral("changed")));
    EXPECT_EQ(read[4], QJsonValue(QStringLiteral("新的")));

    // A package saved again after reading its own output is the same package.
    Result<ZipPackage> again = ZipPackage::open(out);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(*again->part(QStringLiteral("big.xml")), *package.part(QStringLiteral("big.xml")));
}

TEST(ZipPackageTest, DamagedArchivesAreRefusedWithTheirName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("包.zip"));
    runPython(kWriteArchive, {path});
    Result<ZipPackage> opened = ZipPackage::open(path);
    ASSERT_TRUE(opened.ok());
    QByteArray bytes = *opened->toBytes();
    // Flip a bit inside the compressed data of the first entry: its checksum no longer holds.
    bytes[200] = char(bytes[200] ^ 0x10);
    const Result<ZipPackage> damaged = ZipPackage::fromBytes(bytes, QStringLiteral("坏.zip"));
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.errorText().contains(QStringLiteral("坏.zip")));
    EXPECT_TRUE(damaged.errorText().contains(QStringLiteral("big.xml")));

    const Result<ZipPackage> missing = ZipPackage::open(dir.filePath(QStringLiteral("无.zip")));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.errorText().contains(QStringLiteral("无.zip")));
}

}  // namespace
