#pragma once

// The declarations that ActsimBase.idl stands in for when widl reads Actsim.idl: the SDK's own.
#include <ocidl.h>
#include <oleauto.h>
