#include "model/OutputPlan.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t Scaled(double value, double scale) {
    return static_cast<int32_t>(std::lround(value * scale));
}

}  // namespace

bool OutputPlan::IsDrawable() const {
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0)
        return false;
    const int64_t right = int64_t{picture.x} + picture.width;
    const int64_t bottom = int64_t{picture.y} + picture.height;
    return picture.x < width && picture.y < height && right > 0 && bottom > 0;
}

OutputPlan OutputPlan::FittedWithin(int32_t maxWidth, int32_t maxHeight) const {
    const double scale = std::min({1.0, double(maxWidth) / width, double(maxHeight) / height});
    // Edges, not sides, are scaled, so that a picture that meets the output's
    // edge still does.
    const int32_t left = Scaled(picture.x, scale);
    const int32_t top = Scaled(picture.y, scale);
    const PlanRect scaled{left, top,
                          std::max(1, Scaled(double(picture.x) + picture.width, scale) - left),
                          std::max(1, Scaled(double(picture.y) + picture.height, scale) - top)};
    OutputPlan fitted = *this;
    fitted.width = std::max(1, Scaled(width, scale));
    fitted.height = std::max(1, Scaled(height, scale));
    fitted.picture = scaled;
    return fitted;
}
