// A menu command from the click to its dialog: the page read, the request made of it with the
// user's configuration and ticks, the core's prepare, and the dialog opened (in the page or a
// window) on a state kept outside the worker. A command that shows no dialog is carried out at once.

import { carryOut } from './actions.mjs';
import { loadCore, loadMenu } from './core.mjs';
import { closeDialog, isOpen, moveToWindow, openDialog, openDialogWindow, sizeDialog, windowKind } from './dialogs.mjs';
import { readPage } from './page.mjs';
import { loadConfig, loadOpenIn, loadTicks } from './settings.mjs';
import { dropState, loadState, newDialogId, saveState } from './state.mjs';

/**
 * The request of a command on a page, as prepare and finish take it.
 * @param {string} keyword
 * @param {object} page
 * @param {Promise<[string | null, {ticks: Record<string, boolean>}]>} settings the user's
 *   configuration and ticks, being read
 */
export async function commandRequest(keyword, page, settings) {
    const [config, { ticks }] = await settings;
    return {
        keyword,
        page,
        config,
        ticks,
        locale: navigator.language,
        moduleFolderUrl: chrome.runtime.getURL('help/'),
    };
}

/**
 * The places of the dialogs whose commands are being prepared, by their ids.
 * @type {Map<string, Promise<import('./dialogs.mjs').Place>>}
 */
const preparing = new Map();

/**
 * Runs the menu command of a click. The dialog opens (in the page or its window) while the page
 * is read and the command prepared, since opening it takes the browser longest.
 * @param {string} keyword the menu item's id
 * @param {chrome.contextMenus.OnClickData} info
 * @param {chrome.tabs.Tab} tab
 */
export async function runMenuCommand(keyword, info, tab) {
    const id = newDialogId();
    const origin = { tabId: tab.id ?? -1, frameId: info.frameId ?? 0, windowId: tab.windowId };
    const opening = openDialog(id, origin);
    opening.catch(() => {});
    preparing.set(id, opening);
    const settings = Promise.all([loadConfig(), loadTicks()]);
    try {
        const [core, menu, read] = await Promise.all([loadCore(), loadMenu(), readPage(tab, info)]);
        const request = await commandRequest(keyword, read.page, settings);
        const answer = core.prepare(request);
        if (answer.error)
            throw new Error(answer.error.message);
        const notice = read.readable ? null : menu.messages.pageUnreadable;
        if (answer.kind === 'outcome') {
            const shown = await carryOut(answer.actions, origin, {
                openIn: await loadOpenIn(),
                nativeHost: menu.nativeHost,
                messages: menu.messages,
            }, request);
            answer.messages = [...answer.messages, ...shown];
            if (!notice && answer.messages.length === 0) {
                await closeDialog(await opening);
                return;
            }
        }
        const place = await opening;
        await Promise.all([saveState(id, { request, answer, origin, notice }), sizeDialog(place, windowKind(answer))]);
        // A dialog closed before its state was there could not drop it.
        if (!(await isOpen(place)))
            await dropState(id);
    } catch (error) {
        await opening.then(closeDialog, () => {});
        throw error;
    } finally {
        preparing.delete(id);
    }
}

/**
 * Opens in a window a dialog whose page removed or hid it.
 * @param {string} id
 * @param {number} windowId the window of the page
 */
export async function moveDialogToWindow(id, windowId) {
    const place = await preparing.get(id)?.catch(() => null);
    if (place) {
        // Its command is still being prepared, and sizes the window when it is.
        moveToWindow(place, 'siteList');
        return;
    }
    const state = await loadState(id);
    if (state)
        await openDialogWindow(id, windowKind(state.answer), windowId);
}
