// What the browser tests share, whichever browser they drive: pages served on 127.0.0.1 by the
// test itself, the one bounded wait, clean-up that runs whatever failed, and the verbs of a
// session (open a page, select its text, click a menu entry, read the dialog, answer it, read what
// opened), which chromium-support.mjs and firefox-support.mjs implement each for its driver.
import assert from 'node:assert/strict';
import { mkdtemp, rm } from 'node:fs/promises';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

export const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
/** Bounds for waiting on the browser; generous, for a busy two-core machine. */
export const WAIT_MS = 30_000;
const POLL_MS = 50;

/**
 * Waits for a condition, polled until it gives a truthy value, or for a promise (an event), and
 * gives that value; fails, naming what it waited for (a function may tell the last state seen),
 * once the bound has passed.
 * @template T
 * @param {(() => T | Promise<T>) | Promise<T>} condition
 * @param {{what: string | (() => string), timeout?: number}} options
 * @returns {Promise<T>}
 */
export async function waitFor(condition, { what, timeout = WAIT_MS }) {
    /** @type {NodeJS.Timeout | undefined} */
    let timer;
    /** @type {Promise<never>} */
    const expired = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`waited ${timeout} ms for ${typeof what === 'function' ? what() : what}`)), timeout);
    });
    try {
        if (typeof condition !== 'function')
            return await Promise.race([condition, expired]);
        for (;;) {
            const value = await Promise.race([condition(), expired]);
            if (value)
                return value;
            await Promise.race([new Promise((done) => setTimeout(done, POLL_MS)), expired]);
        }
    } finally {
        clearTimeout(timer);
    }
}

/** Clean-up steps, run latest first, each whatever the others did. */
export class CleanUp {
    /** @type {Array<() => unknown>} */
    #steps = [];

    /** @template T @param {T} made @param {(made: T) => unknown} step its clean-up @returns {T} made */
    add(made, step) {
        this.#steps.unshift(() => step(made));
        return made;
    }

