#include "update/updatehost.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "configfolder.h"

namespace {

TEST(UpdateHostTest, OnlyOneSelectsTheReserveHostAndTheEnvironmentReplacesBoth)
{
    SavedVariable saved("KOVRAL_UPDATE_HOST");
    unsetenv("KOVRAL_UPDATE_HOST");
    EXPECT_EQ(UpdateHost(1), ReserveUpdateHost);
    for (int other : {0, 2, -1})
        EXPECT_EQ(UpdateHost(other), ProductUpdateHost);

    setenv("KOVRAL_UPDATE_HOST", "", 1);
    EXPECT_EQ(UpdateHost(1), ReserveUpdateHost) << "an empty value replaces nothing";
    setenv("KOVRAL_UPDATE_HOST", "127.0.0.1:8088", 1);
    EXPECT_EQ(UpdateHost(0), "127.0.0.1:8088");
    EXPECT_EQ(UpdateHost(1), "127.0.0.1:8088");
}

TEST(UpdateHostTest, OnlyItsOwnVariableReplacesTheWebHost)
{
    SavedVariable savedUpdate("KOVRAL_UPDATE_HOST");
    SavedVariable savedWeb("KOVRAL_WEB_HOST");
    unsetenv("KOVRAL_WEB_HOST");
    setenv("KOVRAL_UPDATE_HOST", "127.0.0.1:8088", 1);
    EXPECT_EQ(WebHost(), ProductWebHost);
    setenv("KOVRAL_WEB_HOST", "127.0.0.1:8089", 1);
    EXPECT_EQ(WebHost(), "127.0.0.1:8089");
    EXPECT_EQ(UpdateHost(0), "127.0.0.1:8088");
}

}  // namespace
