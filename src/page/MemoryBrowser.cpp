#include "page/MemoryBrowser.h"

namespace tandrel {

namespace {

// The value of an attribute (ID="...") in one piece of inserted markup, or none.
std::optional<std::u16string> MarkupAttribute(const std::u16string& markup,
                                              const std::u16string& attribute) {
    std::u16string opening = u" " + attribute + u"=\"";
    std::size_t start = markup.find(opening);
    if (start == std::u16string::npos)
        return std::nullopt;
    start += opening.size();
    std::size_t end = markup.find(u'"', start);
    if (end == std::u16string::npos)
        return std::nullopt;
    return markup.substr(start, end - start);
}

} // namespace

CMemoryWindow::CMemoryWindow(std::shared_ptr<BrowserLog> log) : log_(std::move(log)) {}

std::shared_ptr<CMemoryWindow> CMemoryWindow::MakeFrame() {
    auto frame = std::make_shared<CMemoryWindow>(log_);
    frame->top_ = TopWindow();
    return frame;
}

std::shared_ptr<CMemoryWindow> CMemoryWindow::TopWindow() {
    if (auto top = top_.lock())
        return top;
    return shared_from_this();
}

HResult CMemoryWindow::GetTop(BrowserWindowPtr& top) {
    top = nullptr;
    if (Failed(topResult))
        return topResult;
    if (topIsNull)
        return kFail;
    top = TopWindow();
    return kOk;
}

BrowserWindowPtr CMemoryWindow::Open(const std::u16string& address, const std::u16string& name,
                                     const std::u16string& features) {
    log_->events.push_back({BrowserEvent::kOpen, address, name, features, {}});
    if (openRefused)
        return nullptr;
    // A named window is reused by a later open with the same name, as browsers do.
    if (!name.empty() && name != u"_blank") {
        for (const auto& window : opened_) {
            if (window->name == name) {
                window->href = address;
                return window;
            }
        }
    }
    auto window = std::make_shared<CMemoryWindow>(log_);
    window->name = name;
    window->href = address;
    opened_.push_back(window);
    return window;
}

HResult CMemoryWindow::Navigate(const std::u16string& address) {
    log_->events.push_back({BrowserEvent::kNavigate, address, {}, {}, {}});
    return navigateResult;
}

bool CMemoryWindow::BringToFront() {
    if (frontFails)
        return false;
    log_->events.push_back({BrowserEvent::kFront, href.value_or(u""), name.value_or(u""), {}, {}});
    return true;
}

bool CMemoryWindow::InsertAtBodyEnd(const std::u16string& markup) {
    if (!hasBody || insertFails)
        return false;
    log_->events.push_back({BrowserEvent::kInsert, {}, {}, {}, markup});
    bodyMarkup_.push_back(markup);
    return true;
}

bool CMemoryWindow::ClickAnchor(const std::u16string& id) {
    if (clickFails)
        return false;
    // The first anchor with the id wins, as document.anchors.item(id, 0) gives it.
    for (const std::u16string& markup : bodyMarkup_) {
        if (MarkupAttribute(markup, u"ID") != id)
            continue;
        log_->events.push_back({BrowserEvent::kClick,
                                MarkupAttribute(markup, u"HREF").value_or(u""),
                                MarkupAttribute(markup, u"TARGET").value_or(u""),
                                {},
                                {}});
        return true;
    }
    return false;
}

bool CMemoryWindow::HasAnchor(const std::u16string& id) {
    for (const std::u16string& markup : bodyMarkup_) {
        if (MarkupAttribute(markup, u"ID") == id)
            return true;
    }
    return false;
}

} // namespace tandrel
