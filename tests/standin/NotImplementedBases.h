// GENERATED FILE, do not edit: written by tools/gen_standin_bases.py from the mingw-w64
// headers oaidl.h, mshtml.h, exdisp.h. Run the script again to change it.
//
// NotImplemented<I> derives from the interface I and answers every method of I and of its
// bases, IUnknown excepted, with E_NOTIMPL. A stand-in class derives from it and overrides
// only the methods it answers; it implements IUnknown itself.
#pragma once

// clang-format off
#include <windows.h>
#include <oaidl.h>
#include <mshtml.h>
#include <exdisp.h>

namespace tandrel::standin {

template <typename Interface> class NotImplemented;

/// IDispatch: 4 methods (IDispatch).
template <> class NotImplemented<IDispatch> : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
};

/// IHTMLWindow2: 74 methods (IHTMLWindow2 <- IHTMLFramesCollection2 <- IDispatch).
template <> class NotImplemented<IHTMLWindow2> : public IHTMLWindow2 {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE item(VARIANT * /*pvarIndex*/, VARIANT * /*pvarResult*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_length(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_defaultStatus(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_defaultStatus(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_status(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_status(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE setTimeout(BSTR /*expression*/, LONG /*msec*/, VARIANT * /*language*/, LONG * /*timerID*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE clearTimeout(LONG /*timerID*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE alert(BSTR /*message*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE confirm(BSTR /*message*/, VARIANT_BOOL * /*confirmed*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE prompt(BSTR /*message*/, BSTR /*defstr*/, VARIANT * /*textdata*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Image(IHTMLImageElementFactory ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_history(IOmHistory ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE close() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_opener(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_opener(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_navigator(IOmNavigator ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_name(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_name(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_parent(IHTMLWindow2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE open(BSTR /*url*/, BSTR /*name*/, BSTR /*features*/, VARIANT_BOOL /*replace*/, IHTMLWindow2 ** /*pomWindowResult*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_self(IHTMLWindow2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_top(IHTMLWindow2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_window(IHTMLWindow2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE navigate(BSTR /*url*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onfocus(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onfocus(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onblur(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onblur(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onload(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onload(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onbeforeunload(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onbeforeunload(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onunload(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onunload(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onerror(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onerror(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onresize(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onresize(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onscroll(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onscroll(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_document(IHTMLDocument2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_event(IHTMLEventObj ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE showModalDialog(BSTR /*dialog*/, VARIANT * /*varArgIn*/, VARIANT * /*varOptions*/, VARIANT * /*varArgOut*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE showHelp(BSTR /*helpURL*/, VARIANT /*helpArg*/, BSTR /*features*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_screen(IHTMLScreen ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Option(IHTMLOptionElementFactory ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE focus() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_closed(VARIANT_BOOL * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE blur() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scroll(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_clientInformation(IOmNavigator ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE setInterval(BSTR /*expression*/, LONG /*msec*/, VARIANT * /*language*/, LONG * /*timerID*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE clearInterval(LONG /*timerID*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_offscreenBuffering(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offscreenBuffering(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execScript(BSTR /*code*/, BSTR /*language*/, VARIANT * /*pvarRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE toString(BSTR * /*String*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scrollBy(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scrollTo(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveTo(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveBy(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE resizeTo(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE resizeBy(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_external(IDispatch ** /*p*/) override { return E_NOTIMPL; }
};

