#pragma once
// Counts a piece of work as under way for as long as the object lives: the counter goes up
// on construction and down on destruction, however the scope is left.

namespace tsw {

class ScopedCount {
public:
    explicit ScopedCount(int& count) : count_(count) { ++count_; }
    ~ScopedCount() { --count_; }
    ScopedCount(const ScopedCount&) = delete;
    ScopedCount& operator=(const ScopedCount&) = delete;

private:
    int& count_;
};

} // namespace tsw
