// Widget tests of the Scan view: enabling follows the priority, the refused priority channel
// message, the revert list refilled for the priority.

#include <QComboBox>
#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/FilterEdit.h"
#include "editors/feature/ui/ScanView.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;

class ScanViewTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::setUpGlobals(); }
    void priorityEnablesChannelAndLookBack();
    void unprogrammedPriorityChannelIsRefused();

private:
    test::MdiTestShell shell_;
};

void ScanViewTest::priorityEnablesChannelAndLookBack() {
    ScanView view; // default image: priority 0
    auto* priority = findControl<QComboBox>(&view, 1048);
    auto* channel = findControl<FilterEdit>(&view, 1050);
    auto* lookBackA = findControl<FilterEdit>(&view, 1052);
    auto* revert = findControl<QComboBox>(&view, 1058);
    QVERIFY(!channel->isEnabled() && !lookBackA->isEnabled());
    QVERIFY(!findControl(&view, 1053)->isEnabled());
    QCOMPARE(revert->count(), 2);
    priority->setCurrentIndex(1);
    QVERIFY(channel->isEnabled() && lookBackA->isEnabled());
    QCOMPARE(revert->count(), 4);
    QCOMPARE(globals().image.byte(layout::kScanPriority), 1);
    priority->setCurrentIndex(2);
    QVERIFY(!channel->isEnabled() && lookBackA->isEnabled());
    QCOMPARE(revert->count(), 2);
    QCOMPARE(revert->currentIndex(), 1); // revert 1 became 3
    QCOMPARE(globals().image.byte(layout::kScanRevertChannel), 3);
}

void ScanViewTest::unprogrammedPriorityChannelIsRefused() {
    globals().image.setByte(layout::kScanPriority, 1);
    globals().image.setByte(layout::kPriorityChannel, 4);
    globals().image.setByte(layout::channelOffset(15), 0xFF); // channel 16 empty
    ScanView view;
    auto* channel = findControl<FilterEdit>(&view, 1050);
    test::showAndFocus(&view, channel);
    test::typeAndLeave(channel, "20");
    QCOMPARE(shell_.scripted.asked.size(), std::size_t{1});
    QCOMPARE(shell_.scripted.asked[0].textId, StrId::ChannelNotProgrammed);
    QCOMPARE(channel->text(), QString("4"));
    QCOMPARE(globals().image.byte(layout::kPriorityChannel), 4);
    test::typeAndLeave(channel, "12");
    QCOMPARE(globals().image.byte(layout::kPriorityChannel), 12);
    QCOMPARE(shell_.scripted.asked.size(), std::size_t{1});
}

QTEST_MAIN(ScanViewTest)
#include "ScanViewTest.moc"