/// IHTMLDocument2: 113 methods (IHTMLDocument2 <- IHTMLDocument <- IDispatch).
template <> class NotImplemented<IHTMLDocument2> : public IHTMLDocument2 {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Script(IDispatch ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_all(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_body(IHTMLElement ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_activeElement(IHTMLElement ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_images(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_applets(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_links(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_forms(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_anchors(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_title(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_title(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_scripts(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_designMode(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_designMode(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_selection(IHTMLSelectionObject ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_readyState(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_embeds(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_plugins(IHTMLElementCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_alinkColor(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_alinkColor(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_bgColor(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_bgColor(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_fgColor(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fgColor(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_linkColor(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_linkColor(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_vlinkColor(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_vlinkColor(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_referrer(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_location(IHTMLLocation ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_lastModified(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_URL(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_URL(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_domain(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_domain(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_cookie(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_cookie(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_expando(VARIANT_BOOL /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_expando(VARIANT_BOOL * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_charset(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_charset(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_defaultCharset(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_defaultCharset(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_mimeType(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fileSize(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fileCreatedDate(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fileModifiedDate(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fileUpdatedDate(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_security(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_protocol(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_nameProp(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE write(SAFEARRAY * /*psarray*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE writeln(SAFEARRAY * /*psarray*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE open(BSTR /*url*/, VARIANT /*name*/, VARIANT /*features*/, VARIANT /*replace*/, IDispatch ** /*pomWindowResult*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE close() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE clear() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandState(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandText(BSTR /*cmdID*/, BSTR * /*pcmdText*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR /*cmdID*/, VARIANT * /*pcmdValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommand(BSTR /*cmdID*/, VARIANT_BOOL /*showUI*/, VARIANT /*value*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE createElement(BSTR /*eTag*/, IHTMLElement ** /*newElem*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onclick(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onclick(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onreadystatechange(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onreadystatechange(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE elementFromPoint(LONG /*x*/, LONG /*y*/, IHTMLElement ** /*elementHit*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_parentWindow(IHTMLWindow2 ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_styleSheets(IHTMLStyleSheetsCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE toString(BSTR * /*String*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE createStyleSheet(BSTR /*bstrHref*/, LONG /*lIndex*/, IHTMLStyleSheet ** /*ppnewStyleSheet*/) override { return E_NOTIMPL; }
};

/// IHTMLLocation: 24 methods (IHTMLLocation <- IDispatch).
template <> class NotImplemented<IHTMLLocation> : public IHTMLLocation {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_href(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_href(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_protocol(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_protocol(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_host(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_host(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_hostname(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_hostname(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_port(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_port(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_pathname(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_pathname(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_search(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_search(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_hash(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_hash(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE reload(VARIANT_BOOL /*flag*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE replace(BSTR /*bstr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE assign(BSTR /*bstr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE toString(BSTR * /*string*/) override { return E_NOTIMPL; }
};

/// IHTMLScreen: 14 methods (IHTMLScreen <- IDispatch).
template <> class NotImplemented<IHTMLScreen> : public IHTMLScreen {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_colorDepth(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_bufferDepth(LONG /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_bufferDepth(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_width(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_height(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_updateInterval(LONG /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_updateInterval(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_availHeight(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_availWidth(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_fontSmoothingEnabled(VARIANT_BOOL * /*p*/) override { return E_NOTIMPL; }
};

/// IHTMLSelectionObject: 8 methods (IHTMLSelectionObject <- IDispatch).
template <> class NotImplemented<IHTMLSelectionObject> : public IHTMLSelectionObject {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE createRange(IDispatch ** /*range*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE empty() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE clear() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_type(BSTR * /*p*/) override { return E_NOTIMPL; }
};

/// IHTMLTxtRange: 34 methods (IHTMLTxtRange <- IDispatch).
template <> class NotImplemented<IHTMLTxtRange> : public IHTMLTxtRange {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_htmlText(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_text(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_text(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE parentElement(IHTMLElement ** /*parent*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE duplicate(IHTMLTxtRange ** /*Duplicate*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE inRange(IHTMLTxtRange * /*Range*/, VARIANT_BOOL * /*InRange*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE isEqual(IHTMLTxtRange * /*Range*/, VARIANT_BOOL * /*IsEqual*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT_BOOL /*fStart*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE collapse(VARIANT_BOOL /*Start*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE expand(BSTR /*Unit*/, VARIANT_BOOL * /*Success*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE move(BSTR /*Unit*/, LONG /*Count*/, LONG * /*ActualCount*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveStart(BSTR /*Unit*/, LONG /*Count*/, LONG * /*ActualCount*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveEnd(BSTR /*Unit*/, LONG /*Count*/, LONG * /*ActualCount*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE pasteHTML(BSTR /*html*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveToElementText(IHTMLElement * /*element*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE setEndPoint(BSTR /*how*/, IHTMLTxtRange * /*SourceRange*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE compareEndPoints(BSTR /*how*/, IHTMLTxtRange * /*SourceRange*/, LONG * /*ret*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE findText(BSTR /*String*/, LONG /*count*/, LONG /*Flags*/, VARIANT_BOOL * /*Success*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveToPoint(LONG /*x*/, LONG /*y*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE getBookmark(BSTR * /*Boolmark*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE moveToBookmark(BSTR /*Bookmark*/, VARIANT_BOOL * /*Success*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandState(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandText(BSTR /*cmdID*/, BSTR * /*pcmdText*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR /*cmdID*/, VARIANT * /*pcmdValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommand(BSTR /*cmdID*/, VARIANT_BOOL /*showUI*/, VARIANT /*value*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
};

/// IHTMLControlRange: 19 methods (IHTMLControlRange <- IDispatch).
template <> class NotImplemented<IHTMLControlRange> : public IHTMLControlRange {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE select() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE add(IHTMLControlElement * /*item*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE remove(LONG /*index*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE item(LONG /*index*/, IHTMLElement ** /*pdisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT /*varargStart*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandSupported(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandEnabled(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandState(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandIndeterm(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandText(BSTR /*cmdID*/, BSTR * /*pcmdText*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE queryCommandValue(BSTR /*cmdID*/, VARIANT * /*pcmdValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommand(BSTR /*cmdID*/, VARIANT_BOOL /*showUI*/, VARIANT /*value*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE execCommandShowHelp(BSTR /*cmdID*/, VARIANT_BOOL * /*pfRet*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE commonParentElement(IHTMLElement ** /*parent*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_length(LONG * /*p*/) override { return E_NOTIMPL; }
};

/// IHTMLElement: 91 methods (IHTMLElement <- IDispatch).
template <> class NotImplemented<IHTMLElement> : public IHTMLElement {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE setAttribute(BSTR /*strAttributeName*/, VARIANT /*AttributeValue*/, LONG /*lFlags*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE getAttribute(BSTR /*strAttributeName*/, LONG /*lFlags*/, VARIANT * /*AttributeValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE removeAttribute(BSTR /*strAttributeName*/, LONG /*lFlags*/, VARIANT_BOOL * /*pfSuccess*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_className(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_className(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_id(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_id(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_tagName(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_parentElement(IHTMLElement ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onhelp(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onhelp(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onclick(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onclick(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondblclick(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondblclick(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeydown(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeydown(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeyup(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeyup(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onkeypress(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onkeypress(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseout(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseout(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseover(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseover(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmousemove(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousemove(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmousedown(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmousedown(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onmouseup(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onmouseup(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_document(IDispatch ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_title(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_title(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_language(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_language(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onselectstart(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onselectstart(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE scrollIntoView(VARIANT /*varargStart*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE contains(IHTMLElement * /*pChild*/, VARIANT_BOOL * /*pfResult*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_sourceIndex(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_recordNumber(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_lang(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_lang(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offsetLeft(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offsetTop(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offsetWidth(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offsetHeight(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_offsetParent(IHTMLElement ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_innerHTML(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_innerText(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_innerText(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_outerHTML(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_outerHTML(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_outerText(BSTR /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_outerText(BSTR * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE insertAdjacentHTML(BSTR /*where*/, BSTR /*html*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE insertAdjacentText(BSTR /*where*/, BSTR /*text*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_parentTextEdit(IHTMLElement ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_isTextEdit(VARIANT_BOOL * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE click() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_filters(IHTMLFiltersCollection ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondragstart(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondragstart(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE toString(BSTR * /*String*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onbeforeupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onbeforeupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onafterupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onafterupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onerrorupdate(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onerrorupdate(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onrowexit(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowexit(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onrowenter(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onrowenter(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondatasetchanged(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetchanged(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondataavailable(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondataavailable(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ondatasetcomplete(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ondatasetcomplete(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_onfilterchange(VARIANT /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_onfilterchange(VARIANT * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_children(IDispatch ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_all(IDispatch ** /*p*/) override { return E_NOTIMPL; }
};

/// IHTMLElementCollection: 10 methods (IHTMLElementCollection <- IDispatch).
template <> class NotImplemented<IHTMLElementCollection> : public IHTMLElementCollection {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE toString(BSTR * /*String*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_length(LONG /*v*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_length(LONG * /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown ** /*p*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE item(VARIANT /*name*/, VARIANT /*index*/, IDispatch ** /*pdisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE tags(VARIANT /*tagName*/, IDispatch ** /*pdisp*/) override { return E_NOTIMPL; }
};

/// IWebBrowser2: 68 methods (IWebBrowser2 <- IWebBrowserApp <- IWebBrowser <- IDispatch).
template <> class NotImplemented<IWebBrowser2> : public IWebBrowser2 {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT * /*pctinfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*iTInfo*/, LCID /*lcid*/, ITypeInfo ** /*ppTInfo*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*riid*/, LPOLESTR * /*rgszNames*/, UINT /*cNames*/, LCID /*lcid*/, DISPID * /*rgDispId*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*dispIdMember*/, REFIID /*riid*/, LCID /*lcid*/, WORD /*wFlags*/, DISPPARAMS * /*pDispParams*/, VARIANT * /*pVarResult*/, EXCEPINFO * /*pExcepInfo*/, UINT * /*puArgErr*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoBack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoForward() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoHome() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GoSearch() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Navigate(BSTR /*URL*/, VARIANT * /*Flags*/, VARIANT * /*TargetFrameName*/, VARIANT * /*PostData*/, VARIANT * /*Headers*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Refresh() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Refresh2(VARIANT * /*Level*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Application(IDispatch ** /*ppDisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Parent(IDispatch ** /*ppDisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Container(IDispatch ** /*ppDisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Document(IDispatch ** /*ppDisp*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL * /*pBool*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Type(BSTR * /*Type*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Left(LONG * /*pl*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Left(LONG /*Left*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Top(LONG * /*pl*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Top(LONG /*Top*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Width(LONG * /*pl*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Width(LONG /*Width*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Height(LONG * /*pl*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Height(LONG /*Height*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LocationName(BSTR * /*LocationName*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR * /*LocationURL*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL * /*pBool*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ClientToWindow(int * /*pcx*/, int * /*pcy*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutProperty(BSTR /*Property*/, VARIANT /*vtValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetProperty(BSTR /*Property*/, VARIANT * /*pvtValue*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR * /*Name*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR * /*pHWND*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullName(BSTR * /*FullName*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR * /*Path*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL * /*pBool*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL * /*pBool*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StatusText(BSTR * /*StatusText*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StatusText(BSTR /*StatusText*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ToolBar(int * /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ToolBar(int /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL * /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL * /*pbFullScreen*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL /*bFullScreen*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Navigate2(VARIANT * /*URL*/, VARIANT * /*Flags*/, VARIANT * /*TargetFrameName*/, VARIANT * /*PostData*/, VARIANT * /*Headers*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID /*cmdID*/, OLECMDF * /*pcmdf*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID /*cmdID*/, OLECMDEXECOPT /*cmdexecopt*/, VARIANT * /*pvaIn*/, VARIANT * /*pvaOut*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT * /*pvaClsid*/, VARIANT * /*pvarShow*/, VARIANT * /*pvarSize*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE * /*plReadyState*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL * /*pbOffline*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL /*bOffline*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL * /*pbSilent*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL /*bSilent*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL * /*pbRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL /*bRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL * /*pbRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL /*bRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL * /*pbRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL /*bRegister*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL * /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL * /*Value*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL /*Value*/) override { return E_NOTIMPL; }
};

} // namespace tandrel::standin
// clang-format on
