#include "platform/win32/com/ComDatabase.h"

namespace corvane::win32::com {

int32_t ComFields::Count() {
    return object_.call("Count").toInt32();
}

int16_t ComFields::ID(int16_t index) {
    return object_.call("ID", Argument::int16ByRef(index)).toInt16();
}

std::string ComFields::Label(int16_t index) {
    return object_.call("Label", Argument::int16ByRef(index)).toText();
}

int32_t ComFields::EntryRule(const std::string& fieldNumberText) {
    return object_.call("EntryRule", Argument::textByRef(fieldNumberText)).toInt32();
}

std::shared_ptr<act::Fields> ComContactTable::Fields() {
    return std::make_shared<ComFields>(object_.call("Fields").toObject());
}

int32_t ComUsers::Count() {
    return object_.call("Count").toInt32();
}

std::string ComUsers::Name(int16_t position) {
    return object_.call("Name", Argument::int16ByRef(position)).toText();
}

std::string ComUsers::UniqueID(const std::string& positionText) {
    return object_.call("UniqueID", Argument::text(positionText)).toText();
}

int32_t ComUsers::CurrentUserSecurity() {
    return object_.call("CurrentUserSecurity").toInt32();
}

void ComDatabase::OpenEx(const std::string& name) {
    object_.call("OpenEx", Argument::text(name));
}

std::shared_ptr<act::ContactTable> ComDatabase::Contact() {
    return std::make_shared<ComContactTable>(object_.call("Contact").toObject());
}

std::shared_ptr<act::Users> ComDatabase::Users() {
    return std::make_shared<ComUsers>(object_.call("Users").toObject());
}

} // namespace corvane::win32::com
