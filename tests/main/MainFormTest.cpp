#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>

#include "main/TMainForm.h"
#include "support/QtPrinters.h"

namespace {

TEST(MainForm, OpensTitledAndShowsTheDataFolder) {
    QTemporaryDir home;
    qputenv("CADRE_HOME", home.path().toUtf8());
    TMainForm form;
    form.showMaximized();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("干部管理系统"));
    auto* label = form.findChild<QLabel*>(QStringLiteral("dataDirLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().contains(home.path())) << label->text().toStdString();
    qunsetenv("CADRE_HOME");
}

}  // namespace
