#include <gtest/gtest.h>

#include "engine/quiz.h"

TEST(Engine, Placeholder) { EXPECT_EQ(engine::formatNumber(-5), "-5"); }
