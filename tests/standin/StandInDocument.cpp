// window.document: the page title, the selection, the body and its anchors.

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"
#include "StandInText.h"

namespace tandrel::standin::detail {

namespace {

class CStandInDocument : public ComObject<NotImplemented<IHTMLDocument2>> {
public:
    CStandInDocument(const StandInWindowDescription& described, std::u16string label,
                     std::shared_ptr<StandInLog> log)
        : described_(described), label_(std::move(label)), log_(std::move(log)),
          content_(std::make_shared<BodyContent>()) {
        // The body is one element for the page's whole life: what is inserted stays.
        if (described_.hasBody)
            body_ = CreateBody(content_, described_.insertFails, label_, log_);
    }

    // IHTMLDocument2
    HRESULT STDMETHODCALLTYPE get_title(BSTR* p) override {
        log_->CountRead("title");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        if (!described_.title)
            return E_FAIL;
        *p = NewBstr(*described_.title);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_selection(IHTMLSelectionObject** p) override {
        log_->CountRead("selection");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        switch (described_.selectionKind) {
        case SelectionKind::kSelectionReadFails:
            return E_FAIL;
        case SelectionKind::kNoSelectionObject:
            return S_OK;
        default:
            return CreateSelection(described_, log_)
                ->QueryInterface(IID_IHTMLSelectionObject, reinterpret_cast<void**>(p));
        }
    }

    HRESULT STDMETHODCALLTYPE get_body(IHTMLElement** p) override {
        log_->CountRead("body");
        if (!p)
            return E_POINTER;
        *p = body_.Get();
        if (*p)
            (*p)->AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_anchors(IHTMLElementCollection** p) override {
        log_->CountRead("anchors");
        if (!p)
            return E_POINTER;
        *p = nullptr;
        return CreateAnchors(content_, described_.clickFails, label_, log_)
            ->QueryInterface(IID_IHTMLElementCollection, reinterpret_cast<void**>(p));
    }

protected:
    void* FindInterface(REFIID iid) override {
        if (IsDispatchIdentity(iid, IID_IHTMLDocument2) || IsEqualIID(iid, IID_IHTMLDocument))
            return static_cast<IHTMLDocument2*>(this);
        return nullptr;
    }

private:
    StandInWindowDescription described_;
    std::u16string label_;
    std::shared_ptr<StandInLog> log_;
    std::shared_ptr<BodyContent> content_;
    ComPtr<IHTMLElement> body_;
};

} // namespace

ComPtr<IHTMLDocument2> CreateDocument(const StandInWindowDescription& described,
                                      const std::u16string& label,
                                      std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLDocument2>(new CStandInDocument(described, label, std::move(log)));
}

} // namespace tandrel::standin::detail
