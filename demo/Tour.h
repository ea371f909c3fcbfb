#pragma once

#include "demo/TourLog.h"
#include "platform/linux/ActRegistration.h"
#include "sim/actsim/ActsimWindow.h"
#include "sim/engine/Engine.h"

#include <QImage>

#include <memory>
#include <string>

class QWidget;

namespace corvane::demo {

/// The scripted tour of the real programs beside actsim, offscreen, in one process: the
/// administration tool and the trigger run on the Qt backend over the shared simulated ACT! (found
/// through its registration, as the Linux programs find it), and a scripted user acts through the
/// same entry points a real click or key reaches. Each step is printed with its checks and a
/// screenshot.
class Tour {
public:
    /// `folder` is made afresh; the database, the settings, the runtime folder and the screenshots
    /// ("screenshots") and what the administrator exports and prints ("exports") go there.
    explicit Tour(const std::string& folder);
    ~Tour();
    Tour(const Tour&) = delete;
    Tour& operator=(const Tour&) = delete;

    /// Runs every step; 0 when each did what it should.
    int run();

private:
    void actsimShowsTheDemoDatabase();
    void administratorSetsRights();
    void protectedFieldIsRefused();
    void valueIsPickedFromTheDropDown();
    void listEditorAddsAnItem();
    void administratorReviewsTheHistoryAndTheRights();

    /// In actsim, that user logs in and enters the protected field "ID/Status".
    void enterProtectedField(int16_t userPosition);
    std::string fieldValue();
    std::string settingsFile(const std::string& name) const;
    /// actsim's window with a window of the programs drawn where it lies on the screen.
    QImage actsimWith(QWidget* window);

    std::string folder_;
    TourLog log_;
    std::unique_ptr<sim::Engine> engine_;
    platform::linux_desktop::ActRegistration registration_;
    std::unique_ptr<sim::actsim::ActsimWindow> actsim_;
};

} // namespace corvane::demo
