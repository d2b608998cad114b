// document.body, document.anchors and the anchor elements in it. The body keeps the markup
// inserted into it; the anchors collection finds the <A> elements of that markup live, so an
// anchor inserted a moment ago can be looked up and clicked.

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"
#include "StandInText.h"

namespace tandrel::standin::detail {

namespace {

class CStandInAnchor : public ComObject<NotImplemented<IHTMLElement>> {
public:
    CStandInAnchor(MarkupAnchor anchor, bool clickFails, std::u16string label,
                   std::shared_ptr<StandInLog> log)
        : anchor_(std::move(anchor)), clickFails_(clickFails), label_(std::move(label)),
          log_(std::move(log)) {}

    // IHTMLElement
    HRESULT STDMETHODCALLTYPE click() override {
        StandInEvent event;
        event.kind = StandInEvent::Kind::kClick;
        event.window = label_;
        event.address = anchor_.href.value_or(u"");
        event.name = anchor_.target.value_or(u"");
        event.refused = clickFails_;
        log_->Record(std::move(event));
        return clickFails_ ? E_FAIL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_id(BSTR* p) override { return Answer(anchor_.id, p); }
    HRESULT STDMETHODCALLTYPE get_tagName(BSTR* p) override { return Answer(u"A", p); }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLElement) ? static_cast<IHTMLElement*>(this)
                                                         : nullptr;
    }

private:
    static HRESULT Answer(const std::optional<std::u16string>& text, BSTR* out) {
        if (!out)
            return E_POINTER;
        *out = NewBstr(text.value_or(u""));
        return S_OK;
    }

    MarkupAnchor anchor_;
    bool clickFails_;
    std::u16string label_;
    std::shared_ptr<StandInLog> log_;
};

// The position of an insertAdjacentHTML call: true to append, false to prepend, none when the
// position is not one of the four the browser knows.
std::optional<bool> AppendsAt(std::u16string_view where) {
    if (EqualsNoCase(where, u"beforeEnd") || EqualsNoCase(where, u"afterEnd"))
        return true;
    if (EqualsNoCase(where, u"afterBegin") || EqualsNoCase(where, u"beforeBegin"))
        return false;
    return std::nullopt;
}

class CStandInBody : public ComObject<NotImplemented<IHTMLElement>> {
public:
    CStandInBody(std::shared_ptr<BodyContent> content, bool insertFails, std::u16string label,
                 std::shared_ptr<StandInLog> log)
        : content_(std::move(content)), insertFails_(insertFails), label_(std::move(label)),
          log_(std::move(log)) {}

    // IHTMLElement
    HRESULT STDMETHODCALLTYPE insertAdjacentHTML(BSTR where, BSTR html) override {
        StandInEvent event;
        event.kind = StandInEvent::Kind::kInsert;
        event.window = label_;
        event.where = TextOf(where);
        event.markup = TextOf(html);
        std::optional<bool> append = AppendsAt(event.where);
        event.refused = insertFails_ || !append;
        log_->Record(event);
        if (!append)
            return E_INVALIDARG;
        if (insertFails_)
            return E_FAIL;
        auto& pieces = content_->pieces;
        pieces.insert(*append ? pieces.end() : pieces.begin(), event.markup);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR* p) override {
        if (!p)
            return E_POINTER;
        std::u16string all;
        for (const auto& piece : content_->pieces)
            all += piece;
        *p = NewBstr(all);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_tagName(BSTR* p) override {
        if (!p)
            return E_POINTER;
        *p = NewBstr(u"BODY");
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLElement) ? static_cast<IHTMLElement*>(this)
                                                         : nullptr;
    }

private:
    std::shared_ptr<BodyContent> content_;
    bool insertFails_;
    std::u16string label_;
    std::shared_ptr<StandInLog> log_;
};

// A VARIANT read as a whole number; none when it holds something else.
std::optional<long> NumberOf(const VARIANT& value) {
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_I4)))
        return std::nullopt;
    return converted.lVal;
}

class CStandInAnchors : public ComObject<NotImplemented<IHTMLElementCollection>> {
public:
    CStandInAnchors(std::shared_ptr<BodyContent> content, bool clickFails, std::u16string label,
                    std::shared_ptr<StandInLog> log)
        : content_(std::move(content)), clickFails_(clickFails), label_(std::move(label)),
          log_(std::move(log)) {}

    // IHTMLElementCollection
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override {
        if (!p)
            return E_POINTER;
        *p = static_cast<LONG>(Anchors().size());
        return S_OK;
    }

    // item(name) and item(name, n): the first (n-th) anchor whose ID or NAME is the name;
    // item(n): the n-th anchor. Success and null when there is none, as the browser answers.
    HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** element) override {
        log_->CountRead("anchors.item");
        if (!element)
            return E_POINTER;
        *element = nullptr;
        std::vector<MarkupAnchor> candidates = Anchors();
        long position = 0;
        if (name.vt == VT_BSTR) {
            std::u16string wanted = TextOf(name.bstrVal);
            std::vector<MarkupAnchor> named;
            for (auto& anchor : candidates) {
                if ((anchor.id && EqualsNoCase(*anchor.id, wanted)) ||
                    (anchor.name && EqualsNoCase(*anchor.name, wanted)))
                    named.push_back(std::move(anchor));
            }
            candidates = std::move(named);
            if (index.vt != VT_EMPTY && index.vt != VT_ERROR) {
                std::optional<long> number = NumberOf(index);
                if (!number)
                    return E_INVALIDARG;
                position = *number;
            }
        } else {
            std::optional<long> number = NumberOf(name);
            if (!number)
                return E_INVALIDARG;
            position = *number;
        }
        if (position < 0 || static_cast<size_t>(position) >= candidates.size())
            return S_OK;
        *element = new CStandInAnchor(candidates[position], clickFails_, label_, log_);
        (*element)->AddRef();
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLElementCollection)
                   ? static_cast<IHTMLElementCollection*>(this)
                   : nullptr;
    }

private:
    // The document's anchors: <A> elements with an ID or a NAME, in document order.
    std::vector<MarkupAnchor> Anchors() const {
        std::vector<MarkupAnchor> anchors;
        for (const auto& piece : content_->pieces) {
            for (auto& anchor : FindAnchors(piece)) {
                if (anchor.id || anchor.name)
                    anchors.push_back(std::move(anchor));
            }
        }
        return anchors;
    }

    std::shared_ptr<BodyContent> content_;
    bool clickFails_;
    std::u16string label_;
    std::shared_ptr<StandInLog> log_;
};

} // namespace

ComPtr<IHTMLElement> CreateBody(std::shared_ptr<BodyContent> content, bool insertFails,
                                const std::u16string& label, std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLElement>(
        new CStandInBody(std::move(content), insertFails, label, std::move(log)));
}

ComPtr<IHTMLElementCollection> CreateAnchors(std::shared_ptr<BodyContent> content, bool clickFails,
                                             const std::u16string& label,
                                             std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLElementCollection>(
        new CStandInAnchors(std::move(content), clickFails, label, std::move(log)));
}

} // namespace tandrel::standin::detail
