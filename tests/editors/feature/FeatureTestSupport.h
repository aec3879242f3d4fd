#pragma once
// Shared by the feature form tests: a default image, fake language texts, the check that a
// commit changed exactly the expected bytes, and table runners for the cases every form has.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "app/DefaultImage.h"
#include "app/ModelTable.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "editors/feature/FieldTable.h"
#include "tests/support/TestSupport.h"

namespace tsw::test {

inline RadioImage defaultImage() {
    ModelIdentity id{};
    parseIdentityText(kDefaultIdentityText, id);
    RadioImage image;
    buildDefaultImage(image, id);
    return image;
}

inline RadioImage blankImage() {
    return RadioImage{};
} // 0xFF everywhere

// "Off", "All" and "None" for the texts the rules compare with; "#<id>" for the rest.
inline std::string fakeText(StringId id) {
    switch (id) {
    case StrId::OffText:
        return "Off";
    case StrId::AllText:
        return "All";
    case StrId::DtmfDCodeNone:
        return "None";
    default:
        return "#" + std::to_string(id);
    }
}
inline TextLookup fakeLookup() {
    return &fakeText;
}

// Offsets [first, first + count).
inline std::set<std::size_t> bytesAt(std::size_t first, std::size_t count = 1) {
    std::set<std::size_t> s;
    for (std::size_t i = 0; i < count; ++i)
        s.insert(first + i);
    return s;
}
inline std::set<std::size_t> unite(std::initializer_list<std::set<std::size_t>> parts) {
    std::set<std::size_t> all;
    for (const auto& p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

// Every byte that differs lies in `allowed`.
inline ::testing::AssertionResult changedOnlyWithin(const RadioImage& before,
                                                    const RadioImage& after,
                                                    const std::set<std::size_t>& allowed) {
    for (std::size_t at : differingOffsets(before, after))
        if (!allowed.count(at))
            return ::testing::AssertionFailure() << "byte 0x" << std::hex << at << " changed";
    return ::testing::AssertionSuccess();
}

// ---- Table runners: each case is one line of a table -----------------------------------

// A text typed into a row: the byte then stored at the row's first byte and the text shown.
struct TypedCase {
    int row;
    const char* typed;
    int stored;
    const char* shown;
};
// Commits each case (the row's byte set to `preset` first, unless -1) and checks the byte, the
// text shown back, the row's refresh and that nothing beyond the row's bytes changed.
inline void expectTyped(feature::FieldForm& form, RadioImage& image,
                        std::span<const TypedCase> cases, int preset = -1) {
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " typed '" << c.typed << "'");
        const feature::FieldRow& r = form.rows()[static_cast<std::size_t>(c.row)];
        if (preset >= 0)
            image.setByte(r.offset, static_cast<std::uint8_t>(preset));
        const RadioImage before = image;
        const feature::Commit commit = form.commitText(c.row, c.typed);
        EXPECT_EQ(image.byte(r.offset), c.stored);
        EXPECT_EQ(form.text(c.row), std::optional<std::string>(c.shown));
        EXPECT_TRUE(commit.shows(c.row));
        EXPECT_EQ(commit.message, 0);
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(r.offset, r.size)));
    }
}

// A spin click on a row holding `before` (-1: as it is) while its box shows `typed`.
struct StepCase {
    int row;
    const char* typed;
    int before;
    int direction;
    int after;
};
inline void expectSteps(feature::FieldForm& form, RadioImage& image,
                        std::span<const StepCase> cases) {
    for (const StepCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " from " << c.before << " typed '"
                                          << c.typed << "' " << c.direction);
        const feature::FieldRow& r = form.rows()[static_cast<std::size_t>(c.row)];
        if (c.before >= 0)
            image.setByte(r.offset, static_cast<std::uint8_t>(c.before));
        const RadioImage before = image;
        EXPECT_TRUE(form.step(c.row, c.direction, c.typed).shows(c.row));
        EXPECT_EQ(image.byte(r.offset), c.after);
        EXPECT_TRUE(changedOnlyWithin(before, image, bytesAt(r.offset, r.size)));
    }
}

// A stored byte and what the row then shows: a text (nullopt: the box is left alone) for an
// edit box, the selected index for a list.
struct ShownCase {
    int row;
    int stored;
    std::optional<std::string> shown;
};
struct ListCase {
    int row;
    int stored;
    int index;
};
inline void expectShown(feature::FieldForm& form, RadioImage& image,
                        std::span<const ShownCase> texts, std::span<const ListCase> lists = {}) {
    const auto set = [&](int row, int stored) {
        image.setByte(form.rows()[static_cast<std::size_t>(row)].offset,
                      static_cast<std::uint8_t>(stored));
    };
    for (const ShownCase& c : texts) {
        set(c.row, c.stored);
        EXPECT_EQ(form.text(c.row), c.shown) << "row " << c.row << " stored " << c.stored;
    }
    for (const ListCase& c : lists) {
        set(c.row, c.stored);
        EXPECT_EQ(form.listIndex(c.row), c.index) << "row " << c.row << " stored " << c.stored;
    }
}

} // namespace tsw::test
