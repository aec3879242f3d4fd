#include "editors/channel/ui/ChannelWindows.h"

#include <QPointer>

#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"

namespace tsw::ui {
namespace {
QPointer<ChannelInfoView>& infoSlot() {
    static QPointer<ChannelInfoView> view;
    return view;
}
QPointer<ChannelEditView>& editSlot() {
    static QPointer<ChannelEditView> view;
    return view;
}
} // namespace

ChannelInfoView* channelInfoView() {
    return infoSlot().data();
}
ChannelEditView* channelEditView() {
    return editSlot().data();
}
void setChannelInfoView(ChannelInfoView* view) {
    infoSlot() = view;
}
void setChannelEditView(ChannelEditView* view) {
    editSlot() = view;
}

void showSelectedChannelInEditWindow() {
    if (ChannelEditView* edit = channelEditView())
        edit->showChannel();
}

void refreshChannelRow(int channel) {
    if (ChannelInfoView* info = channelInfoView()) {
        info->updateCaption();
        info->refreshRow(channel);
    }
}

void refreshAllChannelWindows() {
    if (ChannelInfoView* info = channelInfoView()) {
        info->updateCaption();
        info->refreshTable();
    }
    showSelectedChannelInEditWindow();
}

} // namespace tsw::ui
