#include "platform/jetsqlcache.h"

#include <gtest/gtest.h>

TEST(JetSqlCacheTest, KeepsRecentTextsAndDropsTheOldestGeneration)
{
    JetSqlCache cache(2);
    cache.Store("a", "A");
    cache.Store("b", "B");
    cache.Store("c", "C");  // a and b move to the older generation
    EXPECT_EQ(cache.Find("a"), "A");  // and a comes back to the newer one
    cache.Store("d", "D");  // the newer generation (c, a) is full: b is dropped
    EXPECT_EQ(cache.Find("b"), std::nullopt);
    EXPECT_EQ(cache.Find("a"), "A");
    EXPECT_EQ(cache.Find("c"), "C");
    EXPECT_EQ(cache.Find("d"), "D");
}
