// Test main for the Qt-free suites: messages go to a recorder that tests can read.
#include "platform/Message.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    platform::MessageRecorder quietDefault; // no message reaches stderr unless a test asks
    return RUN_ALL_TESTS();
}
