#pragma once

#include "common/act/Act.h"
#include "sim/win32/actsim/DualObject.h"
#include "sim/win32/common/ActsimTypes.h"

// "ACTOLE.DATABASE" and the objects it hands out, served over COM from the ACT! objects of the engine.

namespace corvane::sim::win32 {

class ServedFields final : public DualObject<IActFields> {
public:
    ServedFields(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::Fields> fields)
        : DualObject(std::move(library)), fields_(std::move(fields)) {}

    HRESULT STDMETHODCALLTYPE Count(long* count) override;
    HRESULT STDMETHODCALLTYPE ID(short index, short* fieldNumber) override;
    HRESULT STDMETHODCALLTYPE Label(short index, BSTR* label) override;
    HRESULT STDMETHODCALLTYPE EntryRule(BSTR fieldNumberText, long* entryRule) override;

private:
    std::shared_ptr<act::Fields> fields_;
};

class ServedContactTable final : public DualObject<IActContactTable> {
public:
    ServedContactTable(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::ContactTable> table)
        : DualObject(std::move(library)), table_(std::move(table)) {}

    HRESULT STDMETHODCALLTYPE Fields(IDispatch** fields) override;

private:
    std::shared_ptr<act::ContactTable> table_;
};

class ServedUsers final : public DualObject<IActUsers> {
public:
    ServedUsers(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::Users> users)
        : DualObject(std::move(library)), users_(std::move(users)) {}

    HRESULT STDMETHODCALLTYPE Count(long* count) override;
    HRESULT STDMETHODCALLTYPE Name(short position, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE UniqueID(BSTR positionText, BSTR* uniqueId) override;
    HRESULT STDMETHODCALLTYPE CurrentUserSecurity(long* security) override;

private:
    std::shared_ptr<act::Users> users_;
};

class ServedDatabase final : public DualObject<IActDatabase> {
public:
    ServedDatabase(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::Database> database)
        : DualObject(std::move(library)), database_(std::move(database)) {}

    HRESULT STDMETHODCALLTYPE OpenEx(BSTR name) override;
    HRESULT STDMETHODCALLTYPE Contact(IDispatch** contactTable) override;
    HRESULT STDMETHODCALLTYPE Users(IDispatch** users) override;

private:
    std::shared_ptr<act::Database> database_;
};

} // namespace corvane::sim::win32
