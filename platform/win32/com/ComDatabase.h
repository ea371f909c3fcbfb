#pragma once

#include "common/act/Act.h"
#include "platform/win32/com/DispatchObject.h"

namespace corvane::win32::com {

// "ACTOLE.DATABASE" and the objects it hands out, over COM automation.

class ComFields : public act::Fields {
public:
    explicit ComFields(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int32_t Count() override;
    int16_t ID(int16_t index) override;
    std::string Label(int16_t index) override;
    int32_t EntryRule(const std::string& fieldNumberText) override;

private:
    DispatchObject object_;
};

class ComContactTable : public act::ContactTable {
public:
    explicit ComContactTable(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    std::shared_ptr<act::Fields> Fields() override;

private:
    DispatchObject object_;
};

class ComUsers : public act::Users {
public:
    explicit ComUsers(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int32_t Count() override;
    std::string Name(int16_t position) override;
    std::string UniqueID(const std::string& positionText) override;
    int32_t CurrentUserSecurity() override;

private:
    DispatchObject object_;
};

class ComDatabase : public act::Database {
public:
    explicit ComDatabase(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    void OpenEx(const std::string& name) override;
    std::shared_ptr<act::ContactTable> Contact() override;
    std::shared_ptr<act::Users> Users() override;

private:
    DispatchObject object_;
};

} // namespace corvane::win32::com
