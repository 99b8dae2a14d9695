#include "widgets/base/placement.h"

#include <gtest/gtest.h>

TEST(Placement, OnlyMaximisedSurvivesAsStored) {
  const int stored[] = {1, 3, 0, 2, 6, 7, -1, 99};
  const int opens[] = {1, 3, 1, 1, 1, 1, 1, 1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(OpenShowCmd(stored[i]), opens[i]) << stored[i];
}
