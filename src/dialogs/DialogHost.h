// Where the commands show their dialogs: on Windows the module's dialog classes, in tests a host
// that answers from a list. The commands decide; the host only shows and reports.
#pragma once

#include "dialogs/SiteListDialog.h"

namespace tandrel {

struct ConvertRequest;
struct CurrencyRequest;

class IDialogHost {
public:
    virtual ~IDialogHost() = default;
    /// The about box, modal and without owner; the id of the button that closed it.
    virtual int ShowAboutBox() = 0;
    /// A site-list dialog, modal and without owner; 1 (OK, the ticks made and request.text the
    /// confirmed text), 2 (Cancel) or 9 (Help). The ticks stay in the entries whatever the end.
    virtual int ShowSiteList(SiteListRequest& request) = 0;
    /// The currency dialog; 1 (OK: request holds the amount as typed and the two currencies
    /// chosen), 2 or 9. The ticks stay in the entries whatever the end.
    virtual int ShowCurrency(CurrencyRequest& request) = 0;
    /// The conversion dialog, which calculates as often as asked; 1, 2 or 9.
    virtual int ShowConvert(const ConvertRequest& request) = 0;
};

/// The host installed for this process (or the innermost ScopedDialogHost).
IDialogHost& CurrentDialogs();

/// Installs a host for the lifetime of this object and restores the previous one after.
class ScopedDialogHost {
public:
    explicit ScopedDialogHost(IDialogHost& host);
    ~ScopedDialogHost();
    ScopedDialogHost(const ScopedDialogHost&) = delete;
    ScopedDialogHost& operator=(const ScopedDialogHost&) = delete;

private:
    IDialogHost* previous_;
};

} // namespace tandrel
