// The extension's service worker: the menu, and each click on it. The browser may stop this
// worker whenever it is idle; nothing lives here that a dialog needs later (see state.mjs).

import { runMenuCommand } from './command.mjs';
import { createMenu } from './menu.mjs';
import { dropAllStates } from './state.mjs';

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
