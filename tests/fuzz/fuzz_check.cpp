// Arbitrary images (from files and radios nobody vouches for) through Check Configuration and
// the comparison: neither may crash, every finding names a field and says something, errors
// come before warnings, and an image compared with itself has no difference.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/RadioImage.h"
#include "fields/ConfigurationCheck.h"
#include "fields/ImageDiff.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::check;

using namespace tsw;

std::string fakeText(StringId id) {
    return id == StrId::OffText ? "Off" : "text %s %s %s %s";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, size == 0 ? 0xFF : data[i % size]);
    const auto findings = fields::checkConfiguration(image, &fakeText);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        check(!findings[i].name.empty() && !findings[i].message.empty());
        check(findings[i].field.offset + findings[i].field.size <= kImageSize);
        if (i > 0)
            check(!(findings[i - 1].severity == fields::Severity::Warning &&
                    findings[i].severity == fields::Severity::Error));
    }
    check(fields::diffImages(image, image, &fakeText).empty());
    return 0;
}
