#pragma once
// Helpers shared by the tests: temporary folders, data files, hex images, scripted prompts.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "app/RadioImage.h"
#include "app/UserPrompt.h"

namespace tsw::test {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string testDataPath(const std::string& name); // a file under tests/data
std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);
std::string readText(const std::filesystem::path& path);
// How often `what` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& what);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void writeText(const std::filesystem::path& path, const std::string& text);

// Reads a hex dump of "OFF: XX XX ..." lines ('#' lines are comments) into an image.
RadioImage readHexImage(const std::string& path);

// The image New gives, with the default identity ("H5520").
RadioImage defaultRadioImage();
// Every byte distinct from its neighbours (i * 7 + 3): a misplaced byte shows.
RadioImage patternImage();

// Offsets at which two images differ.
std::vector<std::size_t> differingOffsets(const RadioImage& a, const RadioImage& b);

// Answers prompts from a script, in order, and records what was asked. An empty script
// answers with the prompt's default answer.
class ScriptedPrompt : public UserPrompt {
public:
    ScriptedPrompt() = default;
    explicit ScriptedPrompt(std::deque<PromptAnswer> answers) : answers_(std::move(answers)) {}
    PromptAnswer ask(const Prompt& prompt) override;
    void push(PromptAnswer a) { answers_.push_back(a); }
    std::vector<Prompt> asked;

private:
    std::deque<PromptAnswer> answers_;
};

} // namespace tsw::test
