// The help pages read in a dark desktop palette as in a light one: a style rule that gives a
// background colour gives the text colour with it, and no rule colours text on the page's own
// background (which is the palette's, light or dark).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What is wrong with one rule's declarations, or an empty text.
std::string colourProblem(const std::string& declarations) {
    static const std::regex background(R"((^|[;\s])background(-color)?\s*:)");
    static const std::regex text(R"((^|[;\s])color\s*:)");
    const bool hasBackground = std::regex_search(declarations, background);
    const bool hasText = std::regex_search(declarations, text);
    if (hasBackground && !hasText)
        return "a background without a text colour";
    if (hasText && !hasBackground)
        return "a text colour on the palette's background";
    return {};
}

} // namespace

TEST(HelpPageColours, EveryRuleWithAColourSetsBackgroundAndText) {
    const std::regex rule(R"(([^{}]+)\{([^{}]*)\})");
    int pages = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(TSW_SOURCE_DIR) / "help")) {
        if (entry.path().extension() != ".html")
            continue;
        ++pages;
        const std::string html = readFile(entry.path());
        const auto start = html.find("<style");
        const auto end = html.find("</style>");
        if (start == std::string::npos || end == std::string::npos)
            continue;
        const std::string css = html.substr(start, end - start);
        for (std::sregex_iterator it(css.begin(), css.end(), rule), last; it != last; ++it) {
            const std::string problem = colourProblem((*it)[2].str());
            EXPECT_TRUE(problem.empty())
                << entry.path().string() << ": " << (*it)[1].str() << ": " << problem;
        }
    }
    EXPECT_GT(pages, 100);
}

TEST(HelpPageColours, TheCheckSeesEachFault) {
    EXPECT_EQ(colourProblem(" background-color: #fff; "), "a background without a text colour");
    EXPECT_EQ(colourProblem(" color: #123456; margin: 0 "),
              "a text colour on the palette's background");
    EXPECT_EQ(colourProblem(" background-color: #fff; color: #000; "), "");
    EXPECT_EQ(colourProblem(" font-size: large; margin-top: 14px; "), "");
}
