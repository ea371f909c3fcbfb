#include "sim/actsim/ActsimWindow.h"

#include "platform/qt/AnsiText.h"

#include "common/RuntimeError.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace corvane::sim::actsim {

namespace ansi = forms::qt::ansi;

namespace {

constexpr int kPollMs = 100;
constexpr int32_t kProtectedEntryRule = 3;
constexpr const char* kWindowClass = "ActsimMain";
constexpr const char* kTrigger = "CorvaneEditMode";
constexpr std::array<const char*, 6> kViewNames{"Contacts",  "Contact List", "Groups",
                                                "Task List", "Calendars",    "E-mail"};

ScreenRect screenRectOf(const QWidget& widget) {
    const QPoint topLeft = widget.mapToGlobal(QPoint(0, 0));
    return ScreenRect{topLeft.x(), topLeft.y(), topLeft.x() + widget.width(), topLeft.y() + widget.height()};
}

} // namespace

ActsimWindow::ActsimWindow(Engine& engine, int64_t processId, QString programFolder)
    : engine_(engine), processId_(processId), programFolder_(std::move(programFolder)) {
    setWindowTitle("actsim - " + QFileInfo(QString::fromStdString(engine_.state().databasePath())).fileName());
    buildMenus();
    setCentralWidget(buildCentre());
    desktopWindow_ = engine_.desktop().addWindow(processId_, static_cast<int32_t>(processId_), kWindowClass, {});
    engine_.desktop().setActWindow(desktopWindow_);
    showContact();
    showLoggedInUser();
    refreshCommands();
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    qApp->installEventFilter(this);
    connect(&poller_, &QTimer::timeout, this, [this] { poll(); });
    poller_.start(kPollMs);
}

ActsimWindow::~ActsimWindow() {
    // Taking the widgets down moves the focus; this window must no longer hear of it.
    disconnect(focusWatch_);
    qApp->removeEventFilter(this);
    try {
        engine_.desktop().removeWindowsOf(processId_);
    } catch (const RuntimeError&) {
        // actsim is ending; the next actsim replaces its window on the desktop anyway.
    }
}

void ActsimWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Close Database", this, [this] { engine_.closeDatabase(); });
    file->addAction("E&xit", this, [this] { close(); });

    QMenu* view = menuBar()->addMenu("&View");
    auto* views = new QActionGroup(this);
    for (int16_t type = 1; type <= static_cast<int16_t>(kViewNames.size()); ++type) {
        QAction* action = view->addAction(kViewNames[static_cast<size_t>(type - 1)], this, [this, type] {
            engine_.state().setActiveViewType(type);
            refreshCommands();
        });
        action->setCheckable(true);
        action->setChecked(type == engine_.state().activeViewType());
        views->addAction(action);
    }
    tools_ = menuBar()->addMenu("&Tools");
    toolbar_ = addToolBar("Commands");
}

QWidget* ActsimWindow::buildCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);

    auto* top = new QHBoxLayout;
    users_ = new QComboBox(centre);
    for (const UserRecord& user : engine_.users().all()) {
        users_->addItem(ansi::toQt(user.name), int(user.position));
    }
    connect(users_, &QComboBox::activated, this, [this](int index) {
        engine_.state().setLoggedInUser(static_cast<int16_t>(users_->itemData(index).toInt()));
    });
    top->addWidget(new QLabel("Logged in as:", centre));
    top->addWidget(users_, 1);
    layout->addLayout(top);

    fields_ = new FieldForm(engine_.fields().all(), centre);
    fields_->edited = [this](int16_t number, const std::string& value) {
        if (auto contact = engine_.state().currentContact()) {
            engine_.contacts().setValue(*contact, number, value);
        }
    };
    layout->addWidget(fields_);

    auto* navigation = new QHBoxLayout;
    auto* previous = new QPushButton("< &Previous", centre);
    auto* next = new QPushButton("&Next >", centre);
    position_ = new QLabel(centre);
    connect(previous, &QPushButton::clicked, this, [this] { moveContact(-1); });
    connect(next, &QPushButton::clicked, this, [this] { moveContact(1); });
    navigation->addWidget(previous);
    navigation->addWidget(position_, 1, Qt::AlignCenter);
    navigation->addWidget(next);
    layout->addLayout(navigation);
    return centre;
}

void ActsimWindow::closeEvent(QCloseEvent* event) {
    engine_.userClosesAct(0);
    event->accept();
}

void ActsimWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        comeToFront();
    }
    QMainWindow::changeEvent(event);
}

// Every failure of the shared database shows in the status bar; actsim goes on polling.
void ActsimWindow::poll() {
    try {
        if (!engine_.state().running()) {
            close();
            return;
        }
        const bool open = engine_.state().databaseOpen();
        centralWidget()->setEnabled(open);
        if (!open) {
            statusBar()->showMessage("No database open");
            return;
        }
        showContact();
        showLoggedInUser();
        applyKeystrokes();
        refreshCommands();
        const Foreground front = engine_.desktop().foreground();
        if (front.sequence != foregroundSeen_) {
            foregroundSeen_ = front.sequence;
            // ACT! brought one of its views forward for another program.
            if (front.owner == processId_ && !isActiveWindow()) {
                raise();
                activateWindow();
            }
        }
    } catch (const RuntimeError& error) {
        statusBar()->showMessage(QString::fromStdString(error.description()));
    }
}

