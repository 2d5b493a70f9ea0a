// Moving a window's frame inside the screen's available area.
#include "shell/windows/screenfit.h"

#include <algorithm>

namespace ScreenFit {

QRect movedInside(QRect frame, const QRect& available)
{
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

} // namespace ScreenFit
