#include <gtest/gtest.h>

#include <set>

#include "app/CommandTable.h"

using namespace tsw;

TEST(CommandTable, EveryMenuCommandAppearsOnce) {
    std::set<int> seen;
    for (const auto& menu : mainMenus())
        for (const auto& item : menu.items)
            if (!item.isSeparator()) {
                EXPECT_TRUE(seen.insert(item.command).second) << item.command;
                EXPECT_NE(item.text, 0) << item.command;
            }
}

TEST(OpenEditorCount, ClampsAndTellsWhenTheMenuChanges) {
    struct Step {
        int before;
        int delta;
        int after;
        bool refresh;
    };
    const Step steps[] = {
        {0, +1, 1, true},   // the first editor brings the Window menu
        {1, +1, 2, false},  //
        {2, -1, 1, false},  // back to one by a removal: no refresh
        {1, -1, 0, true},   // the last one takes it away
        {8, +1, 9, false},  // 8 may still grow to 9
        {9, +1, 8, false},  // above 8: set to 8, change ignored
        {9, -1, 8, false},  //
        {-1, +1, 0, false}, // below 0: set to 0, change ignored
        {0, -1, -1, false}, // a removal at 0 goes below
    };
    for (const auto& s : steps) {
        OpenEditorCount c;
        c.set(s.before);
        const bool refresh = s.delta > 0 ? c.add() : c.remove();
        EXPECT_EQ(c.value(), s.after) << s.before << " " << s.delta;
        EXPECT_EQ(refresh, s.refresh) << s.before << " " << s.delta;
    }
}
