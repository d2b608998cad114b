// What the extension keeps, and who may reach it: a script in a web page cannot read or change
// its storage; a dialog's state goes however the dialog closes, in its page or its window, a
// large one (kept in the IndexedDB) too; and states older than a day go when the worker starts.
import assert from 'node:assert/strict';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchChromium } from './chromium-support.mjs';
import { waitFor } from './support.mjs';

/** @type {Awaited<ReturnType<typeof launchChromium>>} */
let browser;
const pages = {
    '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
    // A selection whose state is too large for the session storage (its text and its markup).
    '/large': { title: 'Large', text: 'word '.repeat(1_000_000) + 'ISBN 0-306-40615-2' },
    '/elsewhere': { title: 'Elsewhere' },
};

before(async () => {
    browser = await launchChromium(pages);
});
afterEach(() => browser?.closeOthers());
after(() => browser?.close());

/** Waits until no dialog state is kept anywhere. @param {string} what */
async function noStateKept(what) {
    /** @type {{session: string[], database: string[]}} */
    let kept = { session: [], database: [] };
    await waitFor(async () => {
        kept = await browser.dialogStorage();
        return kept.session.length === 0 && kept.database.length === 0;
    }, { what: () => `no dialog state after ${what}; kept: ${JSON.stringify(kept)}` });
}

describe("the extension's storage", () => {
    it('is closed to scripts in web pages', async () => {
        const page = await browser.open('/book');
        await browser.worker.evaluate(() => chrome.storage.local.set({ probe: 'kept' }));
        /** @type {unknown} */
        let seen;
        // The worker closes its storage as it starts; a script the page runs then reads nothing.
        await waitFor(async () => {
            seen = await browser.worker.evaluate(async (url) => {
                const tab = (await chrome.tabs.query({})).find((candidate) => candidate.url === url);
                const [{ result }] = await chrome.scripting.executeScript({
                    target: { tabId: tab?.id ?? -1 },
                    func: async () => {
                        const outcomes = [];
                        for (const name of /** @type {const} */ (['local', 'sync', 'session'])) {
                            outcomes.push(await chrome.storage[name].get(null)
                                .then(() => `${name} read`, (error) => `${name} refused: ${error.message}`));
                        }
                        // Where the configuration is: a page that could write it would name the programs.
                        outcomes.push(await chrome.storage.local.set({ config: 'changed' })
                            .then(() => 'local written', (error) => `local refused: ${error.message}`));
                        return outcomes;
                    },
                });
                return result;
            }, page.url());
            return Array.isArray(seen) && seen.every((outcome) => outcome.includes('refused'));
        }, { what: () => `every storage area refused to a script in the page; it got ${JSON.stringify(seen)}` });
        assert.deepEqual(await browser.worker.evaluate(() => chrome.storage.local.get(['probe', 'config'])), { probe: 'kept' });
        await browser.worker.evaluate(() => chrome.storage.local.remove('probe'));
    });
});

describe("a dialog's state", () => {
    // Each way a user ends a dialog, in the page or in a window, and where its page is when it goes.
    /** @typedef {import('./chromium-support.mjs').Dialog} Dialog */
    const closeWindow = (/** @type {Dialog} */ dialog) => browser.worker.evaluate(async (url) => {
        const [tab] = (await chrome.tabs.query({})).filter((candidate) => candidate.url === url);
        await chrome.windows.remove(tab.windowId);
    }, dialog.url());
    /** @type {Array<[string, 'page' | 'window', string, (dialog: Dialog) => Promise<unknown>]>} */
    const ways = [
        ['its Cancel button', 'window', '/book', (dialog) => browser.pressButton(dialog, 'Cancel')],
        ['Escape', 'window', '/book', (dialog) => browser.pageOf(dialog).keyboard.press('Escape').catch(() => {})],
        ["its window's close button", 'window', '/book', closeWindow],
        ["its window's close button, a large state", 'window', '/large', closeWindow],
        ['its tab closed', 'window', '/book', (dialog) => browser.pageOf(dialog).close()],
        ['a navigation elsewhere', 'window', '/large', (dialog) => browser.pageOf(dialog).goto(browser.address('/elsewhere'))],
        ['Escape in the page', 'page', '/book', (dialog) => browser.pageOf(dialog).keyboard.press('Escape')],
        ['a click outside it', 'page', '/book', (dialog) => browser.pageOf(dialog).locator('#selection').click()],
        ["its page's tab closed", 'page', '/book', (dialog) => browser.pageOf(dialog).close()],
        ['its page navigating elsewhere, a large state', 'page', '/large', (dialog) => browser.pageOf(dialog).goto(browser.address('/elsewhere'))],
    ];
    for (const [way, where, path, end] of ways) {
        it(`goes when the dialog ends by ${way}`, async () => {
            await browser.dialogsIn(where);
            const dialog = await browser.dialog('ISBN', await browser.open(path));
            assert.equal(browser.inPage(dialog), where === 'page');
            const kept = await browser.dialogStorage();
            assert.equal(kept.session.length > 0, true, 'the open dialog has its state');
            assert.equal(kept.database.length, path === '/large' ? 1 : 0);
            await end(dialog);
            await noStateKept(way);
        });
    }

    it('goes when the worker starts a day after it was saved; a newer one stays', async () => {
        const options = await browser.openOptions();
        const dayAndSecond = 24 * 60 * 60 * 1000 + 1000;
        await browser.worker.evaluate(async (age) => {
            const state = { request: {}, answer: {}, origin: { tabId: 1, frameId: 0, windowId: 1 } };
            await chrome.storage.session.set({
                'saved:old': Date.now() - age, 'dialog:old': state,
                'saved:new': Date.now(), 'dialog:new': state,
            });
        }, dayAndSecond);
        assert.ok(await browser.stopWorker(options) >= 1);
        await browser.wakeWorker(options);
        /** @type {string[]} */
        let session = [];
        await waitFor(async () => {
            session = (await browser.dialogStorage()).session;
            return !session.includes('dialog:old');
        }, { what: () => `the old state dropped; kept: ${session.join(' ')}` });
        assert.deepEqual(session.sort(), ['dialog:new', 'saved:new']);
        await browser.worker.evaluate(() => chrome.storage.session.remove(['dialog:new', 'saved:new']));
    });
});
