#include "platform/win32/ui/ListViewView.h"

#include <algorithm>

namespace corvane::forms::win32 {

namespace {
constexpr const char* kOriginalProperty = "Corvane.HeaderProc";
constexpr UINT kUnchecked = 1;
constexpr UINT kChecked = 2;

UINT stateImageOf(UINT state) {
    return (state & LVIS_STATEIMAGEMASK) >> 12;
}

int vbShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}
} // namespace

ListViewView::ListViewView(ListView& list, HWND parent, const ViewContext& context)
    : ControlView(list, context, parent, WC_LISTVIEWA, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                  WS_EX_CLIENTEDGE),
      list_(list), header_(reinterpret_cast<HWND>(SendMessageA(window(), LVM_GETHEADER, 0, 0))),
      headerOriginal_(reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(header_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListViewView::headerProc)))) {
    SetPropA(header_, kOriginalProperty, reinterpret_cast<HANDLE>(headerOriginal_));
    DWORD extended = LVS_EX_FULLROWSELECT;
    if (list_.Checkboxes()) {
        extended |= LVS_EX_CHECKBOXES;
    }
    SendMessageA(window(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, static_cast<LPARAM>(extended));
    syncColumns();
}

ListViewView::~ListViewView() {
    if (IsWindow(header_)) {
        SetWindowLongPtrA(header_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(headerOriginal_));
        RemovePropA(header_, kOriginalProperty);
    }
    if (rowImages_ != nullptr) {
        if (IsWindow(window())) {
            SendMessageA(window(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
        }
        ImageList_Destroy(rowImages_);
    }
}

LRESULT CALLBACK ListViewView::headerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProperty));
    const LRESULT result = CallWindowProcA(original, window, msg, wParam, lParam);
    if (msg == HDM_LAYOUT) {
        // The header is as high as the model's, whatever the font asks for.
        auto& layout = *reinterpret_cast<HDLAYOUT*>(lParam);
        layout.pwpos->cy = ListView::kHeaderPixels;
        layout.prc->top = layout.pwpos->y + ListView::kHeaderPixels;
    }
    return result;
}

void ListViewView::syncColumns() {
    std::vector<std::pair<std::string, int>> wanted;
    for (int i = 1; i <= list_.ColumnCount(); ++i) {
        const ColumnHeader& column = list_.ColumnHeaders(i);
        wanted.emplace_back(column.Text(), scale().x(column.Width()));
    }
    if (wanted == shownColumns_) {
        return;
    }
    // The first column cannot be deleted, so it is set in place; the others are inserted anew.
    for (auto column = static_cast<int>(shownColumns_.size()) - 1; column >= 1; --column) {
        SendMessageA(window(), LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
    }
    for (size_t i = 0; i < wanted.size(); ++i) {
        std::string text = wanted[i].first;
        LVCOLUMNA entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.pszText = text.data();
        entry.cx = wanted[i].second;
        entry.iSubItem = static_cast<int>(i);
        const UINT message = i == 0 && !shownColumns_.empty() ? LVM_SETCOLUMNA : LVM_INSERTCOLUMNA;
        SendMessageA(window(), message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&entry));
    }
    shownColumns_ = std::move(wanted);
    for (ShownRow& row : shownRows_) {
        row.revision = kNeverShown;
    }
}

void ListViewView::syncContent() {
    syncColumns();
    syncRows();
    syncRowHeight();
}

void ListViewView::syncRowHeight() {
    // Rows are as high as the small images (no item shows one), give or take what the control adds
    // to them: the first row tells, once there is one.
    const int wanted = scale().y(list_.RowHeight());
    if (rowImages_ == nullptr) {
        setRowImages(wanted);
    }
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (SendMessageA(window(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)) == FALSE) {
        return;
    }
    const int shown = row.bottom - row.top;
    if (shown != wanted) {
        setRowImages(std::max(1, imagePixels_ + wanted - shown));
    }
}

