#include "update/updatehost.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "configfolder.h"

namespace {

class UpdateHostTest : public ::testing::Test {
protected:
    SavedVariable saved_{"KOVRAL_UPDATE_HOST"};
};

TEST_F(UpdateHostTest, OnlyOneSelectsTheReserveHost)
{
    unsetenv("KOVRAL_UPDATE_HOST");
    EXPECT_EQ(UpdateHost(0), ProductUpdateHost);
    EXPECT_EQ(UpdateHost(1), ReserveUpdateHost);
    EXPECT_EQ(UpdateHost(2), ProductUpdateHost);
    EXPECT_EQ(UpdateHost(-1), ProductUpdateHost);
    EXPECT_NE(ProductUpdateHost, ReserveUpdateHost);
}

TEST_F(UpdateHostTest, EnvironmentReplacesBothHosts)
{
    setenv("KOVRAL_UPDATE_HOST", "127.0.0.1:8088", 1);
    EXPECT_EQ(UpdateHost(0), "127.0.0.1:8088");
    EXPECT_EQ(UpdateHost(1), "127.0.0.1:8088");

    setenv("KOVRAL_UPDATE_HOST", "", 1);
    EXPECT_EQ(UpdateHost(1), ReserveUpdateHost) << "an empty value replaces nothing";
}

}  // namespace
