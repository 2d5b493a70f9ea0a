#pragma once
// Keeps windows on the screen: whatever a stored position, a scale factor or a large font asks
// for, the whole frame lies inside the screen's available area.

#include <QRect>

namespace ScreenFit {

/// `frame` moved the least distance that puts it inside `available`; a frame larger than the
/// area keeps its top-left corner inside, so that the title bar stays reachable.
QRect movedInside(QRect frame, const QRect& available);

} // namespace ScreenFit
