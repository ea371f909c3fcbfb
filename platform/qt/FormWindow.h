#pragma once

#include "forms/Form.h"
#include "platform/qt/ControlView.h"

#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class QAction;
class QMenuBar;

namespace corvane::forms {
class Container;
class Menu;
} // namespace corvane::forms

namespace corvane::forms::qt {

/// The top-level window of a loaded form: its menu bar, its client area with a view per control, the
/// classic window properties (caption, border, top-most) and the model's geometry, where the form's
/// Width and Height include the frame, caption and menu bar as on Windows.
class FormWindow : public QWidget {
public:
    FormWindow(Form& form, const ViewContext& context);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Form& form() { return form_; }
    /// The area the controls sit in.
    QWidget* clientArea() { return client_; }
    /// The view of a control of this form, or null (also while a control that was never visible has
    /// no widget yet).
    ControlView* viewOf(const Control& control);

    /// Shows the form's state: caption, flags, geometry, visibility and focus.
    void sync();
    /// Shows a control's state now when the window is on the screen, else when it shows.
    void syncControl(Control& control);
    void syncMenus();
    /// The model is going away: input no longer reaches it.
    void detach();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createViews(Container& container, QWidget* parent);
    QWidget* addView(Control& control, QWidget* parent);
    /// The view of a control that was hidden until now, put among the others in their order.
    ControlView& addViewLate(Control& control);
    void syncView(Control& control);
    /// Shows the state of every control in the container, as the window is about to show.
    void catchUp(Container& container);
    void buildMenu(Menu& menu, QWidget* parent);
    void syncFlags();
    void syncGeometry();
    void syncFocus();

    Form& form_;
    const ViewContext& context_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const Control*, ControlView*> viewByControl_;
    std::map<Menu*, QAction*> actions_;
    bool live_ = true;
};

} // namespace corvane::forms::qt
