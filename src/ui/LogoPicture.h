#pragma once

#include <QPixmap>
#include <QSize>

namespace tunbox {

// The welcome area's emblem: a radio mast sending waves on a green tile,
// drawn on a transparent background.
QPixmap DrawLogoPicture(const QSize& size, qreal devicePixelRatio = 1.0);

} // namespace tunbox
