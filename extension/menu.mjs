// The context menu: one item per command of the core's menu table, in its order and with its
// text, on the contexts where the DLL's entries appear (a selection, a link, the page). Each
// item's id is the command's keyword, so that anyone scripting the extension can name an entry.
// The browser groups them under one item named after the extension.

import { loadMenu } from './core.mjs';

/** @type {[`${chrome.contextMenus.ContextType}`, ...`${chrome.contextMenus.ContextType}`[]]} */
const CONTEXTS = ['page', 'selection', 'link'];

/** The menu being made, if any: each making waits for the one before it. */
let making = Promise.resolve();

/**
 * Makes the menu anew (on install, update and browser start). The browser may report an install
 * and a start together; two makings at once would interleave their removals and items, so each
 * one starts only when the one before it has ended.
 */
export function createMenu() {
    making = making.then(makeMenu, makeMenu);
    return making;
}

async function makeMenu() {
    const { commands } = await loadMenu();
    await chrome.contextMenus.removeAll();
    for (const command of commands) {
        await new Promise((resolve) => {
            chrome.contextMenus.create(
                { id: command.keyword, title: command.menu, contexts: CONTEXTS },
                () => resolve(chrome.runtime.lastError));
        });
    }
}
