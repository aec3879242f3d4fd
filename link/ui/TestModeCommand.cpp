// Test Mode: the entry sequence of link/TestMode.h around the Test Mode dialog.

#include <memory>

#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "link/TestMode.h"
#include "link/ui/LinkCommands.h"
#include "link/ui/RadioLink.h"
#include "link/ui/TestModeDialog.h"

namespace tsw::ui {

namespace {

class DialogTestModeUi : public TestModeUi {
public:
    DialogTestModeUi(SerialLink& link, QWidget* parent) : link_(link), parent_(parent) {}

    void createDialog() override { dialog_ = std::make_unique<TestModeDialog>(link_, parent_); }

    void runDialog() override {
        if (!dialog_)
            createDialog();
        auto& flags = link_.globals().flags;
        // The test mode works with the test frequencies: a change of them needs a write.
        flags.testFrequencyInUse = true;
        if (dialog_->prepare())
            dialog_->exec();
        // The next attempt gets a fresh dialog.
        dialog_ = std::make_unique<TestModeDialog>(link_, parent_);
    }

    void destroyDialog() override { dialog_.reset(); }

private:
    SerialLink& link_;
    QWidget* parent_;
    std::unique_ptr<TestModeDialog> dialog_;
};

} // namespace

void runTestModeCommand(Shell& shell) {
    RadioLink& radio = RadioLink::instance();
    if (radio.busy())
        return;
    RadioLink::Busy busy(radio);
    SerialLink& link = radio.link();
    link.globals().flags.fileActivity = true;
    DialogTestModeUi ui(link, shell.window());
    runTestMode(link, ui);
    if (link.globals().flags.testChannelsDiffer)
        link.globals().flags.testFrequencyInUse = true;
}

} // namespace tsw::ui
