#include "editors/channel/TestFrequencyForm.h"

#include "app/ImageLayout.h"

namespace tsw {

std::size_t testFrequencyOffset(int index, TestSide side) {
    return layout::testFrequencyOffset(index) + (side == TestSide::Receive ? 0 : 4);
}

std::string testFrequencyText(const RadioImage& image, int index, TestSide side) {
    if (index < 0 || index >= layout::kTestFrequencyCount)
        return {};
    return formatFrequency(readFrequencyBytes(image, testFrequencyOffset(index, side)));
}

TestFrequencyForm::TestFrequencyForm(RadioImage& image, bool narrowStepsOnly, TextLookup lookup)
    : image_(image), narrowStepsOnly_(narrowStepsOnly), lookup_(std::move(lookup)) {}

bool TestFrequencyForm::isDataCell(int row, int column) {
    return row >= 1 && row <= kShownChannels && column >= 1 && column <= kLastColumn;
}

std::size_t TestFrequencyForm::offsetOf(int row, int column) {
    return testFrequencyOffset(row - 1, column == 1 ? TestSide::Receive : TestSide::Transmit);
}

std::string TestFrequencyForm::cellText(int row, int column) const {
    if (row == 0) {
        if (column == 0)
            return lookup_(StrId::ChannelLabel);
        if (column == 1)
            return lookup_(StrId::RxLabel) + " " + lookup_(StrId::FrequencyMhzHeader);
        if (column == 2)
            return lookup_(StrId::TxLabel) + " " + lookup_(StrId::FrequencyMhzHeader);
        return {};
    }
    if (row < 0 || row > kShownChannels)
        return {};
    if (column == 0)
        return std::to_string(row);
    if (!isDataCell(row, column))
        return {};
    return testFrequencyText(image_, row - 1, column == 1 ? TestSide::Receive : TestSide::Transmit);
}

std::string TestFrequencyForm::commitCell(int row, int column, std::string_view typed) {
    if (!isDataCell(row, column))
        return cellText(row, column);
    const std::size_t offset = offsetOf(row, column);
    if (typed.empty()) {
        writeFrequencyBytes(image_, offset, {0xFF, 0xFF, 0xFF, 0xFF});
    } else {
        FrequencyBytes bytes{};
        if (parseFrequency(typed, bytes, narrowStepsOnly_) >= 0)
            writeFrequencyBytes(image_, offset, bytes);
    }
    return cellText(row, column);
}

} // namespace tsw
