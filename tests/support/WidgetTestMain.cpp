#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run, without a display: CTest sets the
// platform for the runs, but not for listing the tests at build time.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
