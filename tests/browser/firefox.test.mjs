// The same extension in Firefox: the built package (tandrel-extension.xpi) installed in Debian's
// headless firefox-esr, where its background script runs as an event page. The menu it makes,
// "=>ISBN" from the menu listener to the dialog page, its answer and the windows opened at their
// addresses, the ticks remembered in Firefox's storage.sync, an anchor followed in the page, and
// a console entry without the native host and through it.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchFirefox } from './firefox-support.mjs';
import { hostProgram, recorded, setUpHost, standIns } from './host-support.mjs';
import { assertTheDllsMenu, newFolder, nextRequest, removeAll, waitFor } from './support.mjs';

/** @type {Awaited<ReturnType<typeof launchFirefox>>} */
let firefox;
// The stand-ins for the programs the host starts, first on Firefox's PATH throughout: until the
// host is installed, nothing can start them.
const programs = await newFolder('programs');

before(async () => {
    const { env } = await standIns(programs);
    firefox = await launchFirefox({
        '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
        '/article': { title: 'An article', text: 'Ein Satz auf Deutsch.' },
        '/host': { title: 'A host', text: 'ping me' },
    }, { env });
});
afterEach(() => firefox?.closeOthers());
after(() => Promise.resolve(firefox?.close()).finally(() => removeAll(programs)));

describe('Firefox', () => {
    it('makes the fourteen entries in the DLL order and texts, each named by its keyword', async () => {
        assertTheDllsMenu(await firefox.menu(14));
    });

    it('=>ISBN: the dialog shows the number read from the page, and OK opens the ticked bookshops', async () => {
        const dialog = await firefox.dialog('ISBN', await firefox.open('/book'));
        const shown = await firefox.read(dialog);
        assert.equal(shown.title, 'Veltrane Tandrel');
        assert.equal(shown.prompt, 'Look for the book ISBN');
        assert.equal(shown.text, '0306406152');
        assert.deepEqual(shown.buttons, ['Help', 'Cancel', 'OK']);
        assert.deepEqual(ticked(shown), ['Amazon.com (USA)', 'AbeBooks (Canada)']);
        const addresses = await firefox.answerAndRead(dialog, { press: 'OK' }, 2);
        assert.deepEqual(addresses.sort(), [
            'https://www.abebooks.com/servlet/SearchResults?isbn=0306406152',
            'https://www.amazon.com/s?k=0306406152&i=stripbooks',
        ]);
    });

    it('=>ISBN: the ticks and text given are the ones used, and the next dialog shows the ticks', async () => {
        const page = await firefox.open('/book');
        const dialog = await firefox.dialog('ISBN', page);
        const ticks = { 'Amazon.com (USA)': false, 'AbeBooks (Canada)': false, 'Open Library (USA)': true };
        const addresses = await firefox.answerAndRead(dialog, { text: '0-19-852663-6', ticks, press: 'OK' }, 1);
        assert.deepEqual(addresses, ['https://openlibrary.org/isbn/0198526636']);
        const again = await firefox.dialog('ISBN', page);
        assert.deepEqual(ticked(await firefox.read(again)), ['Open Library (USA)']);
        await firefox.answerAndRead(again, { press: 'Cancel' }, 0);
    });

    it('=>Translate follows an anchor in the page: the page goes to the translation of itself', async () => {
        const page = await firefox.open('/article');
        const dialog = await firefox.dialog('TRANSLATE', page);
        const [first] = (await firefox.read(dialog)).ticks;
        const navigated = nextRequest(page, 'https://translate.google.com/');
        await firefox.answerAndRead(dialog, { ticks: { [first.label]: true }, press: 'OK' }, 0);
        assert.match(await navigated, /&u=http%3A%2F%2F127\.0\.0\.1%3A\d+%2Farticle$/);
    });

    it('=>Other: a console entry without the native host says how to install it', async () => {
        const dialog = await firefox.dialog('OTHER', await firefox.open('/host'));
        await firefox.answer(dialog, { ticks: await onlyPing(dialog), press: 'OK' });
        /** @type {import('./support.mjs').Shown | null} */
        let shown = null;
        await waitFor(async () => {
            shown = await firefox.read(dialog);
            return !shown || shown.shown.includes('tandrel-host');
        }, { what: 'the message that there is no host' });
        assert.match(shown?.shown ?? 'the dialog closed', /tandrel-host/);
        assert.deepEqual(shown.buttons, ['OK']);
        await firefox.pressButton(dialog, 'OK');
        await firefox.closed(dialog);
    });

    it('=>Other: the ping entry pings the page\'s host through the native host, in a terminal kept open', async () => {
        // Installed as a user installs it, into the home Firefox sees; Firefox reads the manifest
        // on each message, so no restart is needed.
        await setUpHost('--install', firefox.home);
        try {
            const dialog = await firefox.dialog('OTHER', await firefox.open('/host'));
            // The dialog closes without a message.
            await firefox.answer(dialog, { ticks: await onlyPing(dialog), press: 'OK' });
            await firefox.closed(dialog);
            const bin = join(programs, 'bin');
            assert.deepEqual(await recorded(programs, 'ping'), ['127.0.0.1']);
            assert.deepEqual(await recorded(programs, 'terminal'), ['-e', hostProgram, '--keep-open', join(bin, 'ping'), '127.0.0.1']);
        } finally {
            await setUpHost('--uninstall', firefox.home);
        }
    });
});

/** The labels of the ticked entries of a dialog. @param {import('./support.mjs').Shown} shown */
function ticked(shown) {
    return shown.ticks.filter((tick) => tick.ticked).map((tick) => tick.label);
}

/** The ticks of an "=>Other" dialog with the ping entry alone ticked. @param {{url: string}} dialog */
async function onlyPing(dialog) {
    return Object.fromEntries((await firefox.read(dialog)).ticks.map((tick) => [tick.label, tick.label === 'Ping the host of this page']));
}
