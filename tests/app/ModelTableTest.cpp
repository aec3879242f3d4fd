#include <gtest/gtest.h>

#include "app/ModelTable.h"

using namespace tsw;

TEST(ModelTable, IdentityTextParsing) {
    struct Case {
        const char* text;
        bool ok;
        ModelIdentity expected;
    };
    const Case cases[] = {
        {"48:35:35:32:30:92:F3:FF", true, {0x48, 0x35, 0x35, 0x32, 0x30, 0x92, 0xF3, 0xFF}},
        {"48:35:35:32:30:92:f3:ff", true, {0x48, 0x35, 0x35, 0x32, 0x30, 0x92, 0xF3, 0xFF}},
        {"48:35:35:32:30:92:F3", false, {}},
        {"48:35:35:32:30:92:F3:FF:00", false, {}},
        {"48-35-35-32-30-92-F3-FF", false, {}},
        {"48:35:35:32:5:92:F3:FF", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        ModelIdentity out{};
        EXPECT_EQ(parseIdentityText(c.text, out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.expected) << c.text;
        }
    }
}

TEST(ModelTable, EveryIdentityIsAcceptedAndNarrowStepsNeedAModelEntryAboveZero) {
    EXPECT_EQ(lookupModel({'X', 'X', 'X', 'X', 'X', 0, 0, 0}), 0);
    EXPECT_EQ(lookupBand({0, 0, 0, 0, 0, 0x55, 0, 0}), 0);
    EXPECT_FALSE(narrowStepsOnly(0, 0x03));
    EXPECT_TRUE(narrowStepsOnly(1, 0x0B));
    EXPECT_FALSE(narrowStepsOnly(1, 0x02));
}
