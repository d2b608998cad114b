// The fixed identities of the scriptable object in their registry (braced string) form.
// The type library description holds the same values; a Windows test checks they agree.
#pragma once

namespace tandrel {

constexpr char16_t kClassIdText[] = u"{A5B270CF-803F-4CC9-A9E9-F319C4629370}";
constexpr char16_t kInterfaceIdText[] = u"{9EDC1695-2D07-4CB4-A64C-E8066BC4A4DA}";
constexpr char16_t kLibraryIdText[] = u"{86F6C9D3-1FE9-4739-8EBC-333606DD9D27}";

constexpr char16_t kProgId[] = u"KVO.ATandrel.1";
constexpr char16_t kVersionIndependentProgId[] = u"KVO.ATandrel";
constexpr char16_t kClassDescription[] = u"ATandrel Class";

} // namespace tandrel
