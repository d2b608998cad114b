// A menu command from the click to its dialog: the page read, the request made of it with the
// user's configuration and ticks, the core's prepare, and the dialog window opened on a state
// kept outside the worker. A command that shows no dialog is carried out at once.

import { carryOut } from './actions.mjs';
import { loadCore, loadMenu } from './core.mjs';
import { openDialogWindow, sizeDialogWindow, windowKind } from './dialogs.mjs';
import { readPage } from './page.mjs';
import { loadConfig, loadOpenIn, loadTicks } from './settings.mjs';
import { dropState, newDialogId, saveState } from './state.mjs';

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
 * Runs the menu command of a click. The dialog's window opens while the page is read and the
 * command prepared, since opening a window takes the browser longest.
 * @param {string} keyword the menu item's id
 * @param {chrome.contextMenus.OnClickData} info
 * @param {chrome.tabs.Tab} tab
 */
export async function runMenuCommand(keyword, info, tab) {
    const id = newDialogId();
    const origin = { tabId: tab.id ?? -1, frameId: info.frameId ?? 0, windowId: tab.windowId };
    const opening = openDialogWindow(id, 'siteList', origin.windowId);
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
                await closeWindow(opening);
                return;
            }
        }
        const kind = windowKind(answer);
        await Promise.all([
            saveState(id, { request, answer, origin, notice }),
            kind === 'siteList' ? null : opening.then((window) => sizeDialogWindow(window?.id, kind)),
        ]);
        // A dialog closed before its state was there could not drop it.
        if (!(await isOpen(opening)))
            await dropState(id);
    } catch (error) {
        await closeWindow(opening);
        throw error;
    }
}

/** @param {Promise<chrome.windows.Window | undefined>} opening a dialog window */
async function isOpen(opening) {
    const window = await opening.catch(() => undefined);
    return window?.id !== undefined && await chrome.windows.get(window.id).then(() => true, () => false);
}

/** @param {Promise<chrome.windows.Window | undefined>} opening a dialog window not needed */
async function closeWindow(opening) {
    const window = await opening.catch(() => undefined);
    if (window?.id !== undefined)
        await chrome.windows.remove(window.id).catch(() => {});
}
