#include "editors/channel/ChannelEditorState.h"

namespace tsw {

ChannelEditorState& channelEditorState() {
    static ChannelEditorState state;
    return state;
}

} // namespace tsw
