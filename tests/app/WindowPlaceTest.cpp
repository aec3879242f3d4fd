#include <gtest/gtest.h>

#include "app/WindowPlace.h"

using namespace tsw::place;

TEST(WindowPlace, StoredPlacesReadBackOrNotAtAll) {
    struct Case {
        const char* text;
        std::optional<Rect> expected;
    };
    const Case cases[] = {
        {"10,20,300,200", Rect{10, 20, 300, 200}},
        {"-5,+7,1,1", Rect{-5, 7, 1, 1}},
        {"10,20,0,200", std::nullopt},     // no width
        {"10,20,300,-2", std::nullopt},    // negative height
        {"10,20,300", std::nullopt},       // three numbers
        {"10,20,300,200,5", std::nullopt}, // five
        {"10, 20,300,200", std::nullopt},  // blanks are not numbers
        {"10,20,300,2x", std::nullopt},
        {"", std::nullopt},
        {",,,", std::nullopt},
        {"99999999999,0,10,10", std::nullopt}, // beyond int
        {"2000000,0,10,10", std::nullopt},     // beyond any screen
        {"0,0,10,2000000", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseRect(c.text), c.expected) << c.text;
    const Rect r{-12, 34, 560, 78};
    EXPECT_EQ(parseRect(formatRect(r)), r);
}

TEST(WindowPlace, KeepInsideMovesThenShrinks) {
    const Rect area{0, 0, 800, 500};
    struct Case {
        Rect in, out;
    };
    const Case cases[] = {
        {{10, 10, 300, 200}, {10, 10, 300, 200}},       // inside already
        {{700, 450, 300, 200}, {500, 300, 300, 200}},   // off the right and bottom: moved in
        {{-50, -20, 300, 200}, {0, 0, 300, 200}},       // off the top left
        {{100, 100, 1200, 900}, {0, 0, 800, 500}},      // larger than the area: shrunk
        {{3000, 3000, 100, 100}, {700, 400, 100, 100}}, // the screen got smaller
    };
    for (const Case& c : cases)
        EXPECT_EQ(keepInside(c.in, area), c.out) << formatRect(c.in);
}

namespace {

// The buttons of a window: a strip along its bottom right corner.
Rect buttonsOf(const Rect& w) {
    return {w.right() - 170, w.bottom() - 34, 160, 28};
}

} // namespace

TEST(WindowPlace, NewWindowsCascadeClearOfTheButtonsOfOpenOnes) {
    const Rect area{0, 0, 1000, 700};
    NewWindow first{.area = area, .width = 400, .height = 300};
    EXPECT_EQ(placeNewWindow(first), (Rect{0, 0, 400, 300})) << "the first window: top left";

    // A smaller window cascades one step from the last one: it stays above the buttons.
    const Rect last{0, 0, 400, 300};
    NewWindow second{.area = area,
                     .width = 300,
                     .height = 200,
                     .open = {last},
                     .keepClear = {buttonsOf(last)},
                     .cascadeStep = 24};
    EXPECT_EQ(placeNewWindow(second), (Rect{24, 24, 300, 200}));

    // A window as large as the last one cascades on until it is clear of those buttons.
    NewWindow same = second;
    same.width = 400;
    same.height = 300;
    EXPECT_EQ(placeNewWindow(same), (Rect{13 * 24, 13 * 24, 400, 300}));

    // In a low workspace no cascade step is clear: it opens beside the last one.
    same.area = Rect{0, 0, 1000, 400};
    EXPECT_EQ(placeNewWindow(same), (Rect{400, 0, 400, 300}));

    // Too wide to go beside: below, if that fits.
    NewWindow wide = second;
    wide.width = 700;
    wide.height = 300;
    EXPECT_EQ(placeNewWindow(wide), (Rect{0, 300, 700, 300}));

    // Two windows open, the cascade from the last one blocked: beside it.
    const Rect large{0, 0, 500, 500};
    const Rect small{24, 24, 300, 250};
    NewWindow third{.area = area,
                    .width = 450,
                    .height = 400,
                    .open = {large, small},
                    .keepClear = {buttonsOf(large), buttonsOf(small)}};
    EXPECT_EQ(placeNewWindow(third), (Rect{324, 24, 450, 400}));
}

TEST(WindowPlace, EveryPlaceLiesInsideTheWorkspace) {
    const Rect area{0, 0, 800, 500};
    struct Case {
        const char* what;
        NewWindow window;
    };
    const Rect big{0, 0, 800, 500};
    const Case cases[] = {
        {"larger than the workspace", {.area = area, .width = 1400, .height = 900}},
        {"no place is clear: the first cascade step",
         {.area = area, .width = 800, .height = 500, .open = {big}, .keepClear = {buttonsOf(big)}}},
        {"remembered far away",
         {.area = area, .width = 300, .height = 200, .remembered = Rect{5000, 5000, 300, 200}}},
        {"remembered larger than the workspace",
         {.area = area, .width = 300, .height = 200, .remembered = Rect{-100, -100, 2000, 2000}}},
        {"last window off the workspace",
         {.area = area, .width = 300, .height = 200, .open = {Rect{900, 600, 300, 200}}}},
    };
    for (const Case& c : cases) {
        const Rect r = placeNewWindow(c.window);
        EXPECT_TRUE(area.contains(r)) << c.what << ": " << formatRect(r);
        EXPECT_FALSE(r.empty()) << c.what;
    }
}

TEST(WindowPlace, RememberedPlaceWinsUnlessItCoversButtons) {
    const Rect area{0, 0, 1000, 700};
    const Rect open{0, 0, 500, 400};
    NewWindow w{.area = area,
                .width = 300,
                .height = 200,
                .remembered = Rect{600, 100, 350, 250},
                .open = {open},
                .keepClear = {buttonsOf(open)}};
    EXPECT_EQ(placeNewWindow(w), (Rect{600, 100, 350, 250})) << "its own size and place";

    w.remembered = Rect{200, 300, 350, 250}; // now over the open window's buttons
    const Rect r = placeNewWindow(w);
    EXPECT_EQ(r.width, 350);
    EXPECT_EQ(r.height, 250);
    EXPECT_FALSE(r.intersects(buttonsOf(open)));
    EXPECT_EQ(r, (Rect{24, 24, 350, 250})) << "cascaded from the last window at its own size";
}
