// All fourteen menu entries end to end in headless Chromium: the menu as the core lists it, each
// click to its dialog in the page (some also in a window of its own, as the user may choose), the
// dialog's answer, and what the browser then shows: the windows opened at their addresses, the
// followed anchor, the mailto navigation, the converted amount, the currency site and the about
// page's buttons.
import assert from 'node:assert/strict';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchChromium } from './chromium-support.mjs';
import { assertTheDllsMenu, nextRequest } from './support.mjs';

/** @type {Awaited<ReturnType<typeof launchChromium>>} */
let browser;
const pages = {
    '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
    '/title': { title: 'Titles', text: 'The Hobbit' },
    '/movie': { title: 'Films', text: 'Casablanca' },
    '/music': { title: 'Records', text: 'Kind of Blue' },
    '/words': { title: 'Words', text: 'two words' },
    '/upc': { title: 'A can', text: 'UPC 03600029145' },
    '/stock': { title: 'Shares', text: 'Acme Corp. (ACME)' },
    '/address': { title: 'Links', text: 'https://www.example.org/start' },
    '/mail': { title: 'Contact', text: 'someone@example.org' },
    '/price': { title: 'A price', text: 'only £50 today' },
    '/distance': { title: 'A run', text: 'about 5 km' },
    '/article': { title: 'An article', text: 'Ein Satz auf Deutsch.' },
};

before(async () => {
    browser = await launchChromium(pages);
});

afterEach(() => browser?.closeOthers());
after(() => browser?.close());

/** Clicks an entry, and gives its dialog, shown where asked. @param {string} keyword @param {import('playwright-core').Page} page @param {any} [where] */
async function dialogOf(keyword, page, where = 'page') {
    await browser.dialogsIn(where);
    const dialog = await browser.dialog(keyword, page);
    assert.equal(browser.inPage(dialog) ? 'page' : 'window', where, `${keyword}'s dialog`);
    return dialog;
}
describe('the menu', () => {
    it('holds the fourteen entries in the DLL order and texts, each named by its keyword', async () => {
        assertTheDllsMenu(await browser.menu(14));
    });
});

/** The lookups: the page, the entry, the ticks changed, and the addresses that open. */
const lookups = [
    { keyword: 'ISBN', path: '/book', text: '0306406152', addresses: [
        'https://www.amazon.com/s?k=0306406152&i=stripbooks',
        'https://www.abebooks.com/servlet/SearchResults?isbn=0306406152'] },
    { keyword: 'BOOK', path: '/title', text: 'The Hobbit', addresses: [
        'https://www.amazon.com/s?k=The%20Hobbit&i=stripbooks',
        'https://www.alibris.com/booksearch?mtype=B&keyword=The%20Hobbit',
        'https://www.barnesandnoble.com/s/The%20Hobbit',
        'https://www.goodreads.com/search?q=The%20Hobbit'] },
    { keyword: 'MOVIE', path: '/movie', text: 'Casablanca', addresses: ['https://www.imdb.com/find/?q=Casablanca&s=tt'] },
    { keyword: 'MUSIC', path: '/music', text: 'Kind of Blue', addresses: ['https://www.allmusic.com/search/all/Kind%20of%20Blue'] },
    { keyword: 'SEARCH', path: '/words', text: 'two words', addresses: ['https://www.google.com/search?q=two%20words'] },
    { keyword: 'UPC', path: '/upc', text: '036000291452', addresses: ['https://www.upcitemdb.com/upc/036000291452'] },
    { keyword: 'STOCK', path: '/stock', text: 'ACME', addresses: [
        'https://finance.yahoo.com/quote/ACME/', 'https://www.marketwatch.com/investing/stock/ACME'] },
    { keyword: 'OTHER', path: '/address', text: 'https://www.example.org/start', addresses: ['https://www.example.org/start'] },
    { keyword: 'URL', path: '/address', text: null, addresses: ['https://lookup.icann.org/en/lookup?name=127.0.0.1'] },
];

describe('the lookups open the ticked sites', () => {
    // Each in the page; some also in a window of its own.
    for (const [lookup, where] of /** @type {Array<[typeof lookups[number], string]>} */ (lookups.flatMap((row) =>
        [[row, 'page'], ...(['ISBN', 'STOCK', 'OTHER', 'URL'].includes(row.keyword) ? [[row, 'window']] : [])]))) {
        it(`${lookup.keyword}: the dialog in the ${where}, then OK opens ${lookup.addresses.length} address(es)`, async () => {
            const dialog = await dialogOf(lookup.keyword, await browser.open(lookup.path), where);
            if (lookup.text === null)
                assert.equal(await dialog.getByRole('textbox').count(), 0);
            else
                assert.equal(await dialog.getByRole('textbox').inputValue(), lookup.text);
            const addresses = await browser.answerAndRead(dialog, { press: 'OK' }, lookup.addresses.length);
            assert.deepEqual([...addresses].sort(), [...lookup.addresses].sort());
        });
    }
});

