// The dialog in the page: the extension's own dialog page (dialog.html) in a frame inside a
// closed shadow root, put into the clicked frame by a script injected with the permission the
// click grants. The page can neither read the frame (another origin) nor hear its keys (they
// happen in the frame's own document); the script it shares the page's DOM with lives in the
// extension's isolated world. Where the page cannot take the frame (the browser's own pages, a
// refused injection, a frame too small) the caller opens the dialog in a window instead; a page
// that removes or hides the frame while it stands has the dialog moved to a window.

/**
 * Runs in the clicked frame, in the extension's isolated world: puts the dialog's frame beside
 * the selection and keeps it there until the dialog, the worker, Escape or a click outside ends
 * it. Self-contained, as injected functions must be.
 *
 * The frame is fixed in the viewport rather than moving with the page's scrolling: it must stay
 * inside the visible viewport while it stands, and a dialog scrolled out of sight would keep the
 * keyboard's focus where the user cannot see it.
 * @param {string} id the dialog's state id
 * @param {number} width the width to start at (the dialog page then asks for its own size)
 * @returns {'shown' | 'small' | 'refused'}
 */
function hostDialog(id, width) {
    const MARGIN = 8;
    const GAP = 6;
    const MIN_WIDTH = 280;
    const MIN_HEIGHT = 180;
    const world = /** @type {any} */ (globalThis);
    // One dialog at a time in a frame: a new one cancels the one before.
    world.tandrelDialog?.end('cancel');
    const root = document.documentElement;
    const viewport = () => ({ width: root.clientWidth || innerWidth, height: root.clientHeight || innerHeight });
    if (!root || !document.body)
        return 'refused';
    if (viewport().width < MIN_WIDTH + 2 * MARGIN || viewport().height < MIN_HEIGHT + 2 * MARGIN)
        return 'small';
    // Beside the selection; else beside the element in focus (a link the menu was opened on);
    // else in the upper third of the viewport.
    /** @type {DOMRect | null} */
    let anchor = null;
    const selection = getSelection();
    if (selection && selection.rangeCount > 0 && !selection.isCollapsed) {
        const rect = selection.getRangeAt(selection.rangeCount - 1).getBoundingClientRect();
        if (rect.width > 0 || rect.height > 0)
            anchor = rect;
    }
    const previous = /** @type {HTMLElement | null} */ (document.activeElement);
    if (!anchor && previous && previous !== document.body && previous !== root)
        anchor = previous.getBoundingClientRect();

    const host = document.createElement('div');
    const shadow = host.attachShadow({ mode: 'closed' });
    const frame = document.createElement('iframe');
    frame.src = chrome.runtime.getURL('dialog.html') + '?id=' + encodeURIComponent(id);
    const style = document.createElement('style');
    style.textContent = 'iframe { display: block; box-sizing: border-box; width: 100%; height: 100%; margin: 0;' +
        ' border: 1px solid rgb(128 128 128 / 55%); border-radius: 8px; box-shadow: 0 6px 24px rgb(0 0 0 / 30%);' +
        ' background: transparent; color-scheme: light dark; }';
    shadow.append(style, frame);
    /** @param {Record<string, string | number>} properties */
    const setStyle = (properties) => {
        for (const [name, value] of Object.entries(properties))
            host.style.setProperty(name, String(value), 'important');
        // Our own changes are not the page's.
        observer.takeRecords();
    };
    let ending = false;
    // Any change the page makes to the frame's element, or its removal, moves the dialog.
    const observer = new MutationObserver((changes) => {
        if (!host.isConnected || changes.some((change) => change.target === host))
            end('moved');
    });
    const onPointer = (/** @type {Event} */ event) => {
        if (event.target !== host)
            end('cancel');
    };
    const onKey = (/** @type {KeyboardEvent} */ event) => {
        if (event.key === 'Escape')
            end('cancel');
    };
    const onHide = () => end('gone');
    const onToggle = (/** @type {any} */ event) => {
        if (event.newState === 'closed')
            end('moved');
    };
    /** Whether the page shows the frame where it was put, above everything else. */
    const visible = () => {
        const box = host.getBoundingClientRect();
        const seen = /** @type {any} */ (host).checkVisibility?.({ opacityProperty: true, visibilityProperty: true }) ?? true;
        return seen && document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2) === host;
    };
    /** @param {{width: number, height: number}} size the dialog's content */
    const place = (size) => {
        const room = viewport();
        const width = Math.min(Math.ceil(size.width), room.width - 2 * MARGIN);
        const height = Math.min(Math.ceil(size.height), room.height - 2 * MARGIN);
        const clamp = (/** @type {number} */ value, /** @type {number} */ most) => Math.max(MARGIN, Math.min(value, most));
        let left = (room.width - width) / 2;
        let top = (room.height - height) / 3;
        if (anchor) {
            left = anchor.left;
            top = anchor.bottom + GAP + height <= room.height - MARGIN ? anchor.bottom + GAP
                : anchor.top - GAP - height >= MARGIN ? anchor.top - GAP - height : top;
        }
        setStyle({ left: clamp(left, room.width - MARGIN - width) + 'px', top: clamp(top, room.height - MARGIN - height) + 'px',
            width: width + 'px', height: height + 'px', opacity: 1 });
        if (!visible())
            end('moved');
    };
    /** @param {any} message @param {chrome.runtime.MessageSender} sender @param {(answer: unknown) => void} reply */
    const onMessage = (message, sender, reply) => {
        if (sender.id !== chrome.runtime.id || message?.tandrelDialog !== id)
            return undefined;
        if (message.size)
            place(message.size);
        else if (message.close)
            end('closed');
        reply(!ending);
        return undefined;
    };
    /** @param {'closed' | 'cancel' | 'gone' | 'moved'} how */
    const end = (how) => {
        if (ending)
            return;
        ending = true;
        world.tandrelDialog = null;
        observer.disconnect();
        chrome.runtime.onMessage.removeListener(onMessage);
        removeEventListener('pointerdown', onPointer, true);
        removeEventListener('keydown', onKey, true);
        removeEventListener('pagehide', onHide, true);
        host.removeEventListener('toggle', onToggle);
        host.remove();
        // The dialog ended by its own buttons has dropped its state; otherwise the worker does,
        // or opens the dialog in a window of its own.
        if (how === 'cancel' || how === 'gone')
            chrome.runtime.sendMessage({ dialogClosed: id }).catch(() => {});
        else if (how === 'moved')
            chrome.runtime.sendMessage({ dialogToWindow: id }).catch(() => {});
        if (how === 'closed' || how === 'cancel') {
            if (previous && previous !== document.body && previous.isConnected)
                previous.focus({ preventScroll: true });
            else
                window.focus();
        }
    };

    // Hidden until the dialog page says how large it is; the page's styles reach none of it.
    root.append(host);
    setStyle({ position: 'fixed', display: 'block', visibility: 'visible', 'z-index': 2147483647, inset: 'auto',
        left: MARGIN + 'px', top: MARGIN + 'px', width: width + 'px', height: MIN_HEIGHT + 'px', 'max-width': 'none',
        'max-height': 'none', margin: 0, padding: 0, border: 0, opacity: 0, overflow: 'visible', background: 'transparent',
        transform: 'none', filter: 'none', 'clip-path': 'none', zoom: 1, 'pointer-events': 'auto', 'box-sizing': 'border-box' });
    // Above the page's content, its own top layer too, where the browser has one.
    if (host.showPopover) {
        host.popover = 'manual';
        host.showPopover();
        host.addEventListener('toggle', onToggle);
        observer.takeRecords();
    }
    observer.observe(root, { childList: true });
    observer.observe(host, { attributes: true });
    chrome.runtime.onMessage.addListener(onMessage);
    addEventListener('pointerdown', onPointer, true);
    addEventListener('keydown', onKey, true);
    addEventListener('pagehide', onHide, true);
    world.tandrelDialog = { end };
    frame.focus();
    return 'shown';
}

/**
 * Puts the dialog into the clicked frame.
 * @param {string} id the dialog's state id
 * @param {import('./state.mjs').Origin} origin
 * @param {number} width the width to start at
 * @returns {Promise<boolean>} whether the page took it
 */
export async function showInPage(id, origin, width) {
    try {
        const [injected] = await chrome.scripting.executeScript({
            target: { tabId: origin.tabId, frameIds: [origin.frameId] },
            func: hostDialog,
            args: [id, width],
        });
        return injected?.result === 'shown';
    } catch {
        return false;
    }
}

/**
 * Sends the frame that holds a dialog a message of the dialog's.
 * @param {string} id
 * @param {import('./state.mjs').Origin} origin
 * @param {object} message
 * @returns {Promise<boolean>} whether the frame is still there
 */
export async function tellHost(id, origin, message) {
    try {
        return await chrome.tabs.sendMessage(origin.tabId, { tandrelDialog: id, ...message }, { frameId: origin.frameId }) === true;
    } catch {
        return false;
    }
}
