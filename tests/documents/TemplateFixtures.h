#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "app/DataModule.h"
#include "support/TestHome.h"

// The working database with the sample cadres, and template files written by Debian's Python
// (openpyxl, python-docx) for the template tests.
class TemplateTest : public ::testing::Test {
  protected:
    void SetUp() override;

    QString path(const QString& name) const;
    // Runs `script` (which finds the target path in sys.argv[1]) to write `name`; its path.
    QString written(const QString& name, const QString& script) const;

    // A single-person workbook: sheet 1 holds labels and placeholders of the cadre's fields,
    // prefixes and postfixes among them, and the first two family members; sheet 2 the photo.
    QString singleWorkbook() const;
    // A single-person Word document: one table of labels and placeholders.
    QString singleDocument() const;

    int count(const QString& sql);

    TestHome home;
    TDataM dm{home.path() + u'/'};
};
