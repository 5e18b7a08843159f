// Test main for suites that need Qt: an offscreen QApplication and a message recorder.
#include "platform/Message.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    // What the program keeps between runs (the recent layouts) stays in a folder of the run's own.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    testing::InitGoogleTest(&argc, argv);
    platform::MessageRecorder quietDefault;
    return RUN_ALL_TESTS();
}
