// The same extension in Firefox: the built package (tandrel-extension.xpi) installed in Debian's
// headless firefox-esr, where its background script runs as an event page. The menu it makes,
// "=>ISBN" from the menu listener to the dialog page, its answer and the windows opened at their
// addresses, the ticks remembered in Firefox's storage.sync, an anchor followed in the page, and
// a console entry without the native host and through it.
import assert from 'node:assert/strict';
import { mkdtemp } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';

import { WAIT_MS, assertTheDllsMenu, removeAll } from './support.mjs';
import { session } from './firefox-support.mjs';
import { hostProgram, recorded, setUpHost, standIns } from './host-support.mjs';

/** @type {Awaited<ReturnType<typeof session>>} */
let firefox;
// The stand-ins for the programs the host starts, first on Firefox's PATH throughout: until the
// host is installed, nothing can start them.
const programs = await mkdtemp(join(tmpdir(), 'tandrel-programs-'));

before(async () => {
    const { env } = await standIns(programs);
    firefox = await session({
        '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
        '/article': { title: 'An article', text: 'Ein Satz auf Deutsch.' },
        '/host': { title: 'A host', text: 'ping me' },
    }, { env });
});
after(async () => {
    await firefox?.close();
    await removeAll(programs);
});

describe('Firefox', () => {
    it('makes the fourteen entries in the DLL order and texts, each named by its keyword', async () => {
        const deadline = Date.now() + WAIT_MS;
        let items = await firefox.menu();
        while (items.length < 14 && Date.now() < deadline) {
            await new Promise((done) => setTimeout(done, 50));
            items = await firefox.menu();
        }
        assertTheDllsMenu(items);
    });

    it('=>ISBN: the dialog shows the number read from the page, and OK opens the ticked bookshops', async () => {
        const page = await firefox.open('/book');
        const dialog = await firefox.dialog('ISBN', page);
        assert.equal(dialog.title, 'Veltrane Tandrel');
        assert.equal(dialog.prompt, 'Look for the book ISBN');
        assert.equal(dialog.text, '0306406152');
        assert.deepEqual(dialog.buttons, ['OK', 'Cancel', 'Help']);
        assert.deepEqual(ticked(dialog), ['Amazon.com (USA)', 'AbeBooks (Canada)']);
        const addresses = await firefox.answerAndRead({ url: dialog.url, press: 'OK' }, 2);
        assert.deepEqual(addresses.sort(), [
            'https://www.abebooks.com/servlet/SearchResults?isbn=0306406152',
            'https://www.amazon.com/s?k=0306406152&i=stripbooks',
        ]);
        await firefox.closeOthers();
    });

    it('=>ISBN: the ticks and text given are the ones used, and the next dialog shows the ticks', async () => {
        const page = await firefox.open('/book');
        const dialog = await firefox.dialog('ISBN', page);
        const ticks = { 'Amazon.com (USA)': false, 'AbeBooks (Canada)': false, 'Open Library (USA)': true };
        const addresses = await firefox.answerAndRead({ url: dialog.url, text: '0-19-852663-6', ticks, press: 'OK' }, 1);
        assert.deepEqual(addresses, ['https://openlibrary.org/isbn/0198526636']);
        const again = await firefox.dialog('ISBN', page);
        assert.deepEqual(ticked(again), ['Open Library (USA)']);
        await firefox.answerAndRead({ url: again.url, press: 'Cancel' }, 0);
        await firefox.closeOthers();
    });

    it('=>Translate follows an anchor in the page: the page goes to the translation of itself', async () => {
        const page = await firefox.open('/article');
        const dialog = await firefox.dialog('TRANSLATE', page);
        const navigated = page.waitForRequest((request) => request.url().startsWith('https://translate.google.com/'), { timeout: WAIT_MS });
        await firefox.answerAndRead({ url: dialog.url, ticks: { [dialog.ticks[0].label]: true }, press: 'OK' }, 0);
        assert.match((await navigated).url(), /&u=http%3A%2F%2F127\.0\.0\.1%3A\d+%2Farticle$/);
        await firefox.closeOthers();
    });

    it('=>Other: a console entry without the native host says how to install it', async () => {
        const page = await firefox.open('/host');
        const dialog = await firefox.dialog('OTHER', page);
        const ticks = Object.fromEntries(dialog.ticks.map((/** @type {any} */ tick) => [tick.label, tick.label === 'Ping the host of this page']));
        await firefox.answerAndRead({ url: dialog.url, ticks, press: 'OK' }, 0);
        const deadline = Date.now() + WAIT_MS;
        let shown = await firefox.describe(dialog.url);
        while (shown && !shown.shown.includes('tandrel-host') && Date.now() < deadline) {
            await new Promise((done) => setTimeout(done, 50));
            shown = await firefox.describe(dialog.url);
        }
        assert.match(shown?.shown ?? 'the dialog closed', /tandrel-host/);
        assert.deepEqual(shown.buttons, ['OK']);
        await firefox.answerAndRead({ url: dialog.url, press: 'OK' }, 0);
        while (await firefox.describe(dialog.url) && Date.now() < deadline)
            await new Promise((done) => setTimeout(done, 50));
        assert.equal(await firefox.describe(dialog.url), null);
        await firefox.closeOthers();
    });

    it('=>Other: the ping entry pings the page\'s host through the native host, in a terminal kept open', async () => {
        // Installed as a user installs it, into the home Firefox sees; Firefox reads the manifest
        // on each message, so no restart is needed.
        await setUpHost('--install', firefox.home);
        try {
            const page = await firefox.open('/host');
            const dialog = await firefox.dialog('OTHER', page);
            const ticks = Object.fromEntries(dialog.ticks.map((/** @type {any} */ tick) => [tick.label, tick.label === 'Ping the host of this page']));
            await firefox.answerAndRead({ url: dialog.url, ticks, press: 'OK' }, 0);
            // The dialog closes without a message.
            const deadline = Date.now() + WAIT_MS;
            let shown = await firefox.describe(dialog.url);
            while (shown && Date.now() < deadline) {
                await new Promise((done) => setTimeout(done, 50));
                shown = await firefox.describe(dialog.url);
            }
            assert.equal(shown?.shown ?? null, null);
            const bin = join(programs, 'bin');
            assert.deepEqual(await recorded(programs, 'ping'), ['127.0.0.1']);
            assert.deepEqual(await recorded(programs, 'terminal'), ['-e', hostProgram, '--keep-open', join(bin, 'ping'), '127.0.0.1']);
        } finally {
            await setUpHost('--uninstall', firefox.home);
            await firefox.closeOthers();
        }
    });
});

/** The labels of the ticked entries of a dialog. @param {any} dialog */
function ticked(dialog) {
    return dialog.ticks.filter((/** @type {any} */ tick) => tick.ticked).map((/** @type {any} */ tick) => tick.label);
}
