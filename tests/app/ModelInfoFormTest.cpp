#include <gtest/gtest.h>

#include <array>
#include <set>

#include "app/DefaultImage.h"
#include "app/ImageLayout.h"
#include "app/ModelInfoForm.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::layout;

namespace {

using Offsets = std::set<std::size_t>;

// The program knows one model; a second one shows what a change of model type writes.
constexpr std::array<ModelEntry, 5> kModels{{
    {"H5520", "HX-5520 (UHF)", "UHF:446 MHz", {}},
    {"Q7731", "Other", "", {}},
    {"H5521", "Third", "", {}},
    {"H5522", "Fourth", "", {}},
    {"H5523", "Fifth", "", {}},
}};

struct Fixture {
    explicit Fixture(int model = 0) {
        parseIdentityText(kDefaultIdentityText, g.identity);
        buildDefaultImage(g.image, g.identity);
        g.modelIndex = model;
        before = g.image;
    }
    Offsets changed() const {
        const auto diff = test::differingOffsets(before, g.image);
        return {diff.begin(), diff.end()};
    }
    AppGlobals g;
    RadioImage before;
};

} // namespace

TEST(ModelInfoForm, OpeningSetsTheModelGroupOfTheCurrentModel) {
    for (int model = 0; model < static_cast<int>(kModels.size()); ++model) {
        Fixture f(model);
        f.g.flags.modelGroup = model > 2; // the opposite of what opening sets
        ModelInfoForm form(f.g, kModels);
        EXPECT_EQ(f.g.flags.modelGroup, model <= 2) << model;
        EXPECT_EQ(form.selectedModel(), model);
        EXPECT_EQ(f.g.image, f.before) << "opening writes nothing";
    }
}

TEST(ModelInfoForm, ListsShowTheModelTable) {
    Fixture f;
    ModelInfoForm form(f.g);
    EXPECT_EQ(form.modelListEntries(), std::vector<std::string>{"HX-5520 (UHF)"});
    EXPECT_EQ(form.bandListEntries(), std::vector<std::string>{"446 MHz(E)(T)"});
    EXPECT_EQ(form.selectedModel(), 0);
    EXPECT_EQ(form.selectedBand(), 0);
}

TEST(ModelInfoForm, BandChoiceWritesOnlyTheBandCode) {
    struct Case {
        const char* name;
        std::uint8_t bandCode;
        int index;
        bool written;
        Offsets changed;
    };
    const Case cases[] = {
        {"from 0x93", 0x93, 0, true, {kBandCode}},      {"already 0x92", 0x92, 0, true, {}},
        {"any other code", 0x00, 0, true, {kBandCode}}, {"no entry", 0x93, -1, false, {}},
        {"past the list", 0x93, 1, false, {}},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.g.image.setByte(kBandCode, c.bandCode);
        f.before = f.g.image;
        const ModelIdentity identity = f.g.identity;
        ModelInfoForm form(f.g, kModels);
        EXPECT_EQ(form.chooseBand(c.index), c.written) << c.name;
        EXPECT_EQ(f.changed(), c.changed) << c.name;
        if (c.written) {
            EXPECT_EQ(f.g.image.byte(kBandCode), 0x92) << c.name;
        }
        EXPECT_EQ(f.g.identity, identity) << c.name << ": the identity buffer keeps its bytes";
        EXPECT_FALSE(form.modelChanged()) << c.name;
    }
}

TEST(ModelInfoForm, ModelChoiceWritesCodeIdentityByteAndBandCode) {
    struct Case {
        const char* name;
        int index;
        std::uint8_t byte6Before, byte6After;
    };
    const Case cases[] = {
        {"default identity", 1, 0xF3, 0xF3},
        {"bit 2 set, bits 0-1 clear", 1, 0xFC, 0xFB},
        {"all clear", 1, 0x00, 0x03},
        {"all set", 1, 0xFF, 0xFB},
    };
    const Offsets codeBytes = {kModelCode, kModelCode + 1, kModelCode + 2, kModelCode + 3,
                               kModelCode + 4};
    for (const Case& c : cases) {
        Fixture f;
        f.g.image.setByte(kIdentityByte6, c.byte6Before);
        f.before = f.g.image;
        ModelInfoForm form(f.g, kModels);
        ASSERT_TRUE(form.chooseModel(c.index)) << c.name;
        Offsets expected = codeBytes;
        expected.insert(kBandCode);
        if (c.byte6After != c.byte6Before)
            expected.insert(kIdentityByte6);
        EXPECT_EQ(f.changed(), expected) << c.name;
        EXPECT_EQ(f.g.image.byte(kIdentityByte6), c.byte6After) << c.name;
        EXPECT_EQ(f.g.image.byte(kBandCode), 0x93) << c.name;
        for (std::size_t i = 0; i < kModelCodeLength; ++i) {
            EXPECT_EQ(f.g.image.byte(kModelCode + i), "Q7731"[i]) << c.name;
            EXPECT_EQ(f.g.identity[i], "Q7731"[i]) << c.name;
        }
        EXPECT_EQ(f.g.identity[5], 0x92) << c.name << ": the buffer takes the code only";
        EXPECT_EQ(f.g.modelIndex, c.index);
        EXPECT_FALSE(f.g.flags.modelGroup) << c.name;
        EXPECT_TRUE(form.modelChanged()) << c.name;
    }
}

TEST(ModelInfoForm, TheSameModelOrNoModelChangesNothing) {
    for (const int index : {0, -1, static_cast<int>(kModels.size())}) {
        Fixture f;
        ModelInfoForm form(f.g, kModels);
        EXPECT_FALSE(form.chooseModel(index)) << index;
        EXPECT_EQ(f.g.image, f.before) << index;
        EXPECT_EQ(f.g.modelIndex, 0) << index;
        EXPECT_TRUE(f.g.flags.modelGroup) << index;
        EXPECT_FALSE(form.modelChanged()) << index;
    }
}

TEST(ModelInfoForm, RestorePutsBackEverythingChangedSinceOpening) {
    Fixture f;
    const ModelIdentity identity = f.g.identity;
    ModelInfoForm form(f.g, kModels);
    form.chooseModel(1);
    form.chooseBand(0);
    f.g.image.setByte(0x123, 0x00); // any byte changed meanwhile goes back too
    f.g.image.setByte(0x3FF, 0x12);
    form.restore();
    EXPECT_EQ(f.g.image, f.before);
    EXPECT_EQ(f.g.identity, identity);
    EXPECT_EQ(f.g.modelIndex, 0);
    EXPECT_TRUE(f.g.flags.modelGroup) << "the group of the model it went back to";
    EXPECT_FALSE(form.modelChanged());
}
