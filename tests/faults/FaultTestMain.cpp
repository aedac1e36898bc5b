#include "faults/PrivateMounts.h"

#include <QApplication>

#include <gtest/gtest.h>

// As the widget tests' main, but the mount namespace comes first: it must be entered while the
// process has a single thread.
int main(int argc, char **argv)
{
    PrivateMounts::enter();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
