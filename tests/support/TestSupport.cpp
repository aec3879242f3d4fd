#include "tests/support/TestSupport.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "app/DefaultImage.h"

namespace tsw::test {

TempDir::TempDir() {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("tsw62m-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string testDataPath(const std::string& name) {
    return std::string(TSW_TEST_DATA_DIR) + "/" + name;
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::filesystem::path& path) {
    const auto bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

RadioImage readHexImage(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    RadioImage image;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream ls(line);
        std::string offsetText;
        ls >> offsetText;
        std::size_t offset = std::stoul(offsetText, nullptr, 16);
        std::string byteText;
        while (ls >> byteText)
            image.setByte(offset++, static_cast<std::uint8_t>(std::stoul(byteText, nullptr, 16)));
    }
    return image;
}

RadioImage defaultRadioImage() {
    ModelIdentity id{};
    parseIdentityText(kDefaultIdentityText, id);
    RadioImage image;
    buildDefaultImage(image, id);
    return image;
}

RadioImage patternImage() {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return image;
}

std::vector<std::size_t> differingOffsets(const RadioImage& a, const RadioImage& b) {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (a.byte(i) != b.byte(i))
            out.push_back(i);
    return out;
}

PromptAnswer ScriptedPrompt::ask(const Prompt& prompt) {
    asked.push_back(prompt);
    if (answers_.empty())
        return prompt.defaultAnswer;
    const PromptAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

} // namespace tsw::test
