#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::forms {

struct ImageListSpec {
    std::string name;
    /// Size of every image, in pixels.
    int32_t imageWidth = 16;
    int32_t imageHeight = 16;
    int32_t imageCount = 0;
};

/// VB's ImageList: images of one size. A list view that uses it as its small-icon list makes its
/// rows at least as high as the images.
class ImageList {
public:
    explicit ImageList(ImageListSpec spec) : spec_(std::move(spec)) {}

    const std::string& Name() const { return spec_.name; }
    int32_t ImageWidth() const { return spec_.imageWidth; }
    int32_t ImageHeight() const { return spec_.imageHeight; }
    int32_t Count() const { return spec_.imageCount; }

private:
    ImageListSpec spec_;
};

} // namespace corvane::forms
