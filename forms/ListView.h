#pragma once

#include "forms/ColumnHeader.h"
#include "forms/Control.h"
#include "forms/ListItems.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace corvane::forms {

class ImageList;

/// Design properties of a ListView beyond `ControlProps`.
struct ListViewOptions {
    std::vector<ColumnProps> columns;
    bool checkboxes = false;
};

/// A list view in report view: column headers, items, single selection, optional check boxes.
///
/// Geometry is deterministic, in twips in the list's own coordinates: the header row is
/// `kHeaderPixels` high; each row is `kDefaultRowPixels` high, or as high as the images of the
/// small-icon list when those are higher; columns lie side by side from the left edge. A backend
/// renders with the same geometry, so placement arithmetic gives the same result everywhere.
class ListView : public Control {
public:
    static constexpr int32_t kHeaderPixels = 17;
    static constexpr int32_t kDefaultRowPixels = 17;

    using Options = ListViewOptions;

    ListView(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::ListView; }
    bool canFocus() const override { return true; }

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    /// The column at a position from 1; VB's error 35600 outside.
    const ColumnHeader& ColumnHeaders(int index) const;
    /// The column with that key; VB's error 35601 "Element not found" when none has it.
    const ColumnHeader& ColumnHeaders(std::string_view key) const;

    /// Adds a column after the last (VB's `ColumnHeaders.Add`).
    void AddColumn(ColumnProps props);

    forms::ListItems& ListItems() { return items_; }
    /// The item at a position from 1.
    ListItem& ListItems(int index) { return items_.Item(index); }
    /// The selected item, or null (VB's Nothing).
    ListItem* SelectedItem();
    /// The item whose row lies under the point, or null. Rows scrolled out of view count where
    /// they lie, as item tops do.
    ListItem* HitTest(float x, float y);

    bool Checkboxes() const { return options_.checkboxes; }
    const ImageList* SmallIcons() const { return smallIcons_; }
    /// Attaches an image list (not owned) as the small-icon list; null detaches.
    void setSmallIcons(const ImageList* images);

    int32_t HeaderHeight();
    int32_t RowHeight();
    /// How far the rows are scrolled up, in twips; item tops are measured in the visible list.
    int32_t ScrollOffset() const { return scrollOffset_; }

    /// A mouse button was released over the list: button 1 left, 2 right, 4 middle; shift state;
    /// x and y in twips, in the list's own coordinates.
    std::function<void(int button, int shift, float x, float y)> MouseUp;
    /// The user changed an item's check mark.
    std::function<void(ListItem& item)> ItemCheck;

    /// The user pressed a mouse button over the list and released it: the item under the pointer
    /// (if any) is selected, as the press does, then `MouseUp` fires.
    void userMouseUp(int button, int shift, float x, float y);
    /// The user clicked an item's check box.
    void userCheck(ListItem& item, bool checked);
    /// The user scrolled the rows; `offset` in twips from the first row (fires nothing).
    void userScroll(int32_t offset) { scrollOffset_ = offset; }

    // Used by the items.
    int indexOf(const ListItem& item) const;
    void clearSelection();
    void itemChanged() { changed(); }
    uint64_t nextRevision() { return ++revisions_; }

private:
    void appendColumn(ColumnProps props);

    Options options_;
    int32_t scrollOffset_ = 0;
    uint64_t revisions_ = 0;
    std::vector<ColumnHeader> columns_;
    forms::ListItems items_;
    const ImageList* smallIcons_ = nullptr; // owned by the form
};

} // namespace corvane::forms
