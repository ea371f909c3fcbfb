#include "platform/qt/FormWindow.h"

#include "forms/Container.h"
#include "forms/Frame.h"
#include "forms/Menu.h"
#include "platform/qt/AnsiText.h"
#include "platform/qt/ClassicFont.h"
#include "platform/qt/NonClientMetrics.h"
#include "platform/qt/ViewFactory.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>

namespace corvane::forms::qt {

namespace {
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;

/// The last of a widget and the widgets inside it in the window's Tab order.
QWidget* lastInFocusChain(QWidget* widget) {
    QWidget* last = widget;
    while (widget->isAncestorOf(last->nextInFocusChain())) {
        last = last->nextInFocusChain();
    }
    return last;
}
} // namespace

FormWindow::FormWindow(Form& form, const ViewContext& context)
    : QWidget(nullptr), form_(form), context_(context), client_(new QWidget(this)) {
    setObjectName(QString::fromStdString(form.Name()));
    setFont(ClassicFont::standard());
    client_->installEventFilter(this);
    if (!form.Menus().empty()) {
        menuBar_ = new QMenuBar(this);
        for (Menu* menu : form.Menus()) {
            buildMenu(*menu, menuBar_);
        }
    }
    createViews(form, client_);
    for (auto& view : views_) {
        view->sync();
    }
    syncMenus();
}

FormWindow::~FormWindow() {
    client_->removeEventFilter(this);
}

void FormWindow::createViews(Container& container, QWidget* parent) {
    for (Control* control : container.children()) {
        auto* frame = dynamic_cast<Frame*>(control);
        // A hidden control gets its widget when it first shows: a form whose list waits hidden for
        // its button shows sooner, without building the list's widget first.
        if (frame == nullptr && !control->Visible()) {
            continue;
        }
        QWidget* widget = addView(*control, parent);
        if (frame != nullptr) {
            createViews(*frame, widget);
        }
    }
}

QWidget* FormWindow::addView(Control& control, QWidget* parent) {
    auto view = makeView(control, parent, context_);
    QWidget* widget = view->widget();
    viewByControl_[&control] = view.get();
    views_.push_back(std::move(view));
    return widget;
}

ControlView& FormWindow::addViewLate(Control& control) {
    auto* frame = dynamic_cast<Frame*>(&control.Parent());
    QWidget* parent = frame != nullptr ? viewOf(*frame)->widget() : client_;
    QWidget* widget = addView(control, parent);
    // Where it would be had it been made with the others: above the controls before it, under the
    // ones after it, and after the one before it when Tab moves on.
    QWidget* before = parent;
    bool passed = false;
    for (Control* sibling : control.Parent().children()) {
        ControlView* other = sibling == &control ? nullptr : viewOf(*sibling);
        passed = passed || sibling == &control;
        if (other != nullptr && !passed) {
            before = lastInFocusChain(other->widget());
        } else if (other != nullptr) {
            widget->stackUnder(other->widget());
            break;
        }
    }
    QWidget::setTabOrder(before, widget);
    return *viewByControl_[&control];
}

void FormWindow::buildMenu(Menu& menu, QWidget* parent) {
    QString caption = ansi::toQt(menu.Caption());
    if (menu.entries().empty() && parent != menuBar_) {
        QAction* action = static_cast<QMenu*>(parent)->addAction(caption);
        QObject::connect(action, &QAction::triggered, this, [this, &menu] {
            if (live_) {
                menu.userClick();
            }
        });
        actions_[&menu] = action;
        return;
    }
    QMenu* submenu = parent == menuBar_ ? menuBar_->addMenu(caption) : static_cast<QMenu*>(parent)->addMenu(caption);
    // A menu's own Click fires as it opens, before its entries show.
    QObject::connect(submenu, &QMenu::aboutToShow, this, [this, &menu] {
        if (live_) {
            menu.userClick();
        }
    });
    actions_[&menu] = submenu->menuAction();
    for (Menu* entry : menu.entries()) {
        buildMenu(*entry, submenu);
    }
}

ControlView* FormWindow::viewOf(const Control& control) {
    auto found = viewByControl_.find(&control);
    return found == viewByControl_.end() ? nullptr : found->second;
}

void FormWindow::sync() {
    setWindowTitle(ansi::toQt(form_.Caption()));
    syncFlags();
    syncGeometry();
    if (form_.Visible() && !isVisible()) {
        catchUp(form_);
        // A form that shows comes to the front with the keyboard, as a new window does on Windows.
        show();
        raise();
        activateWindow();
    } else if (!form_.Visible() && isVisible()) {
        hide();
    }
    syncFocus();
}

void FormWindow::syncControl(Control& control) {
    // A window off the screen catches up as it shows: a form that fills thousands of rows before it
    // first shows puts them into its widgets once, not once for every row.
    if (isVisible()) {
        syncView(control);
    }
}

void FormWindow::syncView(Control& control) {
    if (ControlView* view = viewOf(control)) {
        view->sync();
    } else if (control.Visible()) {
        addViewLate(control).sync();
    }
}

void FormWindow::catchUp(Container& container) {
    for (Control* control : container.children()) {
        syncView(*control);
        if (auto* frame = dynamic_cast<Frame*>(control)) {
            catchUp(*frame);
        }
    }
}

void FormWindow::syncMenus() {
    for (auto& [menu, action] : actions_) {
        action->setText(ansi::toQt(menu->Caption()));
        action->setEnabled(menu->Enabled());
        action->setVisible(menu->Visible());
    }
}

void FormWindow::detach() {
    live_ = false;
    for (auto& view : views_) {
        view->detach();
    }
}

void FormWindow::syncFlags() {
    Qt::WindowFlags flags = Qt::Window;
    if (form_.BorderStyle() == BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (form_.TopMost()) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    if (flags != windowFlags()) {
        // Changing the flags hides the window; `sync` shows it again when the form is visible.
        setWindowFlags(flags);
    }
}

void FormWindow::syncGeometry() {
    const PixelScale& scale = context_.scale;
    QRect outer = scale.rect(form_.Left(), form_.Top(), form_.Width(), form_.Height());
    QSize client = NonClientMetrics::clientSize(outer.size(), form_.BorderStyle(), menuBar_ != nullptr);
    int menuHeight = menuBar_ != nullptr ? NonClientMetrics::kMenuBar : 0;
    QSize size(client.width(), client.height() + menuHeight);
    if (form_.BorderStyle() == BorderStyle::Sizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else {
        setFixedSize(size);
    }
    move(outer.topLeft());
    if (menuBar_ != nullptr) {
        menuBar_->setGeometry(0, 0, size.width(), menuHeight);
    }
    client_->setGeometry(0, menuHeight, client.width(), client.height());
}

void FormWindow::syncFocus() {
    Control* active = form_.ActiveControl();
    ControlView* view = active != nullptr ? viewOf(*active) : nullptr;
    if (view != nullptr && isVisible() && !view->widget()->hasFocus()) {
        view->widget()->setFocus(Qt::OtherFocusReason);
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its unload handler may refuse, and an unloaded form's window goes away with it.
    event->ignore();
    if (live_) {
        form_.userClose();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window is where the model says unless the user (or the desktop) moved it: then Left and Top
    // follow, so that what the program stores is where the window was left.
    const PixelScale& scale = context_.scale;
    const QPoint model(scale.x(form_.Left()), scale.y(form_.Top()));
    if (live_ && pos() != model) {
        form_.userMove(static_cast<int32_t>(scale.twipsX(pos().x())), static_cast<int32_t>(scale.twipsY(pos().y())));
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    // Keys reach the window itself only when no control took them first.
    QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this) {
        if (auto key = ControlView::virtualKey(*event); key && context_.keyTap) {
            context_.keyTap(*key);
        }
    }
    auto code = ControlView::characterCode(*event);
    if (live_ && code && (*code == kEnter || *code == kEscape)) {
        form_.userKeyPress(*code);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::MouseButtonRelease && live_) {
        // Only the background: a click that a control (a frame) left unhandled comes here too.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && client_->childAt(mouse->position().toPoint()) == nullptr) {
            form_.userClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corvane::forms::qt
