#pragma once
// A SerialLink on a fake device and virtual clock, with a radio, fresh globals and a prompt
// that answers from a script (and fails the test when asked beyond it). LinkRig is one such
// set-up; table-driven tests make one per case, LinkFixture is one per test.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/ImageLayout.h"
#include "link/SerialLink.h"
#include "tests/support/FakeSerialDevice.h"

namespace tsw::test {

class StrictPrompt : public UserPrompt {
public:
    PromptAnswer ask(const Prompt& p) override {
        asked.push_back(p);
        if (onAsk)
            onAsk(p);
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted prompt " << p.textId;
            return p.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
        }
        const PromptAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<StringId> askedIds() const {
        std::vector<StringId> out;
        for (const auto& p : asked)
            out.push_back(p.textId);
        return out;
    }
    std::deque<PromptAnswer> answers;
    std::vector<Prompt> asked;
    std::function<void(const Prompt&)> onAsk; // e.g. the time a user takes to answer
};

// Texts as "<id>", so composed messages can be checked exactly.
inline std::string idText(StringId id) {
    return "<" + std::to_string(id) + ">";
}

// A SerialLink on its own fake device and virtual clock, with a radio whose image holds its
// identity, and the program's image equal to the radio's.
struct LinkRig {
    LinkRig() {
        link.setTextLookup(idText);
        link.setPortResolver([](int n) { return "/dev/fake" + std::to_string(n); });
        for (std::size_t i = 0; i < radio.identity.size(); ++i)
            radio.image.setByte(layout::kIdentity + i, radio.identity[i]);
        g.image = radio.image;
    }
    using Bytes = std::vector<std::uint8_t>;
    // Bytes of every write, in order.
    std::vector<Bytes> writes() const { return device.writes(); }

    VirtualClock clock;
    FakeSerialDevice device{clock};
    FakeRadio radio{device, clock};
    AppGlobals g;
    StrictPrompt prompt;
    SerialLink link{device, clock, prompt, g};
};

struct LinkFixture : ::testing::Test, LinkRig {};

inline std::vector<std::uint8_t> bytesOf(std::string_view s) {
    return {s.begin(), s.end()};
}

} // namespace tsw::test
