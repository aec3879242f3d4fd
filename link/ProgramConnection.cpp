#include "link/ProgramConnection.h"

#include "app/ImageLayout.h"

namespace tsw {

namespace {

constexpr std::uint32_t kFirstAttemptTimeoutMs = 500;
constexpr std::uint32_t kLaterAttemptTimeoutMs = 100;
constexpr std::uint32_t kSecondReadTimeoutMs = 500;
constexpr std::uint32_t kIdentityPauseMs = 50;
constexpr std::uint32_t kPauseAfterReadMs = 250;

bool servedModel(const std::string& code) {
    for (std::string_view served : ProgramConnection::kModelCodeList) {
        if (served == "NULL")
            return false;
        if (served == code)
            return true;
    }
    return false;
}

} // namespace

bool ProgramConnection::secondHandshakeRead() {
    link_.setReadTimeout(kSecondReadTimeoutMs);
    std::uint8_t byte = 0;
    return link_.receiveBytes(&byte, 1) && byte == wire::kAck;
}

bool ProgramConnection::enterProgramMode() {
    const std::uint32_t rememberedTimeout = link_.readTimeoutConstant();
    const std::string& settings = link_.lineSettings();
    const std::size_t comma = settings.find(',');
    const std::string tail = comma == std::string::npos ? std::string{} : settings.substr(comma);

    for (std::size_t attempt = 0; attempt < kSearchBauds.size(); ++attempt) {
        link_.setLineSettings(std::string(kSearchBauds[attempt]) + tail);
        if (!link_.sendString(wire::kProgramHandshake)) {
            link_.setReadTimeout(rememberedTimeout);
            return false;
        }
        link_.setReadTimeout(attempt == 0 ? kFirstAttemptTimeoutMs : kLaterAttemptTimeoutMs);
        std::uint8_t byte = 0;
        const bool received = link_.receiveBytes(&byte, 1);
        bool found = false;
        if (attempt == 0)
            found = received && (byte == wire::kAck || secondHandshakeRead());
        else
            found = received && byte == wire::kSyn && secondHandshakeRead();
        if (found) {
            link_.setReadTimeout(kConnectionTimeoutsMs[attempt]);
            return true;
        }
    }
    link_.setReadTimeout(rememberedTimeout);
    return false;
}

bool ProgramConnection::readIdentity(std::span<std::uint8_t, wire::kIdentitySize> identity) {
    link_.delay(kIdentityPauseMs);
    const std::uint8_t request = wire::kIdentityRequest;
    return link_.exchangeData({&request, 1}, identity);
}

void ProgramConnection::abandon() {
    auto& flags = link_.globals().flags;
    flags.readingFromRadio = false;
    flags.writingToRadio = false;
    link_.sendEnd();
    link_.setOpen(false);
}

ModelCheck
ProgramConnection::checkModel(std::span<const std::uint8_t, wire::kIdentitySize> identity) {
    AppGlobals& g = link_.globals();
    link_.radioModelCode.assign(identity.begin(), identity.begin() + layout::kModelCodeLength);
    link_.radioTypeByte = identity[5];

    if (!servedModel(link_.radioModelCode)) {
        if (link_.ask(StrId::UnsupportedRadioModel, StrId::ErrorCaption, PromptIcon::Stop,
                      PromptButtons::RetryCancel, PromptAnswer::Retry) == PromptAnswer::Retry)
            return ModelCheck::ReadIdentityAgain;
        abandon();
        return ModelCheck::Abandoned;
    }
    if (g.flags.writingToRadio) {
        const RadioImage& image = imageToWrite_ ? *imageToWrite_ : g.image;
        bool same = true;
        for (std::size_t i = 0; i < layout::kModelCodeLength; ++i)
            same = same && image.byte(layout::kModelCode + i) == identity[i];
        if (!same &&
            link_.ask(StrId::ModelMismatchQuestion, StrId::ConfirmCaption, PromptIcon::Exclamation,
                      PromptButtons::OkCancel, PromptAnswer::Cancel) != PromptAnswer::Ok) {
            abandon();
            clearTransferFlags(g.flags);
            return ModelCheck::Abandoned;
        }
    }
    return ModelCheck::Accepted;
}

bool ProgramConnection::leaveProgramMode() {
    const std::uint8_t end = wire::kEnd;
    return link_.exchangeAck({&end, 1});
}

bool ProgramConnection::retryAfterFailure(std::uint32_t failedAtMs) {
    if (link_.askRetry() != PromptAnswer::Retry)
        return false;
    Clock& clock = link_.clockSource();
    const std::uint32_t waited = clock.tickMs() - failedAtMs;
    if (waited < kRetryPauseMs)
        link_.delay(kRetryPauseMs - waited);
    link_.purgeReceive();
    return true;
}

void ProgramConnection::closingSteps() {
    auto& flags = link_.globals().flags;
    if (readFromRadio_)
        link_.delay(kPauseAfterReadMs);
    flags.readingFromRadio = false;
    flags.writingToRadio = false;
    leaveProgramMode();
    clearTransferFlags(flags);
    link_.setOpen(false);
}

ConnectionEnd ProgramConnection::run(ConnectionMode mode,
                                     const std::function<bool()>& transferStep) {
    auto& flags = link_.globals().flags;
    const auto setModeFlag = [&] {
        (mode == ConnectionMode::Read ? flags.readingFromRadio : flags.writingToRadio) = true;
    };
    // A connection whose port does not open ends with the mode flag cleared: left set, it
    // would make the next transfer dialog open with every button disabled.
    const auto portOpened = [&] {
        if (link_.openPortForConnection())
            return true;
        flags.readingFromRadio = false;
        flags.writingToRadio = false;
        return false;
    };
    const auto now = [&] { return link_.clockSource().tickMs(); };
    readFromRadio_ = false;
    setModeFlag();
    if (!portOpened())
        return ConnectionEnd::PortFailed;
    while (!enterProgramMode()) {
        if (!retryAfterFailure(now())) {
            closingSteps();
            return ConnectionEnd::Cancelled;
        }
        setModeFlag();
        if (!portOpened())
            return ConnectionEnd::PortFailed;
    }
    while (true) {
        std::array<std::uint8_t, wire::kIdentitySize> identity{};
        if (!readIdentity(identity)) {
            if (!retryAfterFailure(now())) {
                closingSteps();
                return ConnectionEnd::Cancelled;
            }
            flags.retrying = true;
            continue;
        }
        const ModelCheck check = checkModel(identity);
        if (check == ModelCheck::ReadIdentityAgain) {
            flags.retrying = true;
            continue;
        }
        if (check == ModelCheck::Abandoned)
            return ConnectionEnd::Abandoned;
        if (mode == ConnectionMode::Read)
            readFromRadio_ = true;
        const bool done = transferStep();
        if (done || !retryAfterFailure(now())) {
            closingSteps();
            return done ? ConnectionEnd::Done : ConnectionEnd::Cancelled;
        }
        flags.retrying = true;
    }
}

} // namespace tsw
