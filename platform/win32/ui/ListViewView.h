#pragma once

#include "forms/ListView.h"
#include "platform/win32/ui/ControlView.h"

#include <string>
#include <utility>
#include <vector>

namespace corvane::forms::win32 {

/// A list view in report view with the model's geometry: a header of `ListView::kHeaderPixels` and
/// rows as high as the model says (a blank small-icon list sets them: the control makes each row a
/// pixel or so higher than the images, so their height is measured against the first row). Check marks
/// and clicks go to the model; a click's point is in the list's own coordinates, the header
/// included, as the model measures item tops.
class ListViewView : public ControlView {
public:
    ListViewView(ListView& list, HWND parent, const ViewContext& context);
    ~ListViewView() override;

    LRESULT notify(const NMHDR& header) override;

protected:
    void syncContent() override;
    std::optional<LRESULT> message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void syncColumns();
    void syncRowHeight();
    void setRowImages(int pixels);
    void syncRows();
    void showRow(int row, const ListItem& model);
    void itemChanged(const NMLISTVIEW& change);
    void mouseReleased(int button, POINT at);
    void reportScroll();
    static LRESULT CALLBACK headerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    ListView& list_;
    /// An item and the revision of it that its row shows.
    struct ShownRow {
        const ListItem* item;
        uint64_t revision;
    };
    static constexpr uint64_t kNeverShown = ~uint64_t{0};

    std::vector<ShownRow> shownRows_;
    /// The columns the control shows: their texts and widths in pixels.
    std::vector<std::pair<std::string, int>> shownColumns_;
    HIMAGELIST rowImages_ = nullptr; // owned
    int imagePixels_ = 0;
    HWND header_; // a child of the list's window
    WNDPROC headerOriginal_;
};

} // namespace corvane::forms::win32
