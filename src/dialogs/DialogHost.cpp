#include "dialogs/DialogHost.h"

#include "common/Platform.h"

namespace tandrel {

namespace {

/// Before any host is installed every dialog counts as cancelled, so nothing runs by mistake.
class CNoDialogs : public IDialogHost {
public:
    int ShowAboutBox() override { return kIdCancel; }
    int ShowSiteList(SiteListRequest&) override { return kIdCancel; }
    int ShowCurrency(CurrencyRequest&) override { return kIdCancel; }
    int ShowConvert(const ConvertRequest&) override { return kIdCancel; }
};

CNoDialogs noDialogs;
IDialogHost* current = &noDialogs;

} // namespace

IDialogHost& CurrentDialogs() {
    return *current;
}

ScopedDialogHost::ScopedDialogHost(IDialogHost& host) : previous_(current) {
    current = &host;
}

ScopedDialogHost::~ScopedDialogHost() {
    current = previous_;
}

} // namespace tandrel