void ListViewView::setRowImages(int pixels) {
    HIMAGELIST images = ImageList_Create(1, pixels, ILC_COLOR, 0, 1);
    SendMessageA(window(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    if (rowImages_ != nullptr) {
        ImageList_Destroy(rowImages_);
    }
    rowImages_ = images;
    imagePixels_ = pixels;
}

void ListViewView::syncRows() {
    // Rows that still show the same items stay; the rest go, and rows for the items after them are
    // inserted. Only rows whose item changed since it was shown get their texts and state again, so
    // a list filled item by item, or a click in a long list, costs a few messages, not the whole list.
    const int count = list_.ListItems().Count();
    size_t kept = 0;
    while (kept < shownRows_.size() && kept < static_cast<size_t>(count) &&
           shownRows_[kept].item == &list_.ListItems(static_cast<int>(kept) + 1)) {
        ++kept;
    }
    if (kept == 0) {
        SendMessageA(window(), LVM_DELETEALLITEMS, 0, 0);
    } else {
        for (size_t row = shownRows_.size(); row > kept; --row) {
            SendMessageA(window(), LVM_DELETEITEM, row - 1, 0);
        }
    }
    shownRows_.resize(kept);
    for (int row = static_cast<int>(kept); row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>("");
        SendMessageA(window(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        shownRows_.push_back({&list_.ListItems(row + 1), kNeverShown});
    }
    for (int row = 0; row < count; ++row) {
        ShownRow& shown = shownRows_[static_cast<size_t>(row)];
        if (shown.revision != shown.item->Revision()) {
            showRow(row, *shown.item);
            shown.revision = shown.item->Revision();
        }
    }
}

void ListViewView::showRow(int row, const ListItem& model) {
    for (int column = 0; column < list_.ColumnCount(); ++column) {
        std::string text = column == 0 ? model.Text() : model.SubItems(column);
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = text.data();
        SendMessageA(window(), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED | (list_.Checkboxes() ? LVIS_STATEIMAGEMASK : 0U);
    state.state = (model.Selected() ? LVIS_SELECTED | LVIS_FOCUSED : 0U) |
                  (list_.Checkboxes() ? INDEXTOSTATEIMAGEMASK(model.Checked() ? kChecked : kUnchecked) : 0U);
    SendMessageA(window(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

LRESULT ListViewView::notify(const NMHDR& header) {
    switch (header.code) {
    case LVN_ITEMCHANGED:
        itemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        break;
    case NM_CLICK:
        mouseReleased(1, reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
        break;
    case NM_RCLICK:
        mouseReleased(2, reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction);
        break;
    case LVN_ENDSCROLL:
        reportScroll();
        break;
    default:
        break;
    }
    return 0;
}

void ListViewView::itemChanged(const NMLISTVIEW& change) {
    if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0 || change.iItem >= list_.ListItems().Count()) {
        return;
    }
    ListItem& item = list_.ListItems(change.iItem + 1);
    if (!syncing() && static_cast<size_t>(change.iItem) < shownRows_.size()) {
        // The control changed the row itself; the model decides what it shows next.
        shownRows_[static_cast<size_t>(change.iItem)].revision = kNeverShown;
    }
    const UINT before = stateImageOf(change.uOldState);
    const UINT after = stateImageOf(change.uNewState);
    // A new row gets its first check box image (from none): that is no check by the user.
    if (list_.Checkboxes() && before != 0 && before != after) {
        user([&] { list_.userCheck(item, after == kChecked); });
    }
    if ((change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0) {
        user([&] { item.setSelected(true); });
    }
}

std::optional<LRESULT> ListViewView::message(UINT msg, WPARAM, LPARAM lParam) {
    // The list reports left and right clicks itself; the middle button's release comes as it is.
    if (msg == WM_MBUTTONUP) {
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        mouseReleased(4, at);
    }
    return std::nullopt;
}

void ListViewView::mouseReleased(int button, POINT at) {
    reportScroll();
    const float x = scale().twipsX(at.x + GetScrollPos(window(), SB_HORZ));
    const float y = scale().twipsY(at.y);
    const int shift = vbShiftState();
    user([&] { list_.userMouseUp(button, shift, x, y); });
}

void ListViewView::reportScroll() {
    const auto top = static_cast<int32_t>(SendMessageA(window(), LVM_GETTOPINDEX, 0, 0));
    user([&] { list_.userScroll(top * list_.RowHeight()); });
}

} // namespace corvane::forms::win32
