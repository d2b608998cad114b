// The same extension in Firefox: the built package (tandrel-extension.xpi) installed in Debian's
// headless firefox-esr, where its background script runs as an event page. The menu it makes,
// "=>ISBN" from the menu listener to the dialog page, its answer and the windows opened at their
// addresses, the ticks remembered in Firefox's storage.sync, and an anchor followed in the page.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import { WAIT_MS } from './support.mjs';
import { session } from './firefox-support.mjs';

/** @type {Awaited<ReturnType<typeof session>>} */
let firefox;

before(async () => {
    firefox = await session({
        '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
        '/article': { title: 'An article', text: 'Ein Satz auf Deutsch.' },
    });
});
after(async () => {
    await firefox?.close();
});

describe('Firefox', () => {
    it('makes the fourteen entries in the DLL order and texts, each named by its keyword', async () => {
        const page = await firefox.open('/book');
        const deadline = Date.now() + WAIT_MS;
        let items = await firefox.menu(page);
        while (items.length < 14 && Date.now() < deadline) {
            await new Promise((done) => setTimeout(done, 50));
            items = await firefox.menu(page);
        }
        assert.deepEqual(items.map((/** @type {any} */ item) => [item.id, item.title]), [
            ['CONFIG', '=> Veltrane Tandrel'], ['BOOK', '=>Book'], ['CONVERT', '=>Convert'],
            ['CURRENCY', '=>Currency'], ['EMAIL', '=>Email'], ['ISBN', '=>ISBN'], ['MOVIE', '=>Movie'],
            ['MUSIC', '=>Music'], ['OTHER', '=>Other'], ['SEARCH', '=>Search'], ['STOCK', '=>Stock Symbol'],
            ['TRANSLATE', '=>Translate'], ['UPC', '=>UPC'], ['URL', '=>URL'],
        ]);
        await page.close();
    });

    it('=>ISBN: the dialog shows the number read from the page, and OK opens the ticked bookshops', async () => {
        const page = await firefox.open('/book');
        const dialog = await firefox.dialog('ISBN', page);
        console.log(JSON.stringify(dialog));
        assert.equal(dialog.text, '0306406152');
        const addresses = await firefox.answerAndRead(page, { url: dialog.url, press: 'OK' }, 2);
        assert.deepEqual(addresses.sort(), [
            'https://www.abebooks.com/servlet/SearchResults?isbn=0306406152',
            'https://www.amazon.com/s?k=0306406152&i=stripbooks',
        ]);
        await firefox.closeOthers(page);
        await page.close();
    });
});
