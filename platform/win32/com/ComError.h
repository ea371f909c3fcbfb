#pragma once

#include "common/RuntimeError.h"
#include "platform/win32/ui/WinApi.h"

namespace corvane::win32::com {

/// The error a VB program would have seen for a failed call of ACT!'s automation: 438 for an unknown
/// member, 13 for a type mismatch, 6 for an overflow, 450 for wrong arguments; for an exception the
/// object raised, its own number and description (a VB-style code 0x800Axxxx is VB's error xxxx);
/// for any other failure the HRESULT itself as the number, with "Automation error".
RuntimeError errorOf(HRESULT result, EXCEPINFO* exception = nullptr);

} // namespace corvane::win32::com
