// The page as the core expects it: the selection as text and as HTML, the address, title and
// window name of the frame that was clicked and of the top page, and the screen's available
// area, read by a script injected into the clicked frame (activeTab grants it on the user's
// click). A page that refuses scripts (the browser's own pages, the web store) leaves only what
// the click itself says: the page is then marked unreadable, so that the user is told.

/**
 * Runs in the page: what one frame shows. Self-contained, as injected functions must be.
 *
 * The selection's markup is copied into a document of the extension's own, made here and never
 * shown: it has no window, so nothing of the page runs in the copy (no custom element's
 * constructor, no image loads and no handler fires) and the page cannot tell that it was read.
 * Elements the page does not show (display:none, visibility:hidden, an ancestor's) are left out
 * of the copy, so that hidden text never reaches the code finders.
 * @returns {{selection: string, selectionHtml: string, url: string, title: string, name: string,
 *   screen: {width: number, height: number}}}
 */
function readFrame() {
    const selection = window.getSelection();
    let text = selection ? selection.toString() : '';
    let html = '';
    const inert = document.implementation.createHTMLDocument('');
    // A mark on the stand-ins of hidden elements in the copy, which the markup never holds.
    // (randomUUID is for secure contexts only, and the page may be plain http.)
    const marker = 'data-tandrel-hidden-' + crypto.getRandomValues(new Uint32Array(2)).join('-');
    const shown = (/** @type {Element} */ element) => element.checkVisibility
        ? element.checkVisibility({ visibilityProperty: true, checkVisibilityCSS: true })
        : getComputedStyle(element).display !== 'none' && getComputedStyle(element).visibility === 'visible';
    /**
     * The children of a node that the range touches, copied into the inert document with what
     * they hold; a hidden element becomes an empty stand-in, so that the copy's tree has the
     * original's shape down to it. @param {Node} parent @param {Range} range
     */
    const copyTouched = (parent, range) => {
        const top = parent.nodeType === Node.DOCUMENT_NODE ? inert.createDocumentFragment() : inert.importNode(parent, false);
        let first = -1;
        /** @type {Array<[Node, Node]>} */
        const pending = [];
        parent.childNodes.forEach((child, index) => {
            if (!range.intersectsNode(child))
                return;
            if (first < 0)
                first = index;
            pending.push([child, top]);
        });
        // Breadth first: each node's children are appended in their order.
        for (let next = 0; next < pending.length; next++) {
            const [from, into] = pending[next];
            const copy = inert.importNode(from, false);
            into.appendChild(copy);
            if (from.nodeType === Node.ELEMENT_NODE && !shown(/** @type {Element} */ (from)))
                /** @type {Element} */ (copy).setAttribute(marker, '');
            else
                from.childNodes.forEach((child) => pending.push([child, copy]));
        }
        return { top, first: Math.max(first, 0) };
    };
    /**
     * A boundary point of the range in the copy: the same path of child indices (the first
     * shifted by the children left out); one inside a hidden element stands before or after it.
     * @param {Node} ancestor @param {{top: Node, first: number}} copied
     * @param {Node} container @param {number} offset @param {boolean} isEnd
     * @returns {[Node, number]}
     */
    const placeIn = (ancestor, copied, container, offset, isEnd) => {
        const path = [];
        for (let node = container; node !== ancestor && node.parentNode; node = node.parentNode)
            path.unshift(Array.prototype.indexOf.call(node.parentNode.childNodes, node));
        if (path.length === 0)
            return [copied.top, Math.max(0, offset - copied.first)];
        path[0] -= copied.first;
        let node = copied.top;
        for (const index of path) {
            const next = node.childNodes[index];
            if (!next || (next.nodeType === Node.ELEMENT_NODE && /** @type {Element} */ (next).hasAttribute(marker)))
                return [node, Math.min(index + (isEnd && next ? 1 : 0), node.childNodes.length)];
            node = next;
        }
        return [node, offset];
    };
    if (selection) {
        const holder = inert.createElement('div');
        for (let index = 0; index < selection.rangeCount; index++) {
            const range = selection.getRangeAt(index);
            const ancestor = range.commonAncestorContainer;
            const copied = copyTouched(ancestor, range);
            const inCopy = inert.createRange();
            inCopy.setStart(...placeIn(ancestor, copied, range.startContainer, range.startOffset, false));
            inCopy.setEnd(...placeIn(ancestor, copied, range.endContainer, range.endOffset, true));
            holder.append(inCopy.cloneContents());
        }
        for (const stand of holder.querySelectorAll(`[${marker}]`))
            stand.remove();
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
