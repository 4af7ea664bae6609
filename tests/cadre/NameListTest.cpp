#include <gtest/gtest.h>

#include "cadre/NameList.h"
#include "support/QtPrinters.h"

namespace {

TEST(NameList, PastedNamesBecomeOneALineAndAnInList) {
    const QString pasted = u"张三，李四、王五\n\n 赵六 ,"_qs;
    const QString tidy = cadre::tidyNameList(pasted);
    EXPECT_EQ(tidy, u"张三\n李四\n王五\n赵六"_qs);
    EXPECT_EQ(cadre::nameInList(tidy), u"'张三','李四','王五','赵六'"_qs);
    EXPECT_EQ(cadre::nameInList(u"\n  \n"_qs), QString());
    // A quote in a name stays inside its literal.
    EXPECT_EQ(cadre::nameInList(u"O'Neil\n李四"_qs), u"'O''Neil','李四'"_qs);
}

}  // namespace
