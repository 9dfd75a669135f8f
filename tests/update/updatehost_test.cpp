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

}  // namespace
