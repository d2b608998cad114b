// The dialog page: shows the dialog, question or messages of one command from its state (see
// state.mjs), and on a button asks the core for the outcome and carries it out. It needs nothing
// of the worker, which may have been stopped while the dialog stood open.

import { aboutView } from './about.mjs';
import { carryOut, hostPermitted, startsPrograms } from './actions.mjs';
import { convertView } from './convert.mjs';
import { currencyView } from './currency.mjs';
import { dialogWidth, windowKind } from './dialogs.mjs';
import { tellHost } from './inpage.mjs';
import { loadCore, loadMenu } from './lazy-core.mjs';
import { lookupView } from './lookup.mjs';
import { loadOpenIn, saveTicks } from './settings.mjs';
import { dropState, saveState, waitForState } from './state.mjs';
import { applyLabelKeys, button, element, messageBody, showMessage } from './ui.mjs';

/**
 * What a kind of dialog adds to the page, and how it answers.
 * @typedef {{content: HTMLElement[], answer: () => object, focus: (part?: string) => void,
 *   press?: (role: string) => Promise<boolean>, place?: (buttons: HTMLButtonElement[]) => HTMLElement[]}} View
 */

/** How long a new dialog waits for the worker to prepare its command. */
const PREPARE_TIMEOUT_MS = 60_000;
const id = new URLSearchParams(location.search).get('id') ?? '';
const main = /** @type {HTMLElement} */ (document.querySelector('main'));
let busy = false;
/** Whether the dialog stands in a web page, in a frame (see inpage.mjs), rather than a window. */
const inPage = window.parent !== window;
/** @type {import('./state.mjs').Origin | null} where the command came from, once known */
let origin = null;
/** The width the dialog asks of its frame in the page. */
let width = dialogWidth('siteList');

/** @param {any} dialog @param {any} request @returns {View} */
function viewOf(dialog, request) {
    switch (dialog.kind) {
    case 'currency':
        return currencyView(dialog);
    case 'convert':
        return convertView(dialog, request);
    case 'about':
        return aboutView(dialog);
    default:
        return lookupView(dialog);
    }
}

/** Marks the page painted (for the tests and the measurements), then readies the core. */
function painted() {
    requestAnimationFrame(() => setTimeout(() => {
        document.documentElement.dataset.painted = String(Date.now());
        loadCore();
    }));
}

/** Closes the dialog for good. */
async function close() {
    await dropState(id).catch(() => {});
    if (inPage && origin)
        await tellHost(id, origin, { close: true });
    else
        window.close();
}

// However the page goes (its window or tab closed, navigated elsewhere), the worker drops its
// state: the page itself may not live to finish removing it. In a web page, the script that
// holds the frame tells the worker, since the frame also goes when it moves to a window.
addEventListener('pagehide', () => {
    if (!inPage)
        chrome.runtime.sendMessage({ dialogClosed: id }).catch(() => {});
});

/**
 * In a web page, the frame takes the size of the dialog's content (and of a message box over
 * it), within the page's viewport; the dialog scrolls inside it when the viewport is smaller.
 */
function fitFrame() {
    if (!inPage)
        return;
    const tell = () => {
        const box = document.querySelector('dialog[open]');
        const height = Math.max(main.offsetHeight, box ? box.getBoundingClientRect().height + 24 : 0);
        if (origin)
            tellHost(id, origin, { size: { width, height } });
    };
    const sizes = new ResizeObserver(tell);
    sizes.observe(main);
    // A message box shown over the dialog needs its room too.
    new MutationObserver(() => document.querySelectorAll('dialog').forEach((box) => sizes.observe(box)))
        .observe(document.body, { childList: true });
}

/**
 * Whether the extension may hand programs to the host: asked of the browser, after the core's
 * sentence of why, the first time the user chooses an entry that starts one.
 * @param {any} menu the core's menu
 * @returns {Promise<boolean>}
 */
async function permitHost(menu) {
    if (await hostPermitted())
        return true;
    /** @type {Promise<boolean>} */
    let asked = Promise.resolve(false);
    // The browser asks the user only in the click's own turn.
    await showMessage(menu.messages.askPermission, (role) => {
        if (role === 'yes')
            asked = chrome.permissions.request({ permissions: ['nativeMessaging'] }).catch(() => false);
    });
    return asked;
}

/**
 * Shows messages one after the other in the page itself, then closes it.
 * @param {any[]} messages
 */
async function showMessagesAndClose(messages) {
    for (const message of messages) {
        await new Promise((resolve) => {
            document.title = message.caption;
            const buttons = message.buttons.map((/** @type {any} */ offered) => button(offered, resolve));
            main.replaceChildren(messageBody(message, 'text'), element('div', { className: 'buttons' }, buttons));
            main.setAttribute('aria-describedby', 'text');
            document.onkeydown = (event) => {
                if (event.key === 'Escape')
                    resolve(message.buttons[message.buttons.length - 1].role);
            };
            buttons[0]?.focus();
            painted();
        });
    }
    await close();
}

