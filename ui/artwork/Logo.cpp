#include "ui/artwork/Artwork.h"
#include "ui/artwork/Lettering.h"

// The game's name in big gold letters for the top of the play area.
namespace tessora::artwork {

namespace {
constexpr int kWidth = 273;
constexpr int kHeight = 66;
constexpr int kDepth = 6;
}  // namespace

QImage Logo() {
    return PaintLettering(QStringLiteral("Tessora"), kWidth, kHeight, kDepth).picture;
}

QImage LogoMask() {
    return PaintLettering(QStringLiteral("Tessora"), kWidth, kHeight, kDepth).mask;
}

}  // namespace tessora::artwork
