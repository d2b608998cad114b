// Loaded before the extension's background script in the Firefox tests' copy only. Firefox's
// automation can neither click a menu entry nor open or script the extension's pages, so this
// script does it on the test's behalf: it keeps the menu listeners and items the extension
// registers, and answers the test's requests, which the page relay (relay.js) passes on. It
// reads and presses the dialog pages through extension.getViews, as a user would: by the
// checkbox labels and button texts the page shows.
import { describeDialog } from '../dialog-page.mjs';

/** @type {Array<(info: object, tab: object) => void>} */
const menuListeners = [];
/** @type {object[]} the items of the last making of the menu */
const menuItems = [];
/** Dialog pages already handed to the test. */
const seenDialogs = new Set();

const onClicked = chrome.contextMenus.onClicked;
const addListener = onClicked.addListener;
onClicked.addListener = function (listener) {
    menuListeners.push(listener);
    return addListener.call(this, listener);
};
const create = chrome.contextMenus.create;
chrome.contextMenus.create = function (properties, ...rest) {
    // A copy of its own: the items share one array of contexts, and Firefox's messages carry an
    // object met twice only the first time.
    menuItems.push(JSON.parse(JSON.stringify(properties)));
    return create.call(this, properties, ...rest);
};
const removeAll = chrome.contextMenus.removeAll;
chrome.contextMenus.removeAll = function (...args) {
    menuItems.length = 0;
    return removeAll.apply(this, args);
};

/** The dialog pages open now. */
function dialogViews() {
    return chrome.extension.getViews().filter((view) => view.location.pathname === '/dialog.html');
}

/** The next dialog page painted that the test has not seen yet, as it shows; null if none is. */
function nextDialog() {
    const view = dialogViews().find((candidate) =>
        !seenDialogs.has(candidate.location.href) && candidate.document.documentElement.dataset.painted);
    if (!view)
        return null;
    seenDialogs.add(view.location.href);
    return describeDialog(view);
}

/**
 * Answers a dialog page as a user would: the text typed, boxes clicked until they show the ticks
 * asked for, a button pressed.
 * @param {{url: string, text?: string, ticks?: Record<string, boolean>, press: string}} answer
 */
function answerDialog(answer) {
    const view = dialogViews().find((candidate) => candidate.location.href === answer.url);
    if (!view)
        throw new Error('the dialog page is gone: ' + answer.url);
    const document = view.document;
    const described = describeDialog(view);
    if (answer.text !== undefined) {
        const box = /** @type {HTMLInputElement} */ (document.querySelector('input[type="text"]'));
        box.value = answer.text;
        box.dispatchEvent(new /** @type {any} */ (view).Event('input', { bubbles: true }));
    }
    const boxes = [...document.querySelectorAll('input[type="checkbox"]')];
    for (const [label, ticked] of Object.entries(answer.ticks ?? {})) {
        const index = described.ticks.findIndex((tick) => tick.label === label);
        if (index < 0)
            throw new Error('no tick labelled ' + label);
        const box = /** @type {HTMLInputElement} */ (boxes[index]);
        if (box.checked !== ticked)
            box.click();
    }
    // The one place that finds a dialog's button in Firefox: by its text.
    const button = [...document.querySelectorAll('button')].find((candidate) => (candidate.textContent ?? '').trim() === answer.press);
    if (!button)
        throw new Error('no button ' + answer.press);
    button.click();
    return true;
}

/**
 * @param {any} request
 * @param {chrome.runtime.MessageSender} sender
 */
async function handle(request, sender) {
    switch (request.op) {
    case 'click': {
        const tab = /** @type {chrome.tabs.Tab} */ (sender.tab);
        const info = { menuItemId: request.keyword, frameId: sender.frameId ?? 0, pageUrl: tab.url, editable: false, ...request.info };
        for (const listener of menuListeners)
            listener(info, tab);
        return menuListeners.length;
    }
    case 'menu':
        return menuItems;
    case 'nextDialog':
        return nextDialog();
    case 'describe': {
        const view = dialogViews().find((candidate) => candidate.location.href === request.url);
        return view ? describeDialog(view) : null;
    }
    case 'answer':
        return answerDialog(request);
    case 'tabs':
        return (await chrome.tabs.query({})).map((tab) => ({ id: tab.id, url: tab.url }));
    case 'closeTabs':
        await Promise.all(request.ids.map((/** @type {number} */ id) => chrome.tabs.remove(id).catch(() => {})));
        return true;
    default:
        throw new Error('unknown request ' + request.op);
    }
}

chrome.runtime.onMessage.addListener((request, sender) => {
    if (sender.id !== chrome.runtime.id || typeof request?.op !== 'string')
        return undefined;
    return handle(request, sender).then((result) => ({ result }), (error) => ({ error: String(error?.message ?? error) }));
});
