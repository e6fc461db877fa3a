// GoogleTest main for suites that need a Qt application object: widgets,
// fonts, translators and events. Runs on the offscreen platform unless a
// display is asked for explicitly. Only the suites that listen (run with
// OLK_TEST_HEARS set) reach the sound server: every other one plays into no
// device at all, so no game's sounds or melody end up in what they hear.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

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
    const int result = RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsEmpty("OLK_TEST_HEARS")) {
        // Qt 6.4's PulseAudio engine is a static object, and freeing its main
        // loop at the end of the process can trip PulseAudio's own assertion
        // after every test has passed. A listening suite ends here instead.
        std::fflush(nullptr);
        std::_Exit(result);
    }
    return result;
}
