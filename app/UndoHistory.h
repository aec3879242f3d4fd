#pragma once
// The history of the configuration being edited, for Undo and Redo: a line of whole states
// (the 1 KiB image and the model identity), one state per user action, each step between two
// states labelled.
//
//   s0 --a--> s1 --b--> s2 --c--> s3
//                        ^ current: Undo goes back over b, Redo forward over c
//
// A new change after an undo drops the steps that could have been redone. At most `limit`
// steps are kept; when one more is recorded the oldest state is dropped.
//
// Each state belongs to a document: the file the image was opened from or saved to, with that
// file's saved copy. Open, New and Read from Radio start a new document; undoing them brings the
// earlier document back with its file name and saved copy, so that the unsaved-changes test and
// Save speak of the file the image on screen belongs to. Save and Save As update the document
// of the current state, which every state of the same document shares.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/ModelTable.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"

namespace tsw {

// What the history keeps of the configuration at one point.
struct EditState {
    RadioImage image;
    ModelIdentity identity{};
    bool operator==(const EditState&) const = default;
};

// The name of one step: a language text, or (text 0) the fields that the step changed. A step
// named by its fields may say which bytes the user edited (the table entry whose change also
// went into nine channels): only those bytes then name it.
struct StepLabel {
    StringId text = 0;
    std::uint16_t focusOffset = 0;
    std::uint16_t focusSize = 0; // 0: the whole image
    bool operator==(const StepLabel&) const = default;
};

// The file a state belongs to.
struct DocumentInfo {
    std::string fileName;  // name and extension
    std::string filePath;  // full path of the last file chosen in a dialog
    std::string directory; // with a trailing separator
    RadioImage savedCopy;  // the image as last opened, saved or read
    bool operator==(const DocumentInfo&) const = default;
};

class UndoHistory {
public:
    static constexpr std::size_t kDefaultLimit = 1000;

    explicit UndoHistory(EditState initial = {}, DocumentInfo document = {},
                         std::size_t limit = kDefaultLimit);

    // Forgets every step; the current state, in its document, is the only one left.
    void clear();
    // Starts again from `state` in `document`, with no step.
    void reset(const EditState& state, DocumentInfo document);

    // A change in the current document: `state` follows the current state under `label`, and
    // the steps that could have been redone are dropped. Returns false (nothing recorded) when
    // `state` equals the current state.
    bool record(const EditState& state, StepLabel label);
    // A command that replaced the configuration (Open, New, Read from Radio): `state` follows
    // in a document of its own, even when its image equals the current one.
    void recordNewDocument(const EditState& state, StepLabel label, DocumentInfo document);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < nodes_.size(); }
    // Each moves one step and returns true, or returns false where there is none.
    bool undo();
    bool redo();

    struct Step {
        const StepLabel& label;
        const EditState& before;
        const EditState& after;
    };
    // The step that Undo (Redo) would take back (bring back).
    std::optional<Step> nextUndo() const;
    std::optional<Step> nextRedo() const;

    const EditState& current() const { return nodes_[current_].state; }
    const DocumentInfo& document() const { return *nodes_[current_].document; }
    // Save and Save As: the current document has a new name or saved copy.
    void updateDocument(const DocumentInfo& document) { *nodes_[current_].document = document; }
    // The unsaved-changes test of the current state: its image differs from its document's
    // saved copy.
    bool isModified() const { return !(current().image == document().savedCopy); }

    std::size_t undoCount() const { return current_; }
    std::size_t redoCount() const { return nodes_.size() - current_ - 1; }
    std::size_t limit() const { return limit_; }

private:
    struct Node {
        EditState state;
        StepLabel label; // of the step that led here (unused for the first node)
        std::shared_ptr<DocumentInfo> document;
    };
    void push(Node node);

    std::deque<Node> nodes_;
    std::size_t current_ = 0;
    std::size_t limit_;
};

} // namespace tsw
