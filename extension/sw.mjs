// The extension's service worker: the menu, and each click on it. The browser may stop this
// worker whenever it is idle; nothing lives here that a dialog needs later (see state.mjs).

import { moveDialogToWindow, runMenuCommand } from './command.mjs';
import { createMenu } from './menu.mjs';
import { dropAllStates, dropOldStates, dropState, loadState } from './state.mjs';

// What the extension stores decides what runs (the configuration names programs): only its own
// pages and this worker may read or change it, never a script in a web page. Firefox (153) has no
// setAccessLevel: there only content scripts of the extension's own reach storage.local, and it
// has none (the page reader it injects never touches storage).
for (const area of [chrome.storage.local, chrome.storage.session, chrome.storage.sync]) {
    area?.setAccessLevel?.({ accessLevel: 'TRUSTED_CONTEXTS' })
        .catch((/** @type {unknown} */ error) => console.warn('Veltrane Tandrel: storage left open', error));
}

// Dialogs left by a worker that stopped before their windows closed.
dropOldStates().catch((error) => console.warn('Veltrane Tandrel: old dialog states kept', error));

chrome.runtime.onInstalled.addListener(() => {
    createMenu();
});

chrome.runtime.onStartup.addListener(() => {
    createMenu();
    // Dialogs that were open when the browser closed cannot finish any more.
    dropAllStates();
});

chrome.contextMenus.onClicked.addListener((info, tab) => {
    if (tab && typeof info.menuItemId === 'string')
        runMenuCommand(info.menuItemId, info, tab).catch((error) => console.error('Veltrane Tandrel:', error));
});

// A dialog page going away (its buttons, its window or tab closed, navigated elsewhere) says so,
// or for a dialog in a page, the script that holds its frame: its state goes with it. That script
// also says when the page removed or hid the frame: the dialog then opens in a window.
// A dialog in a web page reads a state kept in the IndexedDB through the worker (see state.mjs).
chrome.runtime.onMessage.addListener((message, sender, reply) => {
    if (sender.id !== chrome.runtime.id)
        return undefined;
    if (typeof message?.dialogClosed === 'string') {
        dropState(message.dialogClosed).catch(() => {}).finally(() => reply(true));
        return true;
    }
    if (typeof message?.dialogToWindow === 'string' && sender.tab)
        moveDialogToWindow(message.dialogToWindow, sender.tab.windowId).catch(() => {});
    else if (typeof message?.loadState === 'string') {
        loadState(message.loadState).then(reply, () => reply(null));
        return true;
    }
    return undefined;
});
