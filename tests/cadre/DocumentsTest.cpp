#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CadreData.h"
#include "cadre/Documents.h"

namespace {

class DocumentsTest : public CadreData {
  protected:
    void SetUp() override {
        CadreData::SetUp();
        run(QStringLiteral("delete from tb_fileLink"));
        run(QStringLiteral("delete from tb_File"));
    }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    int count(const char* table) {
        return db()
            .scalar(QStringLiteral("select count(*) from ") + QString::fromLatin1(table))
            ->toInt();
    }

    QTemporaryDir files;
};

TEST_F(DocumentsTest, ADocumentIsStoredPackedAndComesBackAsItWas) {
    const QByteArray bytes = QByteArray("考察材料 ").repeated(2000);
    const Result<int> id = cadre::addDocument(db(), 1, writeFile(u"考察材料.DOC"_qs, bytes));
    ASSERT_TRUE(id) << id.errorText();
    const auto listed = cadre::cadreDocuments(db(), 1);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1);
    EXPECT_EQ(listed->first().fileName, u"考察材料.DOC"_qs);
    EXPECT_EQ(listed->first().extension, u".doc"_qs);
    const auto stored =
        db().query(QStringLiteral("select Binfile,ziped from tb_File where id=?"), {*id});
    EXPECT_TRUE(stored->rows[0][1].toBool());
    EXPECT_LT(stored->rows[0][0].toByteArray().size(), bytes.size());
    EXPECT_TRUE(cadre::cadreDocuments(db(), 2)->isEmpty());

    const auto opened = cadre::extractDocument(db(), 1, *id, files.filePath(u"TEMP"_qs));
    ASSERT_TRUE(opened) << opened.errorText();
    EXPECT_TRUE(opened->endsWith(u"/考察材料.DOC"_qs));
    EXPECT_EQ(readFile(*opened), bytes);
    const QString copy = files.filePath(u"副本.doc"_qs);
    ASSERT_TRUE(cadre::saveDocument(db(), 1, *id, copy));
    EXPECT_EQ(readFile(copy), bytes);
    // Another cadre cannot reach it.
    EXPECT_EQ(cadre::documentContent(db(), 2, *id).failure().message, cadre::kDocumentGone);
}

TEST_F(DocumentsTest, ADamagedArchiveGivesTheUnpackMessage) {
    const int id = *cadre::addDocument(db(), 1, writeFile(u"a.txt"_qs, "text"));
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_File set Binfile=? where id=?"),
                          {QByteArray("PK\x03\x04 broken"), id}));
    const auto content = cadre::documentContent(db(), 1, id);
    ASSERT_FALSE(content);
    EXPECT_EQ(content.failure().message, cadre::kUnpackFailed);
}

TEST_F(DocumentsTest, AFileOverTheLimitIsRefusedAndNothingIsWritten) {
    const QString path = files.filePath(u"big.bin"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(cadre::kMaxDocumentBytes + 1));
    file.close();
    const int before = count("tb_File");
    const Result<int> id = cadre::addDocument(db(), 1, path);
    ASSERT_FALSE(id);
    EXPECT_EQ(id.failure().message, cadre::kDocumentTooLarge);
    EXPECT_EQ(count("tb_File"), before);
    EXPECT_EQ(cadre::addDocument(db(), 1, files.filePath(u"missing"_qs)).failure().message,
              cadre::kDocumentUnreadable);
}

TEST_F(DocumentsTest, DeletingAndRenamingTouchOnlyTheCadresDocument) {
    const int id = *cadre::addDocument(db(), 1, writeFile(u"a.txt"_qs, "text"));
    ASSERT_TRUE(cadre::renameDocument(db(), 1, id, u" 新名.txt "_qs));
    EXPECT_EQ(cadre::cadreDocuments(db(), 1)->first().fileName, u"新名.txt"_qs);
    EXPECT_FALSE(cadre::deleteDocument(db(), 2, id));
    const int files0 = count("tb_File");
    ASSERT_TRUE(cadre::deleteDocument(db(), 1, id));
    EXPECT_EQ(count("tb_File"), files0 - 1);
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_fileLink where fileid=?"), {id})
                  ->toInt(),
              0);
}

}  // namespace
