#pragma once
// The channel windows keep each other up to date: the channel table, the channel edit window
// and the QT/DQT table. Each of the two MDI windows registers itself here while it lives, so
// that the others can find it without going through the main frame.

namespace tsw::ui {

class ChannelInfoView;
class ChannelEditView;

ChannelInfoView* channelInfoView(); // null when the channel table is not open
ChannelEditView* channelEditView(); // null when the channel edit window is not open

void setChannelInfoView(ChannelInfoView* view); // the view itself, when created
void setChannelEditView(ChannelEditView* view);

// After a channel changed in one window: the channel edit window shows the selected channel
// again; the channel table rewrites the channel's row (and its caption).
void showSelectedChannelInEditWindow();
void refreshChannelRow(int channel);
// After many channels changed (tone table, copy, insert, delete).
void refreshAllChannelWindows();

} // namespace tsw::ui
