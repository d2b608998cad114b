// Console entries through the native host, end to end: tandrel-host --install run for a home of
// the test's own, Chromium started on that home's Chromium profile (so it finds the host as a
// user's desktop Chromium would), "=>Other" entries chosen in the dialog, and the programs they
// start: stand-ins first on the browser's PATH (inherited by the host) that record their
// arguments. Hostile page text must arrive as plain words: nothing chained, expanded or run.
import assert from 'node:assert/strict';
import { access } from 'node:fs/promises';
import { join } from 'node:path';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchChromium } from './chromium-support.mjs';
import { hostProgram, recorded as recordedIn, setUpHost, standIns } from './host-support.mjs';
import { newFolder, removeAll } from './support.mjs';

const home = await newFolder('home');
const marker = join(home, 'marker');
const hostile = `x & calc %PATH% $(touch ${marker}) "a b" ; \`touch ${marker}2\` 'c'`;

/** @type {Awaited<ReturnType<typeof launchChromium>>} */
let browser;
/** @type {string} */
let bin;

before(async () => {
    const made = await standIns(home);
    bin = made.bin;
    await setUpHost('--install', home);
    browser = await launchChromium({
        '/host': { title: 'A host', text: hostile },
        // A selection the host refuses to take whole (its messages hold at most 1 MB).
        '/long': { title: 'Long', text: 'word '.repeat(300_000) },
    }, {
        profile: join(home, '.config/chromium'),
        env: made.env,
        granted: ['nativeMessaging'],
    });
});
afterEach(() => browser?.closeOthers());
after(() => Promise.resolve(browser?.close()).finally(() => removeAll(home)));

/** A stand-in's arguments, once it has run. @param {string} name */
const recorded = (name) => recordedIn(home, name);

/** Whether a file is there. @param {string} path */
const exists = (path) => access(path).then(() => true, () => false);

/**
 * Chooses the ticked "=>Other" entries on the page and presses OK.
 * @param {string[]} entries the short descriptions to tick
 * @param {string} [typed] text added in the dialog's edit box
 * @param {string} [path] the page
 * @returns {Promise<import('./chromium-support.mjs').Dialog>} the dialog, if it stays open
 */
async function runOther(entries, typed = '', path = '/host') {
    const dialog = await browser.dialog('OTHER', await browser.open(path));
    if (typed)
        await dialog.getByRole('textbox').press('End').then(() => dialog.getByRole('textbox').pressSequentially(typed));
    await browser.answer(dialog, { ticks: Object.fromEntries(entries.map((name) => [name, true])), press: 'OK' });
    return dialog;
}

describe('console entries through the native host', () => {
    it('the stored ping entry pings the page\'s host in a terminal kept open', async () => {
        await browser.closed(await runOther(['Ping the host of this page']));
        assert.deepEqual(await recorded('ping'), ['127.0.0.1']);
        assert.deepEqual(await recorded('terminal'), ['-e', hostProgram, '--keep-open', join(bin, 'ping'), '127.0.0.1']);
    });

    it('hostile page text reaches the programs as words, chaining and expanding nothing', async (t) => {
        await browser.useConfig(t, '[OTHER:InConsole]\nshortDescription=In a console\ncommand=ping.exe !S\nuseConsole=yes\nURLEncoded=no\n' +
            '[OTHER:Direct]\nshortDescription=Directly\ncommand=tracert.exe !S\nURLEncoded=no\n');
        await browser.closed(await runOther(['In a console', 'Directly'], ' typed'));
        // Where the interpreter would read the line, its quotes, chains and variables are blanks.
        assert.deepEqual(await recorded('ping'),
            ['x', 'calc', 'PATH', '$(touch', `${marker})`, 'a', 'b', ';', '`touch', `${marker}2\``, "'c'", 'typed']);
        assert.equal((await recorded('terminal'))[0], '-e');
        // A program of its own gets the words as a Windows program would, but the page's quotes
        // group nothing: they would end or begin an argument of the template's.
        assert.deepEqual(await recorded('tracert'),
            ['x', '&', 'calc', '%PATH%', '$(touch', `${marker})`, 'a', 'b', ';', '`touch', `${marker}2\``, "'c'", 'typed']);
        assert.equal(await exists(marker), false);
        assert.equal(await exists(`${marker}2`), false);
    });

    it('a command the host refuses is told with the host\'s reason', async (t) => {
        // The markup of a 1.5 MB selection is more than a message to the host may hold.
        await browser.useConfig(t, '[OTHER:Whole]\nshortDescription=Whole\ncommand=tracert.exe !O\nURLEncoded=no\n');
        const dialog = await runOther(['Whole'], '', '/long');
        await dialog.getByText('tandrel-host refused to start the program of this entry: a message may hold at most').waitFor();
        await browser.pressButton(dialog, 'OK');
        await browser.closed(dialog);
    });

    it('says how to install the host where there is none', async () => {
        await setUpHost('--uninstall', home);
        try {
            const dialog = await runOther(['Ping the host of this page']);
            await dialog.getByText('tandrel-host').waitFor();
            assert.match(await dialog.locator('main').innerText(), /native messaging host com\.veltrane\.tandrel\)\. It is not installed/);
            await browser.pressButton(dialog, 'OK');
            await browser.closed(dialog);
        } finally {
            await setUpHost('--install', home);
        }
    });

    it('a program that does not start is told with the system\'s text', async (t) => {
        await browser.useConfig(t, '[OTHER:Missing]\nshortDescription=Missing\ncommand=no-such-program-of-tandrel !S\n');
        const dialog = await runOther(['Missing']);
        await dialog.getByText('No such file or directory').waitFor();
        await browser.pressButton(dialog, 'OK');
        await browser.closed(dialog);
    });
});
