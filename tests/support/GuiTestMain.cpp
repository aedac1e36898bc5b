#include <QGuiApplication>

#include <gtest/gtest.h>

// Logic that owns menu items (QActions) needs a QGuiApplication, not a display: CTest sets the
// offscreen platform for the runs, but not for listing the tests at build time.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
