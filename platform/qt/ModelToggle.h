#pragma once

#include <functional>
#include <utility>

namespace corvane::forms::qt {

/// A check box or option button that does not change its own state when the user clicks it: the
/// click goes to the model, and the view shows whatever state the model then has.
template <class Button> class ModelToggle : public Button {
public:
    ModelToggle(QWidget* parent, std::function<void()> clicked) : Button(parent), clicked_(std::move(clicked)) {}

protected:
    void nextCheckState() override { clicked_(); }

private:
    std::function<void()> clicked_;
};

} // namespace corvane::forms::qt
