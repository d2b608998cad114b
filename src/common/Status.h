// Status codes shared by the portable core and the COM boundary. The values are those of the
// platform's HRESULTs so that a code can cross the boundary unchanged.
#pragma once

#include <cstdint>

namespace tandrel {

using HResult = std::int32_t;

constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;
constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
constexpr HResult kFail = static_cast<HResult>(0x80004005u);
constexpr HResult kAccessDenied = static_cast<HResult>(0x80070005u);

/// The platform's error codes that the disk and in-memory platforms report, as Win32 numbers them.
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorReadFault = 30;
constexpr std::uint32_t kErrorSharingViolation = 32;

/// True for every failure code (the sign bit is set).
constexpr bool Failed(HResult hr) {
    return hr < 0;
}

/// The status made from a platform error code; 0 (no error) stays success.
constexpr HResult HResultFromWin32(std::uint32_t code) {
    return code == 0 ? kOk : static_cast<HResult>((code & 0xFFFFu) | 0x80070000u);
}

} // namespace tandrel
