#include "app/UndoHistory.h"

#include <algorithm>
#include <iterator>

namespace tsw {

UndoHistory::UndoHistory(EditState initial, DocumentInfo document, std::size_t limit)
    : limit_(std::max<std::size_t>(limit, 1)) {
    reset(initial, std::move(document));
}

void UndoHistory::clear() {
    Node keep = std::move(nodes_[current_]);
    keep.label = {};
    nodes_.clear();
    nodes_.push_back(std::move(keep));
    current_ = 0;
}

void UndoHistory::reset(const EditState& state, DocumentInfo document) {
    nodes_.clear();
    nodes_.push_back({state, {}, std::make_shared<DocumentInfo>(std::move(document))});
    current_ = 0;
}

void UndoHistory::push(Node node) {
    nodes_.erase(std::next(nodes_.begin(), static_cast<std::ptrdiff_t>(current_ + 1)),
                 nodes_.end());
    nodes_.push_back(std::move(node));
    while (nodes_.size() > limit_ + 1)
        nodes_.pop_front();
    current_ = nodes_.size() - 1;
}

bool UndoHistory::record(const EditState& state, StepLabel label) {
    if (state == current())
        return false;
    push({state, label, nodes_[current_].document});
    return true;
}

void UndoHistory::recordNewDocument(const EditState& state, StepLabel label,
                                    DocumentInfo document) {
    push({state, label, std::make_shared<DocumentInfo>(std::move(document))});
}

bool UndoHistory::undo() {
    if (!canUndo())
        return false;
    --current_;
    return true;
}

bool UndoHistory::redo() {
    if (!canRedo())
        return false;
    ++current_;
    return true;
}

std::optional<UndoHistory::Step> UndoHistory::nextUndo() const {
    if (!canUndo())
        return std::nullopt;
    const Node& after = nodes_[current_];
    return Step{after.label, nodes_[current_ - 1].state, after.state};
}

std::optional<UndoHistory::Step> UndoHistory::nextRedo() const {
    if (!canRedo())
        return std::nullopt;
    const Node& after = nodes_[current_ + 1];
    return Step{after.label, nodes_[current_].state, after.state};
}

} // namespace tsw
