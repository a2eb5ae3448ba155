// Runs every test in one process, with the application object the game itself uses.
#include "ui/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this binary without the tests' environment: never ask for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
