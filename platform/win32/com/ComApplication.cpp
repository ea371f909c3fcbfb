#include "platform/win32/com/ComApplication.h"

namespace corvane::win32::com {

int16_t ComView::Type() {
    return object_.call("Type").toInt16();
}

int16_t ComView::CurrentFieldID() {
    return object_.call("CurrentFieldID").toInt16();
}

std::string ComView::GetField(int16_t fieldNumber) {
    return object_.call("GetField", Argument::int16ByRef(fieldNumber)).toText();
}

void ComView::SetField(int16_t fieldNumber, const std::string& value) {
    object_.call("SetField", Argument::int16ByRef(fieldNumber), Argument::text(value));
}

std::shared_ptr<act::View> ComViews::GetActive() {
    return std::make_shared<ComView>(object_.call("GetActive").toObject());
}

std::shared_ptr<act::View> ComViews::Create(int16_t viewType, const std::string& name) {
    return std::make_shared<ComView>(
        object_.call("Create", Argument::int16ByRef(viewType), Argument::text(name)).toObject());
}

void ComApplication::OpenFile(const std::string& name) {
    object_.call("OpenFile", Argument::text(name));
}

std::shared_ptr<act::Views> ComApplication::Views() {
    return std::make_shared<ComViews>(object_.call("Views").toObject());
}

void ComApplication::Command(int16_t command) {
    object_.call("Command", Argument::int16(command));
}

std::string ComApplication::GetUserID() {
    return object_.call("GetUserID").toText();
}

std::string ComApplication::GetOpenDBName() {
    return object_.call("GetOpenDBName").toText();
}

} // namespace corvane::win32::com
