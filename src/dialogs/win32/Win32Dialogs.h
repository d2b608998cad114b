// The module's dialogs on Windows, from the templates of the module that carries them.
#pragma once

#include "dialogs/DialogHost.h"

#include <windows.h>

namespace tandrel {

class CWin32Dialogs : public IDialogHost {
public:
    explicit CWin32Dialogs(HMODULE module) : module_(module) {}
    int ShowAboutBox() override;
    int ShowSiteList(SiteListRequest& request) override;
    int ShowCurrency(CurrencyRequest& request) override;
    int ShowConvert(const ConvertRequest& request) override;

private:
    HMODULE module_;
};

} // namespace tandrel
