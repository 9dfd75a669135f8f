#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>
#include <cstdlib>

// Widget tests need a QApplication; without a display they use the offscreen platform,
// also when the test binary is run by hand or listed by ctest.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
