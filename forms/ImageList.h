#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace corvane::forms {

struct ImageListProps {
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
    explicit ImageList(ImageListProps props) : props_(std::move(props)) {}

    const std::string& Name() const { return props_.name; }
    int32_t ImageWidth() const { return props_.imageWidth; }
    int32_t ImageHeight() const { return props_.imageHeight; }
    int32_t Count() const { return props_.imageCount; }

private:
    ImageListProps props_;
};

} // namespace corvane::forms
