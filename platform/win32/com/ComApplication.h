#pragma once

#include "common/act/Act.h"
#include "platform/win32/com/DispatchObject.h"

namespace corvane::win32::com {

// "ACTOLE.APPOBJECT" and the objects it hands out, over COM automation.

class ComView : public act::View {
public:
    explicit ComView(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    int16_t Type() override;
    int16_t CurrentFieldID() override;
    std::string GetField(int16_t fieldNumber) override;
    void SetField(int16_t fieldNumber, const std::string& value) override;

private:
    DispatchObject object_;
};

class ComViews : public act::Views {
public:
    explicit ComViews(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    std::shared_ptr<act::View> GetActive() override;
    std::shared_ptr<act::View> Create(int16_t viewType, const std::string& name) override;

private:
    DispatchObject object_;
};

class ComApplication : public act::Application {
public:
    explicit ComApplication(ComPtr<IDispatch> object) : object_(std::move(object)) {}
    void OpenFile(const std::string& name) override;
    std::shared_ptr<act::Views> Views() override;
    void Command(int16_t command) override;
    std::string GetUserID() override;
    std::string GetOpenDBName() override;

private:
    DispatchObject object_;
};

} // namespace corvane::win32::com
