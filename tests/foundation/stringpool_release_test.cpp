// ReleaseStringPool at the end of a run: the pooled blocks are freed and
// every later buffer comes from and goes back to the heap. A process of its
// own, since the pool stays closed.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/str.h"
#include "foundation/stringpool.h"

namespace {

TEST(StringPoolRelease, AfterTheReleaseStringsUseTheHeap) {
  static STRING survivor("made before the release");
  {
    std::vector<STRING> strings(10, STRING("pooled"));
  }
  EXPECT_GE(PooledStringBlocks(), 10);
  ReleaseStringPool();
  EXPECT_EQ(PooledStringBlocks(), 0);
  {
    std::vector<STRING> strings(10, STRING("heap"));
    EXPECT_EQ(strings[9].BufLen, 96);
    EXPECT_STREQ(strings[9].Buffer, "heap");
  }
  EXPECT_EQ(PooledStringBlocks(), 0) << "released blocks are freed";
  ReleaseStringPool();
  survivor.Append(" lives on");
  EXPECT_STREQ(survivor.Buffer, "made before the release lives on");
}

}  // namespace
