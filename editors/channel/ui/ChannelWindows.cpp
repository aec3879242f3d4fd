#include "editors/channel/ui/ChannelWindows.h"

#include <QPointer>

#include "editors/channel/ui/CChEditView.h"
#include "editors/channel/ui/CChInfoView.h"

namespace tsw::ui {
namespace {
QPointer<CChInfoView>& infoSlot() {
    static QPointer<CChInfoView> view;
    return view;
}
QPointer<CChEditView>& editSlot() {
    static QPointer<CChEditView> view;
    return view;
}
} // namespace

CChInfoView* channelInfoView() {
    return infoSlot().data();
}
CChEditView* channelEditView() {
    return editSlot().data();
}
void setChannelInfoView(CChInfoView* view) {
    infoSlot() = view;
}
void setChannelEditView(CChEditView* view) {
    editSlot() = view;
}

void showSelectedChannelInEditWindow() {
    if (CChEditView* edit = channelEditView())
        edit->showChannel();
}

void refreshChannelRow(int channel) {
    if (CChInfoView* info = channelInfoView()) {
        info->updateCaption();
        info->refreshRow(channel);
    }
}

void refreshAllChannelWindows() {
    if (CChInfoView* info = channelInfoView()) {
        info->updateCaption();
        info->refreshTable();
    }
    showSelectedChannelInEditWindow();
}

} // namespace tsw::ui
