// The page as the core expects it: the selection as text and as HTML, the address, title and
// window name of the frame that was clicked and of the top page, and the screen's available
// area, read by a script injected into the clicked frame (activeTab grants it on the user's
// click). A page that refuses scripts (the browser's own pages, the web store) leaves only what
// the click itself says: the page is then marked unreadable, so that the user is told.

/**
 * Runs in the page: what one frame shows. Self-contained, as injected functions must be.
 * @returns {{selection: string, selectionHtml: string, url: string, title: string, name: string,
 *   screen: {width: number, height: number}}}
 */
function readFrame() {
    const selection = window.getSelection();
    let text = selection ? selection.toString() : '';
    let html = '';
    if (selection && selection.rangeCount > 0) {
        const holder = document.createElement('div');
        for (let index = 0; index < selection.rangeCount; index++)
            holder.append(selection.getRangeAt(index).cloneContents());
        html = holder.innerHTML;
    }
    // A selection inside a text box is not the document's: read it from the box.
    const box = document.activeElement;
    if (!text && box && (box instanceof HTMLTextAreaElement || box instanceof HTMLInputElement)) {
        try {
            text = box.value.substring(box.selectionStart ?? 0, box.selectionEnd ?? 0);
        } catch {
            // An input without a text selection (a checkbox, a number field).
        }
    }
    return {
        selection: text,
        selectionHtml: html,
        url: location.href,
        title: document.title,
        name: window.name,
        screen: { width: screen.availWidth, height: screen.availHeight },
    };
}

/**
 * One frame read through an injected script; null when the browser refuses.
 * @param {number} tabId
 * @param {number} frameId
 */
async function readOne(tabId, frameId) {
    try {
        const [result] = await chrome.scripting.executeScript({
            target: { tabId, frameIds: [frameId] },
            func: readFrame,
        });
        return result?.result ?? null;
    } catch {
        return null;
    }
}

/**
 * The page of a menu click, as the request's "page".
 * @param {chrome.tabs.Tab} tab
 * @param {chrome.contextMenus.OnClickData} info
 * @returns {Promise<{page: object, readable: boolean}>}
 */
export async function readPage(tab, info) {
    const frameId = info.frameId ?? 0;
    const tabId = tab.id ?? -1;
    const [frame, top] = await Promise.all([
        readOne(tabId, frameId),
        frameId === 0 ? null : readOne(tabId, 0),
    ]);
    const topUrl = top?.url ?? info.pageUrl ?? tab.url ?? '';
    if (!frame) {
        /** @type {any} */
        const page = { selection: info.selectionText ?? '', url: topUrl, title: tab.title ?? '' };
        if (frameId !== 0 && info.frameUrl)
            page.frame = { url: info.frameUrl };
        return { page, readable: false };
    }
    /** @type {any} */
    const page = {
        selection: frame.selection,
        selectionHtml: frame.selectionHtml,
        url: frameId === 0 ? frame.url : topUrl,
        title: frameId === 0 ? frame.title : (top?.title ?? tab.title ?? ''),
        name: frameId === 0 ? frame.name : (top?.name ?? ''),
        screen: frame.screen,
    };
    if (frameId !== 0)
        page.frame = { url: frame.url, title: frame.title, name: frame.name };
    return { page, readable: true };
}
