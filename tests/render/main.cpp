#include <QGuiApplication>

#include <gtest/gtest.h>

// The drawing tests share one application object on the offscreen platform, for fonts.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