    /** Runs every step; throws the first failure. */
    async run() {
        const failures = [];
        for (const step of this.#steps.splice(0))
            await Promise.resolve().then(step).catch((error) => failures.push(error));
        if (failures.length > 0)
            throw failures[0];
    }

    /**
     * Makes something of parts, each added with its clean-up; if that fails, cleans them up.
     * @template T @param {(cleanUp: CleanUp) => Promise<T>} make
     */
    static async making(make) {
        const cleanUp = new CleanUp();
        try {
            return await make(cleanUp);
        } catch (error) {
            await cleanUp.run().catch(() => {});
            throw error;
        }
    }
}

/**
 * Checks menu items as the browser was given them against the DLL's menu: the fourteen entries
 * in its order and texts, each named by its keyword, on the contexts the DLL registers.
 * @param {{id?: string | number, title?: string, contexts?: string[]}[]} items
 */
export function assertTheDllsMenu(items) {
    assert.deepEqual(items.map((item) => [item.id, item.title]), [
        ['CONFIG', '=> Veltrane Tandrel'], ['BOOK', '=>Book'], ['CONVERT', '=>Convert'],
        ['CURRENCY', '=>Currency'], ['EMAIL', '=>Email'], ['ISBN', '=>ISBN'], ['MOVIE', '=>Movie'],
        ['MUSIC', '=>Music'], ['OTHER', '=>Other'], ['SEARCH', '=>Search'], ['STOCK', '=>Stock Symbol'],
        ['TRANSLATE', '=>Translate'], ['UPC', '=>UPC'], ['URL', '=>URL'],
    ]);
    for (const item of items)
        assert.deepEqual(item.contexts, ['page', 'selection', 'link']);
}

/** @typedef {Record<string, {title?: string, text?: string, body?: string, raw?: string}>} Pages */

/**
 * A page with a selection: the text in a paragraph of its own, selected by selectParagraph.
 * @param {{title?: string, text?: string, body?: string}} page
 */
function pageHtml(page) {
    const text = (page.text ?? '').replace(/&/g, '&amp;').replace(/</g, '&lt;');
    return `<!DOCTYPE html><html><head><meta charset="utf-8"><title>${page.title ?? 'A page'}</title></head>` +
        `<body>${page.body ?? ''}<p id="selection">${text}</p></body></html>`;
}

/**
 * Serves the pages given by path, and records every request (with its referrer).
 * @param {Pages} pages
 */
export async function servePages(pages) {
    /** @type {Array<{path: string, referer: string | undefined}>} */
    const requests = [];
    const server = createServer((request, response) => {
        const page = pages[(request.url ?? '/').split('?')[0]];
        requests.push({ path: request.url ?? '/', referer: request.headers.referer });
        response.setHeader('content-type', 'text/html; charset=utf-8');
        if (!page)
            response.statusCode = 404;
        response.end(page ? page.raw ?? pageHtml(page) : '<title>none</title>');
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', () => done(undefined)));
    const address = /** @type {import('node:net').AddressInfo} */ (server.address());
    return {
        origin: `http://127.0.0.1:${address.port}`,
        requests,
        close: () => new Promise((done) => server.close(() => done(undefined))),
    };
}

/** A fresh folder of the test's own. @param {string} [kind] */
export function newFolder(kind = 'profile') {
    return mkdtemp(join(tmpdir(), `tandrel-${kind}-`));
}

/** Removes folders a test made. @param {...string} folders */
export async function removeAll(...folders) {
    await Promise.all(folders.map((folder) => rm(folder, { recursive: true, force: true })));
}

/** Selects the text of the page's paragraph; runs in the page (or frame). */
export function selectParagraph() {
    const range = document.createRange();
    range.selectNodeContents(/** @type {HTMLElement} */ (document.getElementById('selection')));
    const selection = /** @type {Selection} */ (window.getSelection());
    selection.removeAllRanges();
    selection.addRange(range);
}

/**
 * The address of the next request of a page (the browser's own or an extension's navigation)
 * that starts so.
 * @param {{waitForRequest: (predicate: (request: {url: () => string}) => boolean, options: {timeout: number}) => Promise<{url: () => string}>}} page
 *   a page of either driver
 * @param {string} start
 */
export async function nextRequest(page, start) {
    const request = page.waitForRequest((candidate) => candidate.url().startsWith(start), { timeout: 0 });
    return (await waitFor(request, { what: `a request to ${start}` })).url();
}

/**
 * An answer to a dialog, as a user gives it: the text typed, boxes ticked or not (by their
 * labels), a button pressed (by its text).
 * @typedef {{text?: string, ticks?: Record<string, boolean>, press: string}} Answer
 */

/** A dialog as its page shows it. @typedef {ReturnType<typeof import('./dialog-page.mjs').describeDialog>} Shown */

/**
 * What a session does the same in each browser; the drivers' sessions add the verbs that need
 * their browser (open, dialog, read, answer, pressButton, closed, tabs, closeOthers).
 * @template Dialog
 */
export class Session {
    /** @param {Awaited<ReturnType<typeof servePages>>} server @param {CleanUp} cleanUp */
    constructor(server, cleanUp) {
        this.server = server;
        this.cleanUp = cleanUp;
    }

    /** The address of a served page, or any address. @param {string} address */
    address(address) {
        return address.startsWith('/') ? this.server.origin + address : address;
    }

    /**
     * Answers a dialog, waits until it has closed, and gives the addresses of the tabs it opened
     * (see openedSince). @param {Dialog} dialog @param {Answer} answer @param {number} count
     */
    async answerAndRead(dialog, answer, count) {
        const before = await this.tabIds();
        await this.answer(dialog, answer);
        // The dialog page opens its windows before it closes.
        await this.closed(dialog);
        return this.openedSince(before, count);
    }

    /** Ids of the tabs open now. */
    async tabIds() {
        return new Set((await this.tabs()).map((tab) => tab.id));
    }

    /**
     * Waits until tabs besides those given (and dialogs) show count addresses, and gives the new
     * addresses. @param {Set<number>} before ids of the tabs there before @param {number} count
     */
    async openedSince(before, count) {
        /** @type {string[]} */
        let addresses = [];
        await waitFor(async () => {
            addresses = (await this.tabs()).filter((tab) => !before.has(tab.id) && !tab.url.includes('/dialog.html')).map((tab) => tab.url);
            return addresses.length >= count && addresses.every((address) => address && address !== 'about:blank');
        }, { what: () => `${count} tab(s) opened at their addresses; opened: ${addresses.join(' ') || 'none'}` });
        return addresses;
    }

    /** Closes the browser, the server, and removes the session's folders. */
    close() {
        return this.cleanUp.run();
    }

    // Each driver's own; its dialog handle too (Chromium's is the dialog's page).
    /** @param {Dialog} dialog @param {Answer} answer @returns {Promise<void>} */
    async answer(dialog, answer) { throw new Error('no driver'); }
    /** Waits until the dialog has closed. @param {Dialog} dialog @returns {Promise<void>} */
    async closed(dialog) { throw new Error('no driver'); }
    /** The tabs open now, at their addresses (those they are loading). @returns {Promise<{id: number, url: string}[]>} */
    async tabs() { throw new Error('no driver'); }
}
