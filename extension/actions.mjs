// Carries out what the core says a command did: opens addresses in windows (a named window
// reused while it is open), follows an anchor inserted in the clicked frame, opens a mailto
// address, and hands console commands to the native host. Nothing here decides what to open:
// the addresses, names, sizes and markup are the core's.

import { filled } from './ui.mjs';

/** Window names window.open gives to the page's own window rather than a new one. */
const PAGE_WINDOWS = new Set(['_self', '_top', '_parent']);

/**
 * @typedef {import('./state.mjs').Origin} Origin
 * @typedef {{openIn: 'window' | 'tab', nativeHost: string, messages: Record<string, any>}} Preferences
 *   nativeHost: the native messaging host that runs console commands (the menu call's); messages:
 *   the menu call's, for a command that found no host, had no permission or was refused
 */

/**
 * Runs in the clicked frame's own world, where the link behaves as one the user clicked: the
 * browser follows it with the page as the referrer (a javascript: address of the configuration
 * runs there too). Self-contained, as injected functions must be.
 * @param {string} markup the anchor
 * @returns {boolean} whether there was a body to put it in
 */
function insertAndClick(markup) {
    const body = document.body;
    if (!body)
        return false;
    // Parsed as a document of its own, inert until clicked: add-on review refuses markup from a
    // variable set through innerHTML.
    const anchor = new DOMParser().parseFromString(markup, 'text/html').body.firstElementChild;
    if (!anchor)
        return false;
    // This run's own anchor is clicked, even where an earlier run left one with the same id.
    body.append(document.adoptNode(anchor));
    try {
        /** @type {HTMLElement} */ (anchor).click();
    } finally {
        // The browser has taken the link: the page keeps no trace of it.
        anchor.remove();
    }
    return true;
}

/**
 * The window of that name this extension opened, while it is still open.
 * @param {string} name
 * @returns {Promise<{tabId: number, windowId: number} | null>}
 */
async function namedWindow(name) {
    const { windows = {} } = await chrome.storage.session.get('windows');
    const known = windows[name];
    if (!known)
        return null;
    try {
        const tab = await chrome.tabs.get(known.tabId);
        return { tabId: known.tabId, windowId: tab.windowId };
    } catch {
        return null;
    }
}

/** @param {string} name @param {{tabId: number, windowId: number}} place */
async function rememberWindow(name, place) {
    const { windows = {} } = await chrome.storage.session.get('windows');
    windows[name] = place;
    await chrome.storage.session.set({ windows });
}

/**
 * A new window or tab for an address. An entry that places its window gets that size and
 * place; others open as the user chose on the options page.
 * @param {any} action
 * @param {Origin} origin
 * @param {Preferences} preferences
 * @returns {Promise<{tabId: number, windowId: number}>}
 */
async function openNew(action, origin, preferences) {
    if (!action.placed && preferences.openIn === 'tab') {
        const tab = await chrome.tabs.create({ url: action.address, windowId: origin.windowId });
        return { tabId: tab.id ?? -1, windowId: tab.windowId };
    }
    /** @type {chrome.windows.CreateData} */
    const create = { url: action.address, focused: true };
    if (action.placed) {
        for (const side of /** @type {const} */ (['width', 'height', 'left', 'top'])) {
            if (typeof action[side] === 'number')
                create[side] = action[side];
        }
        // A window without address and tool bars is what the browser's popup windows are.
        if (!action.chrome.location && !action.chrome.toolbar)
            create.type = 'popup';
    }
    const window = await chrome.windows.create(create).catch(() => {
        // A place the screen does not show: the browser places the window.
        delete create.left;
        delete create.top;
        return chrome.windows.create(create);
    });
    return { tabId: window?.tabs?.[0]?.id ?? -1, windowId: window?.id ?? -1 };
}

/**
 * Opens an address as window.open would in the page: in the window of its name if the
 * extension opened one that is still there, in the page itself for the page's own names, else in
 * a new window. A refused address opens nothing, as in the DLL.
 * @param {any} action
 * @param {Origin} origin
 * @param {Preferences} preferences
 */
