// document.selection and the ranges its createRange gives: a text range over the selected text,
// or a control range (a selected image or form control), which is no text range.

#include "ComObject.h"
#include "NotImplementedBases.h"
#include "StandInObjects.h"
#include "StandInText.h"

namespace tandrel::standin::detail {

namespace {

class CStandInTextRange : public ComObject<NotImplemented<IHTMLTxtRange>> {
public:
    CStandInTextRange(std::optional<std::u16string> text, std::optional<std::u16string> html,
                      std::shared_ptr<StandInLog> log)
        : text_(std::move(text)), html_(std::move(html)), log_(std::move(log)) {}

    // IHTMLTxtRange
    HRESULT STDMETHODCALLTYPE get_text(BSTR* p) override {
        log_->CountRead("text");
        return AnswerText(text_, p);
    }
    HRESULT STDMETHODCALLTYPE get_htmlText(BSTR* p) override {
        log_->CountRead("htmlText");
        return AnswerText(html_, p);
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLTxtRange) ? static_cast<IHTMLTxtRange*>(this)
                                                          : nullptr;
    }

private:
    std::optional<std::u16string> text_;
    std::optional<std::u16string> html_;
    std::shared_ptr<StandInLog> log_;
};

class CStandInControlRange : public ComObject<NotImplemented<IHTMLControlRange>> {
public:
    // IHTMLControlRange
    HRESULT STDMETHODCALLTYPE get_length(LONG* p) override {
        if (!p)
            return E_POINTER;
        *p = 1; // one selected control
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLControlRange)
                   ? static_cast<IHTMLControlRange*>(this)
                   : nullptr;
    }
};

class CStandInSelection : public ComObject<NotImplemented<IHTMLSelectionObject>> {
public:
    CStandInSelection(const StandInWindowDescription& described, std::shared_ptr<StandInLog> log)
        : kind_(described.selectionKind), text_(described.selectionText),
          html_(described.selectionHtml), log_(std::move(log)) {}

    // IHTMLSelectionObject
    HRESULT STDMETHODCALLTYPE createRange(IDispatch** range) override {
        log_->CountRead("createRange");
        if (!range)
            return E_POINTER;
        if (kind_ == SelectionKind::kControlRange) {
            *range = new CStandInControlRange;
        } else {
            *range = new CStandInTextRange(text_, html_, log_);
        }
        (*range)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_type(BSTR* p) override {
        if (!p)
            return E_POINTER;
        bool control = kind_ == SelectionKind::kControlRange;
        bool empty = !control && (!text_ || text_->empty());
        *p = NewBstr(control ? u"Control" : empty ? u"None" : u"Text");
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override {
        return IsDispatchIdentity(iid, IID_IHTMLSelectionObject)
                   ? static_cast<IHTMLSelectionObject*>(this)
                   : nullptr;
    }

private:
    SelectionKind kind_;
    std::optional<std::u16string> text_;
    std::optional<std::u16string> html_;
    std::shared_ptr<StandInLog> log_;
};

} // namespace

ComPtr<IHTMLSelectionObject> CreateSelection(const StandInWindowDescription& described,
                                             std::shared_ptr<StandInLog> log) {
    return ComPtr<IHTMLSelectionObject>(new CStandInSelection(described, std::move(log)));
}

} // namespace tandrel::standin::detail
