// The configuration command: the about box, and the system page that the button closing it asks
// for, opened once the box is gone.
#pragma once

#include "page/PageContext.h"

#include <optional>
#include <string_view>

namespace tandrel {

/// The about box's buttons, by control id.
constexpr int kAboutOk = 1;
constexpr int kAboutHelp = 9;
constexpr int kAboutCustomization = 10;
constexpr int kAboutHomePage = 215;

/// The system entry the about box's closing button opens: Help the help index, Customization the
/// customisation help, Home Page the product's home page; none for OK, Escape and the close box.
std::optional<std::string_view> AboutBoxEntry(int closedWith);

/// Shows the about box and then opens the page of the button that closed it.
void RunConfigCommand(CPageContext& page);

} // namespace tandrel
