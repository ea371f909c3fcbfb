#pragma once

#include "sim/engine/FieldStore.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace corvane::sim::actsim {

/// The current contact's fields as labels and line edits, in the order of the field list. A
/// protected field (entry rule 3) is read-only here: it changes only through `SetField`, which the
/// trigger calls. Each line edit is named "field" and its field number.
class FieldForm : public QWidget {
public:
    explicit FieldForm(std::vector<FieldDefinition> fields, QWidget* parent = nullptr);

    /// Shows each field's value as `valueOf` gives it; a field whose text is already right is left
    /// alone, so its caret stays.
    void showValues(const std::function<std::string(int16_t fieldNumber)>& valueOf);
    /// The field shown in that widget, or nothing.
    std::optional<FieldDefinition> fieldOf(const QWidget* widget) const;
    /// The line edit after this one (the first after the last), as Enter and Tab move in ACT!.
    QLineEdit* editAfter(const QLineEdit* edit) const;

    /// Called when the user changes a field's text.
    std::function<void(int16_t fieldNumber, const std::string& value)> edited;

private:
    std::vector<FieldDefinition> fields_;
    std::vector<QLineEdit*> edits_; // owned by Qt, one per field
};

} // namespace corvane::sim::actsim
