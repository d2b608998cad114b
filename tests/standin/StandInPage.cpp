#include "StandInPage.h"

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"

namespace tandrel::standin {

long& detail::LiveObjectCount() {
    static long count = 0;
    return count;
}

long LiveStandInObjects() {
    return detail::LiveObjectCount();
}

StandInPage::StandInPage(const StandInPageDescription& described)
    : log_(std::make_shared<StandInLog>()), browser_(std::make_shared<detail::BrowserState>()) {
    browser_->log = log_;
    top_ = detail::CreateWindowObject(described.top, u"top", nullptr, browser_);
    frame_ = described.frame
                 ? detail::CreateWindowObject(*described.frame, u"frame", top_, browser_)
                 : top_;
}

StandInPage::~StandInPage() {
    detail::CloseOpenedWindows(*browser_);
}

std::vector<ComPtr<IHTMLWindow2>> StandInPage::OpenedWindows() const {
    std::vector<ComPtr<IHTMLWindow2>> windows;
    for (const auto& opened : browser_->opened)
        windows.push_back(opened.window);
    return windows;
}

namespace {

class CNonWindowObject : public ComObject<NotImplemented<IDispatch>> {
public:
    explicit CNonWindowObject(std::shared_ptr<StandInLog> log) : log_(std::move(log)) {}

protected:
    void* FindInterface(REFIID iid) override {
        log_->CountRead("QueryInterface(non-window)");
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

private:
    std::shared_ptr<StandInLog> log_;
};

} // namespace

ComPtr<IDispatch> CreateNonWindowObject(std::shared_ptr<StandInLog> log) {
    return ComPtr<IDispatch>(new CNonWindowObject(std::move(log)));
}

} // namespace tandrel::standin
