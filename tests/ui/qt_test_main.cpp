// Test entry for the window tests: one QApplication (offscreen) for all of them, on
// a 1920 × 1080 screen at 96 dpi, or on the screen KALVESTA_TEST_SCREEN names in
// tests/ui/screens (QT_SCALE_FACTOR scales either, as on a desktop), with a
// configuration folder of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    const QByteArray screen = qEnvironmentVariableIsEmpty("KALVESTA_TEST_SCREEN")
                                  ? QByteArray("1920x1080")
                                  : qgetenv("KALVESTA_TEST_SCREEN");
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" KALVESTA_SOURCE_DIR "/tests/ui/screens/" + screen + ".json");
    // As the program: the whole window scaled for the screen's resolution.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The recent files go to a configuration folder of the run's own, never the user's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