describe('the other entries', () => {
    it('TRANSLATE follows an anchor in the page: the page goes to the translation of itself', async () => {
        const page = await browser.open('/article');
        const dialog = await dialogOf('TRANSLATE', page);
        await dialog.getByRole('checkbox', { name: 'German' }).check().catch(async () => {
            // The entry names differ: tick the first one by its position instead.
            await dialog.getByRole('checkbox').first().check();
        });
        const navigated = nextRequest(page, 'https://translate.google.com/');
        await browser.pressButton(dialog, 'OK');
        assert.match(await navigated, /&u=http%3A%2F%2F127\.0\.0\.1%3A\d+%2Farticle$/);
        // The anchor followed is gone, while the page is still there to tell (the translation
        // may already have replaced it, by an error page as its site cannot load here).
        const anchors = await page.evaluate(() =>
            location.pathname === '/article' ? document.querySelectorAll('a[id^="NUBRIX"]').length : 0).catch(() => 0);
        assert.equal(anchors, 0);
    });

    for (const [reply, outcome] of [['Yes', 'the dialog'], ['No', 'nothing']]) {
        it(`TRANSLATE on a host without a dot asks first; ${reply} gives ${outcome}`, async () => {
            const page = await browser.open(browser.server.origin.replace('127.0.0.1', 'intranet') + '/article', { select: false });
            const dialog = await dialogOf('TRANSLATE', page);
            const question = dialog.getByRole('alertdialog');
            await question.waitFor();
            assert.match(await question.innerText(), /Translation is only available if the URL you are browsing is on the Internet/);
            await question.getByRole('button', { name: /** @type {string} */ (reply) }).click();
            if (reply === 'No') {
                await browser.closed(dialog);
            } else {
                await dialog.getByRole('checkbox').first().waitFor();
                const navigated = nextRequest(page, 'https://translate.google.com/');
                await browser.pressButton(dialog, 'OK');
                assert.match(await navigated, /&u=http%3A%2F%2Fintranet%3A\d+%2Farticle$/);
            }
        });
    }

    it('EMAIL sends the page to its mailto address', async () => {
        const page = await browser.open('/mail');
        const dialog = await dialogOf('EMAIL', page);
        const mail = nextRequest(page, 'mailto:');
        await browser.pressButton(dialog, 'OK');
        assert.match(await mail, /^mailto:\?subject=Contact&body=.*127\.0\.0\.1/);
    });

    it('CONVERT shows the converted amount and keeps the dialog open', async () => {
        const dialog = await dialogOf('CONVERT', await browser.open('/distance'));
        assert.equal(await dialog.getByRole('textbox', { name: 'Convert the' }).inputValue(), '5');
        await dialog.getByRole('combobox', { name: 'To:' }).selectOption('miles');
        await dialog.getByRole('textbox', { name: 'Convert the' }).press('Enter');
        await dialog.waitForFunction(() => document.querySelector('output')?.textContent !== '');
        assert.equal(await dialog.locator('output').textContent(), '5 kilometres = 3.10686 miles');
        await browser.pressButton(dialog, 'OK');
        await browser.closed(dialog);
    });

    it('CURRENCY opens the converter with the amount and both currencies', async () => {
        const dialog = await dialogOf('CURRENCY', await browser.open('/price'));
        assert.equal(await dialog.getByRole('textbox').inputValue(), '50');
        assert.equal(await dialog.getByRole('combobox', { name: 'From:' }).inputValue(), 'GBP');
        assert.equal(await dialog.getByRole('combobox', { name: 'From:' }).locator('option').count(), 176);
        await dialog.getByRole('combobox', { name: 'To:' }).selectOption('EUR');
        const addresses = await browser.answerAndRead(dialog, { press: 'OK' }, 1);
        assert.deepEqual(addresses, ['https://www.xe.com/currencyconverter/convert/?Amount=50&From=GBP&To=EUR']);
    });

    for (const [name, address] of [
        ['Help', /^chrome-extension:\/\/[a-p]{32}\/help\/HelpIndex\.htm$/],
        ['Customization', /^chrome-extension:\/\/[a-p]{32}\/help\/HelpCustomize\.htm$/],
        ['Home Page', /^https:\/\/tandrel\.veltrane\.com\/$/],
    ]) {
        it(`CONFIG: the about page's ${name} opens its page`, async () => {
            const dialog = await dialogOf('CONFIG', await browser.open('/book'));
            const addresses = await browser.answerAndRead(dialog, { press: /** @type {string} */ (name) }, 1);
            assert.equal(addresses.length, 1);
            assert.match(addresses[0], /** @type {RegExp} */ (address));
        });
    }
});
