// Test main for suites that need Qt: an offscreen QApplication and a message recorder.
#include "platform/Message.h"

#include <QApplication>

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    platform::MessageRecorder quietDefault;
    return RUN_ALL_TESTS();
}
