#include "sim/actsim/FieldForm.h"

#include "platform/qt/AnsiText.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace corvane::sim::actsim {

namespace ansi = forms::qt::ansi;

namespace {

constexpr int32_t kProtectedEntryRule = 3;

} // namespace

FieldForm::FieldForm(std::vector<FieldDefinition> fields, QWidget* parent)
    : QWidget(parent), fields_(std::move(fields)) {
    auto* layout = new QFormLayout(this);
    for (const FieldDefinition& field : fields_) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(field.entryRule == kProtectedEntryRule);
        edit->setObjectName(QString("field%1").arg(field.number));
        edit->setMinimumWidth(260);
        const int16_t number = field.number;
        connect(edit, &QLineEdit::textEdited, this, [this, number](const QString& text) {
            if (edited) {
                edited(number, ansi::fromQt(text));
            }
        });
        layout->addRow(new QLabel(ansi::toQt(field.label), this), edit);
        edits_.push_back(edit);
    }
}

void FieldForm::showValues(const std::function<std::string(int16_t fieldNumber)>& valueOf) {
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString value = ansi::toQt(valueOf(fields_[i].number));
        if (edits_[i]->text() != value) {
            edits_[i]->setText(value);
        }
    }
}

std::optional<FieldDefinition> FieldForm::fieldOf(const QWidget* widget) const {
    auto found = std::find(edits_.begin(), edits_.end(), widget);
    if (found == edits_.end()) {
        return std::nullopt;
    }
    return fields_[static_cast<size_t>(found - edits_.begin())];
}

QLineEdit* FieldForm::editAfter(const QLineEdit* edit) const {
    auto found = std::find(edits_.begin(), edits_.end(), edit);
    if (found == edits_.end() || ++found == edits_.end()) {
        return edits_.empty() ? nullptr : edits_.front();
    }
    return *found;
}

} // namespace corvane::sim::actsim
