#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::platform::linux_desktop {

/// The per-user note that a simulated ACT! runs, so the programs find its database without options
/// of their own: the file "corvane-actsim" in the user's runtime folder holds the process id of
/// actsim and the path of the database it has open. Writes are atomic; a note whose process has
/// ended, or whose database file is gone, counts as none.
class ActRegistration {
public:
    /// The note lives in `folder`, which must exist when it is written.
    explicit ActRegistration(std::string folder);

    /// The user's runtime folder: $XDG_RUNTIME_DIR, else the configuration folder ($XDG_CONFIG_HOME,
    /// else ~/.config).
    static std::string userFolder();

    /// Notes that process `pid` runs ACT! with that database. Fails with 76 when the folder is missing.
    void publish(int64_t pid, const std::string& databasePath);
    /// Removes the note when it is still the one of process `pid`; another copy's note stays.
    void withdraw(int64_t pid);
    /// The database of the ACT! that runs now, or nothing.
    std::optional<std::string> find() const;

    const std::string& file() const { return file_; }

private:
    struct Note {
        int64_t pid = 0;
        std::string databasePath;
    };
    std::optional<Note> read() const;

    std::string file_;
};

} // namespace corvane::platform::linux_desktop
