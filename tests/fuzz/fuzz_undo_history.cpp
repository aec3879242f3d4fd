// Random sequences of changes, undo, redo, replaced files, saves and clears against the undo
// history. A plain model keeps the oldest state and the remaining steps as lists of byte
// writes; after every operation the history's state must equal the oldest state with the
// steps up to the current one replayed, and its counts and unsaved-changes test must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/UndoHistory.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::check;

struct Write {
    std::size_t offset;
    std::uint8_t value;
};

struct Step {
    std::vector<Write> writes;
    int document; // the document of the state this step leads to
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Model {
    tsw::RadioImage base;
    int baseDocument = 0;
    std::vector<Step> steps;
    std::size_t current = 0;
    std::vector<tsw::RadioImage> saved; // per document

    tsw::RadioImage image() const {
        tsw::RadioImage image = base;
        for (std::size_t i = 0; i < current; ++i)
            for (const Write& w : steps[i].writes)
                image.setByte(w.offset, w.value);
        return image;
    }
    int document() const { return current == 0 ? baseDocument : steps[current - 1].document; }

    void push(Step step, std::size_t limit) {
        steps.resize(current);
        steps.push_back(std::move(step));
        if (steps.size() > limit) { // the oldest step becomes part of the oldest state
            for (const Write& w : steps.front().writes)
                base.setByte(w.offset, w.value);
            baseDocument = steps.front().document;
            steps.erase(steps.begin());
        }
        current = steps.size();
    }
};

std::vector<Write> readWrites(Input& in) {
    std::vector<Write> writes(in.next() % 4);
    for (Write& w : writes) {
        const std::size_t high = in.next();
        w.offset = ((high << 8) | in.next()) % tsw::kImageSize;
        w.value = in.next();
    }
    return writes;
}

tsw::DocumentInfo documentInfo(int id, const tsw::RadioImage& saved) {
    return {"file" + std::to_string(id) + ".dat", {}, {}, saved};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::size_t limit = 1 + in.next() % 8;
    Model model;
    model.saved.push_back(model.base);
    tsw::UndoHistory history({model.base, {}}, documentInfo(0, model.base), limit);
    while (in.more()) {
        switch (in.next() % 8) {
        case 0:
        case 1:
        case 2: { // a change in the current document
            Step step{readWrites(in), model.document()};
            tsw::RadioImage after = model.image();
            for (const Write& w : step.writes)
                after.setByte(w.offset, w.value);
            const bool recorded = history.record({after, {}}, {});
            check(recorded == !(after == model.image()));
            if (recorded)
                model.push(std::move(step), limit);
            break;
        }
        case 3:
            check(history.undo() == (model.current > 0));
            if (model.current > 0)
                --model.current;
            break;
        case 4:
            check(history.redo() == (model.current < model.steps.size()));
            if (model.current < model.steps.size())
                ++model.current;
            break;
        case 5: { // a command replaced the file, saved as it is
            Step step{readWrites(in), static_cast<int>(model.saved.size())};
            tsw::RadioImage after = model.image();
            for (const Write& w : step.writes)
                after.setByte(w.offset, w.value);
            model.saved.push_back(after);
            history.recordNewDocument({after, {}}, {}, documentInfo(step.document, after));
            model.push(std::move(step), limit);
            break;
        }
        case 6:
            history.clear();
            model.base = model.image();
            model.baseDocument = model.document();
            model.steps.clear();
            model.current = 0;
            break;
        case 7: { // save
            tsw::DocumentInfo d = history.document();
            d.savedCopy = history.current().image;
            history.updateDocument(d);
            model.saved[static_cast<std::size_t>(model.document())] = model.image();
            break;
        }
        }
        check(history.current().image == model.image());
        check(history.undoCount() == model.current);
        check(history.redoCount() == model.steps.size() - model.current);
        check(history.undoCount() <= limit);
        check(history.document().fileName == documentInfo(model.document(), {}).fileName);
        check(history.isModified() ==
              !(model.image() == model.saved[static_cast<std::size_t>(model.document())]));
    }
    return 0;
}
