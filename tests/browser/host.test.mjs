// Console entries through the native host, end to end: tandrel-host --install run for a home of
// the test's own, Chromium started on that home's Chromium profile (so it finds the host as a
// user's desktop Chromium would), "=>Other" entries chosen in the dialog, and the programs they
// start: stand-ins first on the browser's PATH (inherited by the host) that record their
// arguments. Hostile page text must arrive as plain words: nothing chained, expanded or run.
import assert from 'node:assert/strict';
import { access, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';

import { WAIT_MS, session } from './support.mjs';
import { hostProgram, recorded as recordedIn, setUpHost, standIns } from './host-support.mjs';

const home = await mkdtemp(join(tmpdir(), 'tandrel-home-'));
const marker = join(home, 'marker');
const hostile = `x & calc %PATH% $(touch ${marker}) "a b" ; \`touch ${marker}2\` 'c'`;

/** @type {Awaited<ReturnType<typeof session>>} */
let browser;
/** @type {string} */
let bin;

before(async () => {
    const made = await standIns(home);
    bin = made.bin;
    await setUpHost('--install', home);
    browser = await session({
        '/host': { title: 'A host', text: hostile },
    }, {
        profile: join(home, '.config/chromium'),
        env: made.env,
    });
});
after(async () => {
    await browser?.close();
    await rm(home, { recursive: true, force: true });
});

/** A stand-in's arguments, once it has run. @param {string} name */
const recorded = (name) => recordedIn(home, name);

/** Whether a file is there. @param {string} path */
const exists = (path) => access(path).then(() => true, () => false);

/**
 * Chooses the ticked "=>Other" entries on the page and presses OK.
 * @param {string[]} entries the short descriptions to tick
 * @param {string} [typed] text added in the dialog's edit box
 * @returns {Promise<import('playwright-core').Page>} the dialog, if it stays open
 */
async function runOther(entries, typed = '') {
    const dialog = await browser.dialog('OTHER', await browser.open('/host'));
    for (const name of entries)
        await dialog.getByRole('checkbox', { name }).check();
    if (typed)
        await dialog.getByRole('textbox').press('End').then(() => dialog.getByRole('textbox').pressSequentially(typed));
    await dialog.getByRole('button', { name: 'OK', exact: true }).click();
    return dialog;
}

describe('console entries through the native host', () => {
    it('the stored ping entry pings the page\'s host in a terminal kept open', async () => {
        const dialog = await runOther(['Ping the host of this page']);
        await dialog.waitForEvent('close', { timeout: WAIT_MS });
        assert.deepEqual(await recorded('ping'), ['127.0.0.1']);
        assert.deepEqual(await recorded('terminal'), ['-e', hostProgram, '--keep-open', join(bin, 'ping'), '127.0.0.1']);
        await browser.closeOthers();
    });

    it('hostile page text reaches the programs as words, chaining and expanding nothing', async () => {
        const config = '[OTHER:InConsole]\nshortDescription=In a console\ncommand=ping.exe !S\nuseConsole=yes\nURLEncoded=no\n' +
            '[OTHER:Direct]\nshortDescription=Directly\ncommand=tracert.exe !S\nURLEncoded=no\n';
        await browser.worker.evaluate((text) => chrome.storage.local.set({ config: text }), config);
        try {
            const dialog = await runOther(['In a console', 'Directly'], ' typed');
            await dialog.waitForEvent('close', { timeout: WAIT_MS });
            // Where the interpreter would read the line, its quotes, chains and variables are blanks.
            assert.deepEqual(await recorded('ping'),
                ['x', 'calc', 'PATH', '$(touch', `${marker})`, 'a', 'b', ';', '`touch', `${marker}2\``, "'c'", 'typed']);
            assert.equal((await recorded('terminal'))[0], '-e');
            // A program of its own gets the words as a Windows program would: quotes group.
            assert.deepEqual(await recorded('tracert'),
                ['x', '&', 'calc', '%PATH%', '$(touch', `${marker})`, 'a b', ';', '`touch', `${marker}2\``, "'c'", 'typed']);
            assert.equal(await exists(marker), false);
            assert.equal(await exists(`${marker}2`), false);
        } finally {
            await browser.worker.evaluate(() => chrome.storage.local.remove('config'));
            await browser.closeOthers();
        }
    });

    it('a program that does not start is told with the system\'s text', async () => {
        const config = '[OTHER:Missing]\nshortDescription=Missing\ncommand=no-such-program-of-tandrel !S\n';
        await browser.worker.evaluate((text) => chrome.storage.local.set({ config: text }), config);
        try {
            const dialog = await runOther(['Missing']);
            await dialog.getByText('No such file or directory').waitFor({ timeout: WAIT_MS });
            const closed = dialog.waitForEvent('close', { timeout: WAIT_MS });
            await dialog.getByRole('button', { name: 'OK' }).click();
            await closed;
        } finally {
            await browser.worker.evaluate(() => chrome.storage.local.remove('config'));
            await browser.closeOthers();
        }
    });
});
