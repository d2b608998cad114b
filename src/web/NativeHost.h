// The name of the browser extension's native messaging host (tandrel-host), which runs the console
// commands of link entries for the extension: the host registers itself with the browsers under
// it, and the extension hands it the browser (the menu call's "nativeHost").
#pragma once

#include <string_view>

namespace tandrel::web {

constexpr std::string_view kNativeHostName = "com.veltrane.tandrel";

} // namespace tandrel::web
