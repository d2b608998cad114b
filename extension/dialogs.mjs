// Opens a dialog page (dialog.html) in a window of its own, over the window it came from.

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
