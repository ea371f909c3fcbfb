#pragma once

#include "common/act/Act.h"
#include "sim/win32/actsim/DualObject.h"
#include "sim/win32/common/ActsimTypes.h"

namespace corvane::sim::win32 {

/// "ACTOLE.AUXCMDS", served over COM from the ACT! object of the engine.
class ServedAuxCommands final : public DualObject<IActAuxCommands> {
public:
    ServedAuxCommands(std::shared_ptr<const TypeLibrary> library, std::shared_ptr<act::AuxCommands> commands)
        : DualObject(std::move(library)), commands_(std::move(commands)) {}

    HRESULT STDMETHODCALLTYPE AuxCommandExists(BSTR name, long* exists) override;
    HRESULT STDMETHODCALLTYPE AddAuxCommand(BSTR name, BSTR commandLine, BSTR workingFolder, BSTR menuText,
                                            BSTR toolTip, BSTR smallIcon, BSTR largeIcon, short kind,
                                            long* result) override;
    HRESULT STDMETHODCALLTYPE AuxCommandExistsInToolbar(short view, BSTR name, long* exists) override;
    HRESULT STDMETHODCALLTYPE AuxCommandExistsInToolsMenu(short view, BSTR name, long* exists) override;
    HRESULT STDMETHODCALLTYPE AddAuxCommandToToolbar(short view, BSTR name, long* result) override;
    HRESULT STDMETHODCALLTYPE AddAuxCommandToToolsMenu(short view, BSTR name, long* result) override;
    HRESULT STDMETHODCALLTYPE RemoveAuxCommandFromToolbar(short view, BSTR name, long* result) override;
    HRESULT STDMETHODCALLTYPE RemoveAuxCommandFromToolsMenu(short view, BSTR name, long* result) override;

private:
    std::shared_ptr<act::AuxCommands> commands_;
};

} // namespace corvane::sim::win32
