#include <gtest/gtest.h>

#include <QDir>

#include "support/QtPrinters.h"
#include "text/FileNames.h"

namespace {

TEST(FileNames, ADocumentsNameHoldsNoCharacterAFileNameCannotHold) {
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        {QStringLiteral("张  三"), QStringLiteral("张  三.docx")},
        {QStringLiteral(" a/b\\\\c:d*e?f\"g<h>i|j "), QStringLiteral("a_b__c_d_e_f_g_h_i_j.docx")},
        {QStringLiteral("甲\t乙"), QStringLiteral("甲_乙.docx")},
        {QStringLiteral("  "), QStringLiteral("未命名.docx")},
        {QStringLiteral("../上级"), QStringLiteral(".._上级.docx")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::documentFileName(c.name, QStringLiteral(".docx")), c.expected) << c.name;
    }
}

// A name used before in the batch is numbered; names differing only in case count as one, and a
// different suffix is a different file.
TEST(FileNames, ABatchNumbersTheNamesItHasUsedBefore) {
    text::BatchFileNames names(QStringLiteral("/out"));
    const QStringList paths{names.claim(QStringLiteral("丁"), QStringLiteral(".docx")),
                            names.claim(QStringLiteral("丁"), QStringLiteral(".docx")),
                            names.claim(QStringLiteral("丁"), QStringLiteral(".jpg")),
                            names.claim(QStringLiteral("Ann"), QStringLiteral(".lrm")),
                            names.claim(QStringLiteral("ANN"), QStringLiteral(".lrm")),
                            names.claim(QStringLiteral("丁"), QStringLiteral(".docx"))};
    EXPECT_EQ(paths,
              (QStringList{QStringLiteral("/out/丁.docx"), QStringLiteral("/out/丁(2).docx"),
                           QStringLiteral("/out/丁.jpg"), QStringLiteral("/out/Ann.lrm"),
                           QStringLiteral("/out/ANN(2).lrm"), QStringLiteral("/out/丁(3).docx")}));
}

}  // namespace
