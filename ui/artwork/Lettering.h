#pragma once

#include <QString>

#include "ui/artwork/Paint.h"

namespace tessora::artwork {

// Bold gold lettering with a dark outline and a deep extruded side, fitted into width x height
// layout pixels and painted at `ratio` device pixels per layout pixel, with its mask. `depth` is
// how far the extruded side reaches down and right.
paint::MaskedPicture PaintLettering(const QString& text, int width, int height, int depth,
                                    double ratio);

}  // namespace tessora::artwork
