#include <gtest/gtest.h>

#include <QGuiApplication>

// The logic's test programs run with a GUI application on the offscreen platform (fonts and
// pictures need one) and without any widget.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
