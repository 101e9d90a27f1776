#include "core/embedded_files.h"

#include <gtest/gtest.h>

TEST(EmbeddedFiles, UnknownNameIsEmpty) {
  EXPECT_TRUE(vexlo::EmbeddedFile("no/such/file.txt").empty());
}
