// Takes the pictures of every dialog page of the extension (light theme) for the tour:
// docs/tour/web-*.png. Usage: node pictures.mjs FOLDER   (run by sh scripts/pictures.sh)
import { join } from 'node:path';

import { launchChromium } from './chromium-support.mjs';

const folder = process.argv[2] ?? 'docs/tour';
const browser = await launchChromium({
    '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
    '/upc': { title: 'A can', text: 'UPC 03600029145' },
    '/title': { title: 'Titles', text: 'The Hobbit' },
    '/stock': { title: 'Shares', text: 'Acme Corp. (ACME)' },
    '/article': { title: 'An article', text: 'Ein Satz auf Deutsch.' },
    '/mail': { title: 'Contact', text: 'someone@example.org' },
    '/host': { title: 'A host', text: 'www.example.org' },
    '/distance': { title: 'A run', text: 'about 5 km' },
    '/price': { title: 'A price', text: 'only £50 today' },
});

/**
 * One picture of the dialog's page, as wide as its window.
 * @param {import('playwright-core').Page} dialog
 * @param {string} name
 * @param {number} width
 */
async function picture(dialog, name, width) {
    await dialog.setViewportSize({ width, height: 900 });
    await dialog.locator('main').screenshot({ path: join(folder, `web-${name}.png`) });
    console.log(`web-${name}.png`);
}

/** @param {import('./chromium-support.mjs').Dialog} dialog */
async function cancel(dialog) {
    // The page may close before the key's press has returned; if it never closes, the wait says so.
    await browser.pageOf(dialog).keyboard.press('Escape').catch(() => {});
    await browser.closed(dialog);
}

try {
    // The dialogs in the page, beside the selection, in the page's picture; then each in a window.
    for (const [keyword, path] of [['ISBN', '/book'], ['CONVERT', '/distance']]) {
        const dialog = await browser.dialog(keyword, await browser.open(path));
        await browser.pageOf(dialog).screenshot({ path: join(folder, `web-inpage-${keyword.toLowerCase()}.png`), clip: { x: 0, y: 0, width: 900, height: 600 } });
        await cancel(dialog);
    }
    await browser.dialogsIn('window');
    for (const [keyword, path, name] of [
        ['ISBN', '/book', 'isbn'], ['UPC', '/upc', 'upc'], ['BOOK', '/title', 'book'],
        ['MOVIE', '/title', 'movie'], ['MUSIC', '/title', 'music'], ['SEARCH', '/title', 'search'],
        ['OTHER', '/host', 'other'],
        ['STOCK', '/stock', 'stocksymbol'], ['TRANSLATE', '/article', 'translate'],
        ['EMAIL', '/mail', 'email'], ['URL', '/book', 'url'], ['CURRENCY', '/price', 'currency'],
        ['CONFIG', '/book', 'veltranetandrel'],
    ]) {
        const dialog = /** @type {import('playwright-core').Page} */ (await browser.dialog(keyword, await browser.open(path)));
        await picture(dialog, name, keyword === 'CONFIG' ? 560 : 460);
        await cancel(dialog);
    }

    let dialog = /** @type {import('playwright-core').Page} */ (await browser.dialog('CONVERT', await browser.open('/distance')));
    await dialog.getByRole('combobox', { name: 'To:' }).selectOption('miles');
    await browser.pressButton(dialog, 'Calculate');
    await dialog.waitForFunction(() => document.querySelector('output')?.textContent !== '');
    await picture(dialog, 'convert', 460);
    await cancel(dialog);

    dialog = /** @type {import('playwright-core').Page} */ (await browser.dialog('ISBN', await browser.open('/book')));
    await browser.answer(dialog, { text: '12345', press: 'OK' });
    await dialog.getByRole('alertdialog').waitFor();
    await dialog.setViewportSize({ width: 460, height: 420 });
    await dialog.screenshot({ path: join(folder, 'web-message-isbn-invalid.png') });
    console.log('web-message-isbn-invalid.png');
    await dialog.getByRole('alertdialog').getByRole('button').click();
    await cancel(dialog);

    dialog = /** @type {import('playwright-core').Page} */ (await browser.dialog('OTHER', await browser.open('/host')));
    await browser.answer(dialog, { ticks: { 'Ping the host of this page': true }, press: 'OK' });
    await dialog.getByText('tandrel-host').waitFor();
    await picture(dialog, 'message-nohost', 440);
    await cancel(dialog);

    const options = await browser.openOptions();
    await options.setViewportSize({ width: 1000, height: 1400 });
    await options.getByRole('button', { name: 'Show what it does' }).click();
    await options.screenshot({ path: join(folder, 'web-options.png'), fullPage: true });
    console.log('web-options.png');
} finally {
    await browser.close();
}
