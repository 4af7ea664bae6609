#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs with a QApplication on the offscreen platform, so that windows can
// be created and driven without a display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
