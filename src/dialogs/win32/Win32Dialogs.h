// The module's dialogs on Windows, from the templates of the module that carries them.
#pragma once

#include "common/Platform.h"

#include <windows.h>

namespace tandrel {

class CWin32Dialogs : public IDialogs {
public:
    explicit CWin32Dialogs(HMODULE module) : module_(module) {}
    int ShowAboutBox() override;

private:
    HMODULE module_;
};

} // namespace tandrel
