#include <gtest/gtest.h>

#include "app/TextTemplate.h"

using namespace tsw;

TEST(TextTemplate, FillsPlaceholdersInOrderAndNeverInterpretsOthers) {
    EXPECT_EQ(fillTemplate("Row %d: \"%s\"", {"7", "x"}), "Row 7: \"x\"");
    EXPECT_EQ(fillTemplate("100%% %s", {"done"}), "100% done");
    EXPECT_EQ(fillTemplate("%n %x %", {"a"}), "%n %x %");
    EXPECT_EQ(fillTemplate("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(fillTemplate("none", {"extra"}), "none");
    EXPECT_EQ(fillTemplate("%s", {"%d %s"}), "%d %s"); // arguments are not filled again
}
