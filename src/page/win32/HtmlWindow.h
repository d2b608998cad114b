// The browser window seen through the browser's scripting objects (IHTMLWindow2 and friends).
#pragma once

#include "page/BrowserWindow.h"

#include <unknwn.h>

namespace tandrel {

/// The browser window behind a window object handed to Click; null when the object is null or
/// does not offer the window interface.
BrowserWindowPtr WrapHtmlWindow(IUnknown* windowObject);

} // namespace tandrel
