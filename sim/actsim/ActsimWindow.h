#pragma once

#include "sim/actsim/FieldForm.h"
#include "sim/engine/Engine.h"

#include <QMainWindow>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;

namespace corvane::sim::actsim {

/// The simulated ACT!'s window: the current contact's fields, the logged-in user, next and previous
/// contact, File > Close Database and Exit, and per view the toolbar and Tools menu with the
/// auxiliary commands placed there. It tells the shared desktop what Windows would tell the
/// trigger (its window, the focused field as an "Edit" with its screen rectangle, when it comes to
/// the front), starts `CorvaneEditMode` beside itself when a protected field is entered, and polls
/// the database every 100 ms for what the programs did: values written, keystrokes sent to it,
/// commands placed, and command 150, which ends it. The keys the user presses in it are noted for the
/// programs' keyboard hooks.
class ActsimWindow : public QMainWindow {
public:
    /// `programFolder` holds `CorvaneEditMode` and `Corvane`.
    ActsimWindow(Engine& engine, int64_t processId, QString programFolder);
    ~ActsimWindow() override;
    ActsimWindow(const ActsimWindow&) = delete;
    ActsimWindow& operator=(const ActsimWindow&) = delete;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// Notes every key the user presses in actsim on the desktop, for the programs' keyboard hooks.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildCentre();
    void poll();
    void showContact();
    void showLoggedInUser();
    void moveContact(int step);
    void focusMoved(QWidget* now);
    void enterField(QLineEdit& edit, const FieldDefinition& field);
    void noteKey(const QKeyEvent& key);
    void applyKeystrokes();
    void applyKeystroke(char keystroke);
    void refreshCommands();
    void start(const QString& program);
    void comeToFront();

    Engine& engine_;
    int64_t processId_;
    QString programFolder_;
    int32_t desktopWindow_ = 0;
    FieldForm* fields_ = nullptr;
    QComboBox* users_ = nullptr;
    QLabel* position_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* tools_ = nullptr;
    QLineEdit* entered_ = nullptr; // the field entered last; leaving the window keeps it
    int64_t foregroundSeen_ = -1;
    std::vector<std::string> toolbarShown_;
    std::vector<std::string> toolsShown_;
    QTimer poller_;
    QMetaObject::Connection focusWatch_;
};

} // namespace corvane::sim::actsim
