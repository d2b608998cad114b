// Hostile page text gives the outcomes the DLL gives: quotes and line breaks arrive encoded,
// javascript: and file: addresses in the page open nothing, a selection of ten million characters
// finds its code at the very end; a page learns nothing of the read, hides nothing from it that
// reaches a finder and keeps no anchor of a followed link; and the ticks are remembered by section name in storage.sync,
// across a restart of the browser.
import assert from 'node:assert/strict';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchChromium } from './chromium-support.mjs';

/** @type {Awaited<ReturnType<typeof launchChromium>>} */
let browser;
const TEN_MB = 10 * 1024 * 1024;
const pages = {
    '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
    '/quotes': { title: 'Quotes', text: 'say "hi" & <b>\n\n  there' },
    '/script': { title: 'Script', text: 'javascript:alert(document.cookie)' },
    '/file': { title: 'File', text: 'file:///etc/passwd' },
    '/large': { title: 'Large', raw: `<!DOCTYPE html><title>Large</title><p id="selection">${'word '.repeat(TEN_MB / 5)}ISBN 0-306-40615-2</p>` },
    // A page that would learn of a copy of its selection: a custom element whose constructor and
    // an image whose error handler record their calls.
    '/spy': {
        title: 'Spy',
        raw: '<!DOCTYPE html><title>Spy</title><script>window.calls = [];' +
            'customElements.define("x-spy", class extends HTMLElement { constructor() { super(); window.calls.push("constructor"); } });' +
            '</script><p id="selection">ISBN <x-spy>0-306-40615-2</x-spy>' +
            '<img src="/missing.png" onerror="window.calls.push(\'onerror\')"></p>',
    },
    // Numbers the page hides in the selection, each way a page hides text.
    '/hidden': {
        title: 'Hidden',
        raw: '<!DOCTYPE html><title>Hidden</title><style>.gone { display: none }</style><p id="selection">A book ' +
            '<span style="display:none">ISBN 0-306-40615-2</span><span hidden>0-19-852663-6</span>' +
            '<span class="gone">ISBN 0-8044-2957-X</span><span style="visibility:hidden">0-9752298-0-X</span>' +
            '<span aria-hidden="true" class="gone">ISBN 0-7167-0344-0</span> in a shop</p>',
    },
};

before(async () => {
    browser = await launchChromium(pages);
});
afterEach(() => browser?.closeOthers());
after(() => browser?.close());

describe('hostile page text', () => {
    it('quotes, markup and line breaks reach the site encoded, collapsed as the DLL does', async () => {
        const dialog = await browser.dialog('SEARCH', await browser.open('/quotes'));
        assert.equal(await dialog.getByRole('textbox').inputValue(), 'say "hi" & <b> there');
        const addresses = await browser.answerAndRead(dialog, { press: 'OK' }, 1);
        assert.deepEqual(addresses, ['https://www.google.com/search?q=say%20%22hi%22%20%26%20%3Cb%3E%20there']);
    });

    for (const path of ['/script', '/file']) {
        it(`an address of the page off the web (${path.slice(1)}:) opens nothing, and says so`, async () => {
            const page = await browser.open(path);
            const dialog = await browser.dialog('OTHER', page);
            // The user is told what was not opened; the dialog page closes once the windows it
            // opens are there: a wrongly opened one shows among the tabs.
            await browser.pressButton(dialog, 'OK');
            await dialog.getByText(/^Nothing was opened for (javascript|file):/).waitFor();
            const opened = await browser.answerAndRead(dialog, { press: 'OK' }, 0);
            assert.deepEqual(opened, []);
            assert.equal(page.url(), `${browser.server.origin}${path}`);
        });
    }

    it('a selection of ten million characters finds the ISBN at its end', async () => {
        const dialog = await browser.dialog('ISBN', await browser.open('/large'));
        assert.equal(await dialog.getByRole('textbox').inputValue(), '0306406152');
        const addresses = await browser.answerAndRead(dialog, { press: 'OK' }, 2);
        assert.ok(addresses.includes('https://www.amazon.com/s?k=0306406152&i=stripbooks'), addresses.join(' '));
    });
});