async function openAddress(action, origin, preferences) {
    const name = action.windowName ?? '';
    try {
        if (PAGE_WINDOWS.has(name.toLowerCase())) {
            await chrome.tabs.update(origin.tabId, { url: action.address });
            return;
        }
        const named = name && name.toLowerCase() !== '_blank';
        const existing = named ? await namedWindow(name) : null;
        if (existing) {
            await chrome.tabs.update(existing.tabId, { url: action.address, active: true });
            await chrome.windows.update(existing.windowId, { focused: true });
            return;
        }
        const opened = await openNew(action, origin, preferences);
        if (named)
            await rememberWindow(name, opened);
    } catch (error) {
        console.warn('Veltrane Tandrel: no window for', action.address, error);
    }
}

/**
 * @param {any} action
 * @param {Origin} origin
 */
async function followAnchor(action, origin) {
    try {
        await chrome.scripting.executeScript({
            target: { tabId: origin.tabId, frameIds: [origin.frameId] },
            world: 'MAIN',
            func: insertAndClick,
            args: [action.markup],
        });
    } catch (error) {
        // The page took no link, as when the DLL beeps.
        console.warn('Veltrane Tandrel: the page took no link', error);
    }
}

/**
 * Hands a console command to the native host: the entry's keys and the page's values as the
 * entry saw them, never the line itself, which the host makes again with the core.
 * @param {any} action
 * @param {string} nativeHost the host's name
 * @param {{locale?: string, moduleFolderUrl?: string}} request the command's request
 * @returns {Promise<any | null>} the host's answer, or null when the browser found no host
 */
async function runCommand(action, nativeHost, request) {
    const message = {
        type: 'command',
        keys: action.keys,
        page: action.page,
        locale: request.locale,
        moduleFolderUrl: request.moduleFolderUrl,
    };
    try {
        return await chrome.runtime.sendNativeMessage(nativeHost, message);
    } catch (error) {
        console.warn('Veltrane Tandrel: no host took the command', error);
        return null;
    }
}

/** Whether the actions start a program (through the host). @param {any[]} actions */
export function startsPrograms(actions) {
    return actions.some((action) => action.action === 'command');
}

/** Whether the user let the extension talk to the host (an optional permission). */
export function hostPermitted() {
    return chrome.permissions.contains({ permissions: ['nativeMessaging'] }).catch(() => false);
}

/**
 * Carries out the actions in their order.
 * @param {any[]} actions the outcome's actions
 * @param {Origin} origin where the command came from
 * @param {Preferences} preferences
 * @param {{locale?: string, moduleFolderUrl?: string}} request the command's request
 * @returns {Promise<any[]>} messages to show: a console command without the permission or a
 *   host to run it, refused by the host, or whose program did not start
 */
export async function carryOut(actions, origin, preferences, request) {
    /** @type {any[]} */
    const messages = [];
    const once = (/** @type {any} */ message) => {
        if (!messages.includes(message))
            messages.push(message);
    };
    const permitted = startsPrograms(actions) && await hostPermitted();
    for (const action of actions) {
        switch (action.action) {
        case 'open':
            await openAddress(action, origin, preferences);
            break;
        case 'follow':
            await followAnchor(action, origin);
            break;
        case 'mail':
            if (action.mailto)
                await chrome.tabs.update(origin.tabId, { url: action.mailto }).catch(() => {});
            break;
        case 'command': {
            if (!permitted) {
                once(preferences.messages.noPermission);
                break;
            }
            const answer = await runCommand(action, preferences.nativeHost, request);
            if (!answer) {
                once(preferences.messages.noHost);
            } else if (answer.message) {
                // The error box the DLL shows for a program that did not start.
                messages.push(answer.message);
            } else if (answer.error) {
                messages.push(filled(preferences.messages.hostRefused, String(answer.error.message ?? answer.error.code ?? '')));
            }
            break;
        }
        default:
            // A beep: the DLL's only sign that an entry refused; nothing to show.
            break;
        }
    }
    return messages;
}
