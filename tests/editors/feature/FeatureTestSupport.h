#pragma once
// Shared by the feature form tests: a default image, fake language texts and the check that a
// commit changed exactly the expected bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
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
inline feature::TextLookup fakeLookup() {
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

} // namespace tsw::test
