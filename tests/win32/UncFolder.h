#pragma once

#include <string>

namespace corvane::test {

/// An empty folder reached by a UNC path ("\\server\share\..."), removed with its content at the
/// end. Wine serves \\server\share from the folder dosdevices\unc\server\share of its prefix, so
/// under Wine the folder is a share of its own made there; on Windows it lies in the temporary
/// folder, reached through the administrative share of its drive.
class UncFolder {
public:
    UncFolder();
    ~UncFolder();
    UncFolder(const UncFolder&) = delete;
    UncFolder& operator=(const UncFolder&) = delete;

    /// The folder's UNC path; "" when no share could be had (the test then has nothing to run on).
    const std::string& path() const { return unc_; }

private:
    std::wstring local_; // the same folder by its local path
    std::string unc_;
};

} // namespace corvane::test
