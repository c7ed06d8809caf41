#pragma once

#include "report/ChannelList.h"

#include <QByteArray>

namespace mtz4 {

// The channel list as one HTML page (UTF-8): a table per section whose head,
// repeated on every printed page, carries the file name, the model and the
// date; a section starts a new printed page only when it would not fit on
// the rest of the current one.
QByteArray ChannelListHtml(const ChannelList& list);

} // namespace mtz4
