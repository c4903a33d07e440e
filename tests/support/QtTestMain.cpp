// QtTestMain.cpp — the main of every test program that shows windows: a QApplication on the
// offscreen platform and the dialogs wrapper in test mode, so no test needs a display or blocks on a
// message box.
#include <gtest/gtest.h>

#include <QApplication>

#include "editor/Dialogs.h"

int main(int argc, char** argv)
{
    // Test discovery runs the binary without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kelpie::Dialogs::SetTestMode(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
