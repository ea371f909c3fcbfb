#include "sim/win32/actsim/ServedApplication.h"

namespace corvane::sim::win32 {

HRESULT ServedView::Type(short* viewType) {
    return give(viewType, [&] { return view_->Type(); });
}

HRESULT ServedView::CurrentFieldID(short* fieldNumber) {
    return give(fieldNumber, [&] { return view_->CurrentFieldID(); });
}

HRESULT ServedView::GetField(short fieldNumber, BSTR* value) {
    return give(value, [&] { return view_->GetField(fieldNumber); });
}

HRESULT ServedView::SetField(short fieldNumber, BSTR value) {
    return serve([&] { view_->SetField(fieldNumber, ansiOf(value)); });
}

HRESULT ServedViews::GetActive(IDispatch** view) {
    return give(view, [&] { return newDispatch<ServedView>(library(), views_->GetActive()); });
}

HRESULT ServedViews::Create(short viewType, BSTR name, IDispatch** view) {
    return give(view, [&] { return newDispatch<ServedView>(library(), views_->Create(viewType, ansiOf(name))); });
}

HRESULT ServedApplication::OpenFile(BSTR name) {
    return serve([&] { application_->OpenFile(ansiOf(name)); });
}

HRESULT ServedApplication::Views(IDispatch** views) {
    return give(views, [&] { return newDispatch<ServedViews>(library(), application_->Views()); });
}

HRESULT ServedApplication::Command(short command) {
    return serve([&] { application_->Command(command); });
}

HRESULT ServedApplication::GetUserID(BSTR* uniqueId) {
    return give(uniqueId, [&] { return application_->GetUserID(); });
}

HRESULT ServedApplication::GetOpenDBName(BSTR* path) {
    return give(path, [&] { return application_->GetOpenDBName(); });
}

} // namespace corvane::sim::win32
