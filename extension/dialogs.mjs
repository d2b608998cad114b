// Opens a dialog page (dialog.html) where the user chose: in the clicked page (inpage.mjs) or in
// a window of its own, over the window it came from; a page that cannot take it gets the window.

import { showInPage, tellHost } from './inpage.mjs';
import { loadDialogsIn } from './settings.mjs';

/** Sizes of the dialog windows by the dialog's kind, as the Windows templates are proportioned. */
const SIZES = {
    siteList: { width: 460, height: 520 },
    currency: { width: 480, height: 560 },
    convert: { width: 480, height: 440 },
    about: { width: 560, height: 440 },
    message: { width: 440, height: 260 },
};

/**
 * Opens the window of a dialog (its page waits for the state saved under the id).
 * @param {string} id the dialog's state id
 * @param {keyof typeof SIZES} kind
 * @param {number} overWindowId the browser window to centre on
 */
export async function openDialogWindow(id, kind, overWindowId) {
    const size = SIZES[kind] ?? SIZES.message;
    /** @type {chrome.windows.CreateData} */
    const create = { type: 'popup', url: 'dialog.html?id=' + encodeURIComponent(id), ...size, focused: true };
    try {
        const over = await chrome.windows.get(overWindowId);
        if (over.left !== undefined && over.width !== undefined && over.top !== undefined && over.height !== undefined) {
            create.left = Math.max(0, over.left + Math.round((over.width - size.width) / 2));
            create.top = Math.max(0, over.top + Math.round((over.height - size.height) / 3));
        }
    } catch {
        // The window has gone: the browser places the dialog.
    }
    try {
        return await chrome.windows.create(create);
    } catch {
        // A place the screen does not show (the browser says so): the browser places it.
        delete create.left;
        delete create.top;
        return chrome.windows.create(create);
    }
}

/**
 * Gives an open dialog window the size its answer needs.
 * @param {number | undefined} windowId
 * @param {keyof typeof SIZES} kind
 */
export async function sizeDialogWindow(windowId, kind) {
    const size = SIZES[kind] ?? SIZES.message;
    if (windowId !== undefined)
        await chrome.windows.update(windowId, size).catch(() => {});
}

/**
 * The kind of window an answer needs.
 * @param {any} answer prepare's or finish's answer
 * @returns {keyof typeof SIZES}
 */
export function windowKind(answer) {
    return answer.kind === 'dialog' ? answer.dialog.kind : 'message';
}

/** The width a dialog of a kind takes in the page. @param {string} kind */
export function dialogWidth(kind) {
    return (SIZES[/** @type {keyof typeof SIZES} */ (kind)] ?? SIZES.message).width;
}

/**
 * Whether the browser runs the dialog page in a frame of a web page. Firefox (153) loads it there
 * but never runs its scripts (seen in the tests: not one of its calls reaches the browser), so
 * that the dialog would never show: there, dialogs open in windows.
 */
const inPageWorks = !chrome.runtime.getURL('').startsWith('moz-extension:');

/**
 * Where a dialog shows: in its page, or in a window (being opened).
 * @typedef {{id: string, origin: import('./state.mjs').Origin, inPage: boolean,
 *   window: Promise<chrome.windows.Window | undefined> | null}} Place
 */

/**
 * Opens a dialog where the user chose; the dialog page waits for its state.
 * @param {string} id
 * @param {import('./state.mjs').Origin} origin
 * @returns {Promise<Place>}
 */
export async function openDialog(id, origin) {
    /** @type {Place} */
    const place = { id, origin, inPage: false, window: null };
    if (inPageWorks && await loadDialogsIn() === 'page' && await showInPage(id, origin, SIZES.siteList.width))
        place.inPage = true;
    else
        moveToWindow(place, 'siteList');
    return place;
}

/**
 * Opens a dialog in a window, as the page could not take it or would not keep it.
 * @param {Place} place @param {keyof typeof SIZES} kind
 */
export function moveToWindow(place, kind) {
    place.inPage = false;
    place.window = openDialogWindow(place.id, kind, place.origin.windowId);
    place.window.catch(() => {});
}

/** Whether the dialog is still open. @param {Place} place */
export async function isOpen(place) {
    if (place.inPage)
        return tellHost(place.id, place.origin, { ask: true });
    const window = await place.window?.catch(() => undefined);
    return window?.id !== undefined && await chrome.windows.get(window.id).then(() => true, () => false);
}

/** Closes a dialog that is not needed. @param {Place} place */
export async function closeDialog(place) {
    if (place.inPage) {
        await tellHost(place.id, place.origin, { close: true });
        return;
    }
    const window = await place.window?.catch(() => undefined);
    if (window?.id !== undefined)
        await chrome.windows.remove(window.id).catch(() => {});
}

/** Gives a dialog the size its answer needs (in the page, the dialog sizes itself). @param {Place} place @param {keyof typeof SIZES} kind */
export async function sizeDialog(place, kind) {
    if (!place.inPage && kind !== 'siteList')
        await sizeDialogWindow((await place.window?.catch(() => undefined))?.id, kind);
}
