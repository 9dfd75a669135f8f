#include <gtest/gtest.h>

#include "platform/tapplication.h"

#include <clocale>
#include <cstdlib>

// Widget tests run under the program's own application object, so an exception that
// escapes an event handler is shown through the message hook as in the program.
// Without a display they use the offscreen platform, also when the test binary is run
// by hand or listed by ctest.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
