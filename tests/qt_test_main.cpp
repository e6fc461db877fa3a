// GoogleTest main for suites that need a Qt application object: widgets,
// fonts, translators and events. Runs on the offscreen platform unless a
// display is asked for explicitly. Only the suites that listen (run with
// OLK_TEST_HEARS set) reach the sound server: every other one plays into no
// device at all, so no game's sounds or melody end up in what they hear.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("OLK_TEST_HEARS")) {
        qputenv("PULSE_SERVER", "unix:/nonexistent/olk-no-sound");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
