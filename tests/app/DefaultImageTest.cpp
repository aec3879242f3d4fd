#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "tests/support/TestSupport.h"

using namespace tsw;

namespace {
ModelIdentity defaultIdentity() {
    ModelIdentity id{};
    EXPECT_TRUE(parseIdentityText(kDefaultIdentityText, id));
    return id;
}
} // namespace

TEST(DefaultImage, MatchesTheHandTranscribedGoldenImage) {
    RadioImage image;
    image.fill(0x00); // every byte must be written, none left over
    buildDefaultImage(image, defaultIdentity());
    const RadioImage golden = test::readHexImage(test::testDataPath("default_image.hex"));
    const auto diff = test::differingOffsets(golden, image);
    EXPECT_TRUE(diff.empty()) << "first differing offset 0x" << std::hex
                              << (diff.empty() ? 0 : diff[0]);
}

TEST(DefaultImage, KeepsTheGivenIdentity) {
    ModelIdentity id{'H', '5', '5', '2', '0', 0x93, 0x07, 0x01};
    RadioImage image;
    buildDefaultImage(image, id);
    for (std::size_t i = 0; i < id.size(); ++i)
        EXPECT_EQ(image.byte(layout::kIdentity + i), id[i]);
}

TEST(DefaultImage, NewKeepsIdentityAndNamesTheFile) {
    AppGlobals g;
    g.identity = {'H', '5', '5', '2', '0', 0x93, 0x03, 0xFF};
    g.image.fill(0x00);
    markSaved(g);
    resetImageToDefaults(g);
    EXPECT_EQ(g.image.byte(layout::kBandCode), 0x93);
    EXPECT_EQ(g.image.byte(0x000), 0xFF);
    EXPECT_EQ(g.image.byte(0x1DC), 0xFF);
    EXPECT_TRUE(hasUnsavedChanges(g)); // New does not mark saved
    markSaved(g);
    EXPECT_FALSE(hasUnsavedChanges(g));
    g.image.setByte(0x3FF, 0x00);
    EXPECT_TRUE(hasUnsavedChanges(g));
}

TEST(DefaultImage, AChosenModelKeepsTheIdentityTheDialogWrote) {
    AppGlobals g;
    g.identity = {'H', '5', '5', '2', '0', 0x92, 0x03, 0xFF};
    resetImageToDefaults(g);
    const ModelIdentity chosen{'H', '5', '5', '2', '0', 0x93, 0x07, 0xFF};
    for (std::size_t i = 0; i < chosen.size(); ++i)
        g.image.setByte(layout::kIdentity + i, chosen[i]);
    g.image.setByte(0x010, 0x12); // an unsaved edit: the new model's defaults replace it
    resetImageForChosenModel(g);
    EXPECT_EQ(g.identity, chosen);
    for (std::size_t i = 0; i < chosen.size(); ++i)
        EXPECT_EQ(g.image.byte(layout::kIdentity + i), chosen[i]);
    EXPECT_EQ(g.image.byte(0x010), 0x25);
    EXPECT_FALSE(hasUnsavedChanges(g));
}

TEST(AppGlobals, TakingOverIdentityCopiesTheImageBytes) {
    AppGlobals g;
    const ModelIdentity fromFile{'H', '5', '5', '2', '0', 0x93, 0x0B, 0x00};
    for (std::size_t i = 0; i < fromFile.size(); ++i)
        g.image.setByte(layout::kIdentity + i, fromFile[i]);
    takeOverIdentity(g);
    EXPECT_EQ(g.identity, fromFile);
    EXPECT_EQ(g.modelIndex, 0);
    EXPECT_FALSE(g.narrowStepsOnly); // the single model entry never restricts the steps
}