void ActsimWindow::showContact() {
    const auto contact = engine_.state().currentContact();
    const std::vector<int64_t> ids = engine_.contacts().ids();
    const auto at = contact ? std::find(ids.begin(), ids.end(), *contact) : ids.end();
    position_->setText(at == ids.end() ? QString("No contact")
                                       : QString("Contact %1 of %2").arg(at - ids.begin() + 1).arg(ids.size()));
    fields_->showValues([&](int16_t number) { return contact ? engine_.contacts().value(*contact, number) : ""; });
}

void ActsimWindow::showLoggedInUser() {
    const int index = users_->findData(int(engine_.state().loggedInUser().value_or(0)));
    if (index != users_->currentIndex()) {
        users_->setCurrentIndex(index);
    }
}

void ActsimWindow::moveContact(int step) {
    engine_.moveCurrentContact(step);
    showContact();
}

void ActsimWindow::focusMoved(QWidget* now) {
    if (now == nullptr) {
        return; // another program's window is active; the focus inside actsim stays where it was
    }
    auto* edit = qobject_cast<QLineEdit*>(now);
    const auto field = fields_->fieldOf(now);
    if (edit && field) {
        enterField(*edit, *field);
        return;
    }
    entered_ = nullptr;
    engine_.state().setFocusField(-1);
    engine_.desktop().clearActFocus();
}

void ActsimWindow::enterField(QLineEdit& edit, const FieldDefinition& field) {
    engine_.state().setFocusField(field.number);
    engine_.desktop().focusActControl("Edit", screenRectOf(edit));
    if (&edit == entered_) {
        return; // coming back to actsim in the same field enters nothing new
    }
    entered_ = &edit;
    if (field.entryRule == kProtectedEntryRule) {
        // The trigger reads the desktop at once: actsim must be in front with the field focused.
        engine_.desktop().setForeground(desktopWindow_, processId_);
        start(kTrigger);
    }
}

bool ActsimWindow::eventFilter(QObject* watched, QEvent* event) {
    // A key travels up to the parents when the focused widget leaves it; it is noted once.
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget() &&
        isAncestorOf(QApplication::focusWidget())) {
        noteKey(static_cast<const QKeyEvent&>(*event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void ActsimWindow::noteKey(const QKeyEvent& key) {
    std::string keystroke;
    switch (key.key()) {
    case Qt::Key_Escape:
        keystroke = "\x1B";
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        keystroke = "\t";
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        keystroke = "\r";
        break;
    case Qt::Key_Backspace:
        keystroke = "\b";
        break;
    default:
        keystroke = ansi::fromQt(key.text());
    }
    try {
        for (char c : keystroke) {
            engine_.desktop().keyPressed(c);
        }
    } catch (const RuntimeError& error) {
        statusBar()->showMessage(QString::fromStdString(error.description()));
    }
}

void ActsimWindow::applyKeystrokes() {
    for (char keystroke : engine_.desktop().takeKeysFor(processId_)) {
        applyKeystroke(keystroke);
    }
}

void ActsimWindow::applyKeystroke(char keystroke) {
    if (entered_ == nullptr) {
        return;
    }
    if (keystroke == '\r' || keystroke == '\t') {
        QLineEdit* next = fields_->editAfter(entered_);
        next->setFocus();
        enterField(*next, *fields_->fieldOf(next));
    } else if (keystroke == '\b') {
        if (!entered_->isReadOnly()) {
            entered_->backspace();
        }
    } else if (keystroke != '\x1B' && !entered_->isReadOnly()) {
        entered_->insert(ansi::toQt(std::string_view(&keystroke, 1)));
        fields_->edited(fields_->fieldOf(entered_)->number, ansi::fromQt(entered_->text()));
    }
}

void ActsimWindow::refreshCommands() {
    const int16_t view = engine_.state().activeViewType();
    auto toolbar = engine_.auxCommands().placedIn(AuxPlace::Toolbar, view);
    auto tools = engine_.auxCommands().placedIn(AuxPlace::ToolsMenu, view);
    if (toolbar == toolbarShown_ && tools == toolsShown_) {
        return;
    }
    toolbar_->clear();
    tools_->clear();
    for (const std::string& name : toolbar) {
        const QString program = QString::fromStdString(name);
        toolbar_->addAction(program, this, [this, program] { start(program); });
    }
    for (const std::string& name : tools) {
        const QString program = QString::fromStdString(name);
        tools_->addAction(program, this, [this, program] { start(program); });
    }
    toolbarShown_ = std::move(toolbar);
    toolsShown_ = std::move(tools);
}

// Programs start as ACT! starts them: from actsim's folder, with nothing on their command line.
void ActsimWindow::start(const QString& program) {
    const QString file = programFolder_ + "/" + program;
    if (!QFileInfo(file).isExecutable() || !QProcess::startDetached(file, {}, programFolder_)) {
        statusBar()->showMessage("Cannot start " + file);
    }
}

void ActsimWindow::comeToFront() {
    try {
        engine_.desktop().setForeground(desktopWindow_, processId_);
        foregroundSeen_ = engine_.desktop().foreground().sequence;
    } catch (const RuntimeError& error) {
        statusBar()->showMessage(QString::fromStdString(error.description()));
    }
}

} // namespace corvane::sim::actsim
