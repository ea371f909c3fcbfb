#include "sim/win32/actsim/ServedDatabase.h"

namespace corvane::sim::win32 {

HRESULT ServedFields::Count(long* count) {
    return give(count, [&] { return fields_->Count(); });
}

HRESULT ServedFields::ID(short index, short* fieldNumber) {
    return give(fieldNumber, [&] { return fields_->ID(index); });
}

HRESULT ServedFields::Label(short index, BSTR* label) {
    return give(label, [&] { return fields_->Label(index); });
}

HRESULT ServedFields::EntryRule(BSTR fieldNumberText, long* entryRule) {
    return give(entryRule, [&] { return fields_->EntryRule(ansiOf(fieldNumberText)); });
}

HRESULT ServedContactTable::Fields(IDispatch** fields) {
    return give(fields, [&] { return newDispatch<ServedFields>(library(), table_->Fields()); });
}

HRESULT ServedUsers::Count(long* count) {
    return give(count, [&] { return users_->Count(); });
}

HRESULT ServedUsers::Name(short position, BSTR* name) {
    return give(name, [&] { return users_->Name(position); });
}

HRESULT ServedUsers::UniqueID(BSTR positionText, BSTR* uniqueId) {
    return give(uniqueId, [&] { return users_->UniqueID(ansiOf(positionText)); });
}

HRESULT ServedUsers::CurrentUserSecurity(long* security) {
    return give(security, [&] { return users_->CurrentUserSecurity(); });
}

HRESULT ServedDatabase::OpenEx(BSTR name) {
    return serve([&] { database_->OpenEx(ansiOf(name)); });
}

HRESULT ServedDatabase::Contact(IDispatch** contactTable) {
    return give(contactTable, [&] { return newDispatch<ServedContactTable>(library(), database_->Contact()); });
}

HRESULT ServedDatabase::Users(IDispatch** users) {
    return give(users, [&] { return newDispatch<ServedUsers>(library(), database_->Users()); });
}

} // namespace corvane::sim::win32
