#include <gtest/gtest.h>

#include <QCoreApplication>

#include <clocale>

// Core tests run with a QCoreApplication, so code that pumps events or reads the
// locale through Qt behaves as in the program.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
