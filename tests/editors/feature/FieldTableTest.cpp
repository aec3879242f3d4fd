#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "app/ImageLayout.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/ScanForm.h"
#include "tests/editors/feature/FeatureTestSupport.h"

using namespace tsw;
using namespace tsw::feature;

namespace {

using Bytes = std::set<std::size_t>;

Bytes rowBytes(const FieldRow& r) {
    return r.size ? test::bytesAt(r.offset, r.size) : Bytes{};
}

struct FormCase {
    const char* name;
    std::function<std::unique_ptr<FieldForm>(RadioImage&)> make;
    std::map<int, Bytes> coupled; // bytes a row may change beyond its own
};

std::vector<FormCase> formCases() {
    const auto text = test::fakeLookup();
    return {
        {"features", [text](RadioImage& i) { return std::make_unique<FeatureForm>(i, text); }, {}},
        {"scan",
         [](RadioImage& i) { return std::make_unique<ScanForm>(i); },
         {{scan::Priority, test::bytesAt(layout::kScanPriority, 5)}}},
        {"dtmf",
         [text](RadioImage& i) { return std::make_unique<DtmfForm>(i, text); },
         {{dtmf::StunCode, test::bytesAt(layout::kDtmfStunType)}}},
        {"crewlink",
         [text](RadioImage& i) { return std::make_unique<CrewLinkForm>(i, text); },
         {{crew::OwnFleet, test::bytesAt(layout::kCrewOwnFleet, 3)},
          {crew::OwnId, test::bytesAt(layout::kCrewOwnFleet, 3)}}},
    };
}

std::vector<RadioImage> startImages() {
    RadioImage busy = test::defaultImage();
    busy.setByte(layout::kScanPriority, 1);
    busy.setByte(layout::kFeatVoxFunction, 1);
    busy.setByte(layout::kFeatScramblerActivation, 0);
    busy.setByte(layout::kDtmfStunCode, '1');
    return {test::defaultImage(), test::blankImage(), busy};
}

// Every way a view can commit to a row changes that row's bytes and nothing else (apart from
// the couplings the forms define).
TEST(FieldForms, EveryCommitChangesOnlyItsOwnRowsBytes) {
    const char* const texts[] = {"",    "0",    "1",   "7", "15",  "99",  "349",
                                 "999", "5000", "1.5", "A", "A1#", "Off", "1234567890123"};
    for (const FormCase& fc : formCases())
        for (const RadioImage& start : startImages()) {
            RadioImage image = start;
            auto form = fc.make(image);
            for (int row = 0; row < static_cast<int>(form->rows().size()); ++row) {
                SCOPED_TRACE(std::string(fc.name) + " row " + std::to_string(row));
                Bytes allowed = rowBytes(form->rows()[static_cast<std::size_t>(row)]);
                if (auto it = fc.coupled.find(row); it != fc.coupled.end())
                    allowed.insert(it->second.begin(), it->second.end());
                const auto check = [&](const RadioImage& before, const char* what) {
                    EXPECT_TRUE(test::changedOnlyWithin(before, image, allowed)) << what;
                };
                for (const char* t : texts) {
                    RadioImage before = image;
                    form->commitText(row, t);
                    check(before, t);
                    before = image;
                    form->step(row, +1, t);
                    form->step(row, -1, t);
                    check(before, "step");
                }
                for (int index = -1; index < 8; ++index) {
                    const RadioImage before = image;
                    form->commitList(row, index);
                    check(before, "list");
                }
                for (bool on : {true, false}) {
                    const RadioImage before = image;
                    form->commitCheck(row, on);
                    check(before, "check");
                }
            }
        }
}

TEST(FieldForms, ListEntriesAndSelectionsAgree) {
    for (const FormCase& fc : formCases()) {
        RadioImage image = test::defaultImage();
        auto form = fc.make(image);
        for (int row = 0; row < static_cast<int>(form->rows().size()); ++row) {
            const bool isList = form->rows()[static_cast<std::size_t>(row)].kind == FieldKind::List;
            EXPECT_EQ(!form->listEntries(row).empty(), isList) << fc.name << " row " << row;
            for (int index = 0; isList && index < static_cast<int>(form->listEntries(row).size());
                 ++index) {
                if (!form->enabled(row))
                    break;
                form->commitList(row, index);
                EXPECT_EQ(form->listIndex(row), index) << fc.name << " row " << row;
            }
        }
    }
}

} // namespace