/**
 * The outcome of a button: a refusal keeps the dialog open; otherwise the ticks are remembered,
 * the actions carried out, their messages shown, and the dialog closes.
 * @param {any} state
 * @param {View} view
 * @param {string} pressed the role of the button
 */
async function finish(state, view, pressed) {
    const core = await loadCore();
    const request = { ...state.request, answer: { button: pressed, ...view.answer() } };
    let outcome = core.finish(request);
    while (outcome.kind === 'question') {
        request.replies = [...(request.replies ?? []), await showMessage(outcome.question)];
        outcome = core.finish(request);
    }
    if (outcome.error)
        throw new Error(outcome.error.message);
    const refusal = outcome.messages.find((/** @type {any} */ message) => message.staysOpen);
    if (refusal) {
        await showMessage(refusal);
        view.focus(refusal.focus);
        return;
    }
    if (JSON.stringify(outcome.ticks) !== JSON.stringify(state.request.ticks ?? {}))
        await saveTicks(outcome.ticks);
    const menu = await loadMenu();
    if (startsPrograms(outcome.actions))
        await permitHost(menu);
    const shown = await carryOut(outcome.actions, state.origin, {
        openIn: await loadOpenIn(), nativeHost: menu.nativeHost, messages: menu.messages,
    }, request);
    const messages = [...outcome.messages, ...shown];
    if (messages.length > 0)
        await showMessagesAndClose(messages);
    else
        await close();
}

/**
 * Opens the command's help page in a tab, and leaves the dialog open with what was typed and
 * ticked (Help saves nothing).
 * @param {any} state
 * @param {View} view
 */
async function openHelp(state, view) {
    const core = await loadCore();
    const request = { ...state.request, answer: { button: 'help', ...view.answer() } };
    const outcome = core.finish(request);
    if (outcome.error)
        throw new Error(outcome.error.message);
    const menu = await loadMenu();
    await carryOut(outcome.actions, state.origin, { openIn: 'tab', nativeHost: menu.nativeHost, messages: menu.messages }, request);
}

/**
 * Shows a dialog of the core's description.
 * @param {any} state
 */
function showDialog(state) {
    const dialog = state.answer.dialog;
    const view = viewOf(dialog, state.request);
    document.title = dialog.caption;
    const press = async (/** @type {string} */ pressed) => {
        if (busy)
            return;
        busy = true;
        try {
            if (pressed === 'help' && dialog.kind !== 'about')
                await openHelp(state, view);
            else if (!(await view.press?.(pressed)))
                await finish(state, view, pressed);
        } finally {
            busy = false;
        }
    };
    const buttons = dialog.buttons.map((/** @type {any} */ offered) => button(offered, press));
    // The site lists draw Help apart on the left, then Cancel and OK: the Tab key follows them so.
    if (dialog.kind === 'siteList' || dialog.kind === 'currency')
        buttons.reverse();
    const form = element('form', { className: 'dialog ' + dialog.kind });
    if (state.notice)
        form.append(element('div', { className: 'notice', role: 'note' }, [messageBody(state.notice, 'notice')]));
    form.append(...view.content, ...(view.place ? view.place(buttons) : [element('div', { className: 'buttons' }, buttons)]));
    form.addEventListener('submit', (event) => event.preventDefault());
    form.addEventListener('keydown', (event) => {
        const target = /** @type {HTMLElement} */ (event.target);
        if (event.key === 'Escape') {
            event.preventDefault();
            // Escape ends a dialog as its close box does, as Cancel.
            press('cancel');
        } else if (event.key === 'Enter' && target.tagName !== 'BUTTON') {
            event.preventDefault();
            const preferred = dialog.buttons.find((/** @type {any} */ offered) => offered.default);
            if (preferred)
                press(preferred.role);
        }
    });
    main.replaceChildren(form);
    applyLabelKeys(form);
    view.focus();
    if (document.activeElement === document.body)
        (buttons.find((made) => made.classList.contains('default')) ?? buttons[0])?.focus();
    painted();
}

/**
 * Asks the question the command asks before its dialog, then prepares again with the reply.
 * @param {any} state
 */
async function showQuestion(state) {
    const { question } = state.answer;
    document.title = question.caption;
    main.replaceChildren();
    painted();
    const reply = await showMessage(question);
    state.request.replies = [...(state.request.replies ?? []), reply];
    state.answer = (await loadCore()).prepare(state.request);
    await saveState(id, state);
    show(state);
}

/** @param {any} state */
function show(state) {
    if (state.answer.kind === 'dialog')
        showDialog(state);
    else if (state.answer.kind === 'question')
        showQuestion(state);
    else
        showMessagesAndClose([...(state.notice ? [state.notice] : []), ...state.answer.messages]);
}

const state = await waitForState(id, PREPARE_TIMEOUT_MS);
if (state) {
    origin = state.origin;
    width = dialogWidth(windowKind(state.answer));
    fitFrame();
    show(state);
} else {
    window.close();
}
