// The part of a selection's markup that the page shows: elements the markup itself marks hidden
// are left out, so that text a page hides from its reader never feeds the code finders.
#pragma once

#include <string>
#include <string_view>

namespace tandrel {

/// The markup with every element the markup marks hidden left out, with all it holds: an element
/// with a "hidden" attribute, aria-hidden="true", or an inline style of display:none or
/// visibility:hidden (or collapse). Everything else stays as it is. One pass, linear in the
/// length; broken markup is read as far as it goes: a hidden element never closed hides the rest,
/// an unclosed tag ends the text, a "<" that starts no tag is text.
std::u16string WithoutHiddenElements(std::u16string_view html);

} // namespace tandrel
