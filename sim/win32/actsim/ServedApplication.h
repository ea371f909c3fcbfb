#pragma once

#include "common/act/Act.h"
#include "sim/win32/actsim/DualObject.h"
#include "sim/win32/common/ActsimTypes.h"

// "ACTOLE.APPOBJECT" and the objects it hands out, served over COM from the ACT! objects of the
// engine.

namespace corvane::sim::win32 {

class ServedView final : public DualObject<IActView> {
public:
    ServedView(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::View> view)
        : DualObject(std::move(library)), view_(std::move(view)) {}

    HRESULT STDMETHODCALLTYPE Type(short* viewType) override;
    HRESULT STDMETHODCALLTYPE CurrentFieldID(short* fieldNumber) override;
    HRESULT STDMETHODCALLTYPE GetField(short fieldNumber, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE SetField(short fieldNumber, BSTR value) override;

private:
    std::shared_ptr<act::View> view_;
};

class ServedViews final : public DualObject<IActViews> {
public:
    ServedViews(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::Views> views)
        : DualObject(std::move(library)), views_(std::move(views)) {}

    HRESULT STDMETHODCALLTYPE GetActive(IDispatch** view) override;
    HRESULT STDMETHODCALLTYPE Create(short viewType, BSTR name, IDispatch** view) override;

private:
    std::shared_ptr<act::Views> views_;
};

class ServedApplication final : public DualObject<IActApplication> {
public:
    ServedApplication(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::Application> application)
        : DualObject(std::move(library)), application_(std::move(application)) {}

    HRESULT STDMETHODCALLTYPE OpenFile(BSTR name) override;
    HRESULT STDMETHODCALLTYPE Views(IDispatch** views) override;
    HRESULT STDMETHODCALLTYPE Command(short command) override;
    HRESULT STDMETHODCALLTYPE GetUserID(BSTR* uniqueId) override;
    HRESULT STDMETHODCALLTYPE GetOpenDBName(BSTR* path) override;

private:
    std::shared_ptr<act::Application> application_;
};

} // namespace corvane::sim::win32
