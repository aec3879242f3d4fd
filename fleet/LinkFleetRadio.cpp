#include "fleet/LinkFleetRadio.h"

#include "app/TextTemplate.h"
#include "fields/ImageDiff.h"
#include "link/RadioInfo.h"
#include "link/Transfer.h"

namespace tsw::fleet {

namespace {

// The first field the radio holds otherwise, in the editors' words, after the heading.
std::string verifyFailure(SerialLink& link, const RadioImage& written, const VerifyResult& v) {
    std::string message = link.text(StrId::VerifyFailedHeading);
    const RadioImage held = heldAtWrittenOffsets(written, v.readBack);
    // Field names as labels, without their '&' marks.
    const auto label = [&link](StringId id) {
        std::string t = link.text(id);
        std::erase(t, '&');
        return t;
    };
    const auto lines = fields::diffImages(written, held, label);
    if (!lines.empty())
        message += " " + fillTemplate(link.text(StrId::VerifyFailedLine),
                                      {lines.front().field, lines.front().a, lines.front().b});
    if (lines.size() > 1)
        message += " " + fillTemplate(link.text(StrId::VerifyMoreDifferences),
                                      {std::to_string(lines.size() - 1)});
    return message;
}

} // namespace

RadioLook LinkFleetRadio::look() {
    RadioLook look;
    if (!runRadioInformation(lookLink_)) {
        look.result =
            lookLink_.globals().flags.portOpenFailed ? LookResult::PortFailed : LookResult::NoRadio;
        return look;
    }
    std::array<std::uint8_t, 12> serial = lookLink_.radioInfoSerial;
    look.result = LookResult::Radio;
    look.identity.serial = serialNumberText(lookLink_.radioInfoText, serial);
    look.identity.firmware = versionText(lookLink_.radioVersion);
    return look;
}

WriteReport LinkFleetRadio::writeAndVerify(const RadioImage& image) {
    Transfer transfer(writeLink_);
    TransferProgress progress;
    const WriteOutcome outcome =
        transfer.writeImageToRadio(progress, WriteRequest{.image = &image, .verify = true});
    WriteReport report;
    report.serial = transfer.radioSerial();
    switch (outcome) {
    case WriteOutcome::Verified:
        report.verified = true;
        break;
    case WriteOutcome::VerifyFailed:
        report.message = verifyFailure(writeLink_, image, transfer.verifyResult());
        break;
    case WriteOutcome::NotVerified:
        report.message = writeLink_.text(StrId::WriteNotVerified);
        break;
    case WriteOutcome::PartlyWritten:
        report.message = writeLink_.text(StrId::WriteLeftRadioMixed);
        break;
    case WriteOutcome::Written: // not asked for: every fleet write is read back
    case WriteOutcome::Unchanged:
        report.message = writeLink_.text(StrId::FleetRadioUnchanged);
        break;
    }
    return report;
}

} // namespace tsw::fleet