describe('a page that watches', () => {
    it('learns nothing of the read: its code never runs on the copy of the selection', async () => {
        const page = await browser.open('/spy');
        // The page's own element and image made their calls as it loaded.
        await page.waitForFunction(() => /** @type {any} */ (window).calls.length === 2);
        await page.evaluate(() => { /** @type {any} */ (window).calls = []; });
        const dialog = await browser.dialog('ISBN', page);
        assert.equal(await dialog.getByRole('textbox').inputValue(), '0306406152');
        // An image the page loads after the read fails after any the read made would have.
        await page.evaluate(() => new Promise((done) => Object.assign(new Image(), { onerror: done, src: '/missing.png?after' })));
        assert.deepEqual(await page.evaluate(() => /** @type {any} */ (window).calls), []);
        assert.equal(browser.server.requests.filter((request) => request.path === '/missing.png').length, 1);
        await browser.pressButton(dialog, 'Cancel');
    });

    it('hides text from no finder: what it does not show reaches no dialog', async () => {
        // No number found: the dialog offers the selected words, without the hidden ones.
        const dialog = await browser.dialog('ISBN', await browser.open('/hidden'));
        assert.equal(await dialog.getByRole('textbox').inputValue(), 'A book in a shop');
        await browser.pressButton(dialog, 'Cancel');
    });

    it('keeps no anchor of a followed link', async (t) => {
        // A link to a place in the page itself: the page stays, to be looked at afterwards.
        await browser.useConfig(t, `[TRANSLATE:Here]\nshortDescription=Here\nhref=${browser.server.origin}/book#followed\nwindowName=_self\n`);
        const page = await browser.open('/book');
        const dialog = await browser.dialog('TRANSLATE', page);
        await browser.pressButton(dialog, 'OK');
        await page.waitForURL(/#followed$/);
        assert.equal(await page.evaluate(() => document.querySelectorAll('a').length), 0);
    });
});

describe('remembered ticks', () => {
    it('are kept in storage.sync by section name and come back after a restart', async () => {
        let dialog = await browser.dialog('ISBN', await browser.open('/book'));
        await browser.answerAndRead(dialog, { ticks: { 'Barnes & Noble (USA)': true, 'Amazon.com (USA)': false }, press: 'OK' }, 2);
        const synced = await browser.worker.evaluate(() => chrome.storage.sync.get(['ISBN:BnCom', 'ISBN:AmazonCom']));
        assert.deepEqual(synced, { 'ISBN:BnCom': true, 'ISBN:AmazonCom': false });
        await browser.restart();
        dialog = await browser.dialog('ISBN', await browser.open('/book'));
        assert.equal(await dialog.getByRole('checkbox', { name: 'Barnes & Noble (USA)' }).isChecked(), true);
        assert.equal(await dialog.getByRole('checkbox', { name: 'Amazon.com (USA)' }).isChecked(), false);
        await browser.pressButton(dialog, 'Cancel');
        await browser.closed(dialog);
    });

    it('go to storage.local when sync refuses them, and back to sync when it takes them again', async () => {
        // Sync all but full: room for fewer items than the ten of the movie list.
        await browser.worker.evaluate(async () => {
            const count = Object.keys(await chrome.storage.sync.get(null)).length;
            const filler = {};
            for (let index = count; index < chrome.storage.sync.MAX_ITEMS - 5; index++)
                filler['fill' + index] = 1;
            await chrome.storage.sync.set(filler);
        });
        let dialog = await browser.dialog('MOVIE', await browser.open('/book'));
        await dialog.getByRole('checkbox').nth(1).check();
        await browser.answerAndRead(dialog, { press: 'OK' }, 2);
        const local = await browser.worker.evaluate(async () => (await chrome.storage.local.get('ticks')).ticks ?? null);
        assert.equal(local?.['MOVIE:RottenTomatoesCom'], true);
        assert.equal(local?.['ISBN:BnCom'], true);
        await browser.closeOthers();

        // Room again: the next save moves every tick back to sync.
        await browser.worker.evaluate(async () => {
            await chrome.storage.sync.remove(Object.keys(await chrome.storage.sync.get(null)).filter((key) => key.startsWith('fill')));
        });
        dialog = await browser.dialog('MOVIE', await browser.open('/book'));
        assert.equal(await dialog.getByRole('checkbox').nth(1).isChecked(), true);
        await dialog.getByRole('checkbox').nth(2).check();
        await browser.answerAndRead(dialog, { press: 'OK' }, 3);
        const after = await browser.worker.evaluate(async () => ({
            local: (await chrome.storage.local.get('ticks')).ticks ?? null,
            synced: await chrome.storage.sync.get(['MOVIE:RottenTomatoesCom', 'MOVIE:MetacriticCom', 'ISBN:BnCom']),
        }));
        assert.equal(after.local, null);
        assert.deepEqual(after.synced, { 'MOVIE:RottenTomatoesCom': true, 'MOVIE:MetacriticCom': true, 'ISBN:BnCom': true });
    });
});
