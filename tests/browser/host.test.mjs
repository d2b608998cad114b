// Console entries through the native host, end to end: tandrel-host --install run for a home of
// the test's own, Chromium started on that home's Chromium profile (so it finds the host as a
// user's desktop Chromium would), "=>Other" entries chosen in the dialog, and the programs they
// start: stand-ins first on the browser's PATH (inherited by the host) that record their
// arguments. Hostile page text must arrive as plain words: nothing chained, expanded or run.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { access, chmod, mkdir, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { promisify } from 'node:util';

import { WAIT_MS, root, session } from './support.mjs';

const hostProgram = process.env.TANDREL_HOST ?? join(root, 'build/native/tools/host/tandrel-host');
const home = await mkdtemp(join(tmpdir(), 'tandrel-home-'));
const bin = join(home, 'bin');
const records = join(home, 'records');
const marker = join(home, 'marker');
const hostile = `x & calc %PATH% $(touch ${marker}) "a b" ; \`touch ${marker}2\` 'c'`;

/** @type {Awaited<ReturnType<typeof session>>} */
let browser;

// A program that records its arguments, NUL after each, in a file named after itself; and a
// terminal that records its own and runs what follows its -e, as x-terminal-emulator does.
const recorder = `#!/bin/sh
name=$(basename "$0")
printf '%s\\0' "$@" >"$TANDREL_RECORDS/$name.part"
mv "$TANDREL_RECORDS/$name.part" "$TANDREL_RECORDS/$name"
`;
const terminal = `#!/bin/sh
printf '%s\\0' "$@" >"$TANDREL_RECORDS/terminal"
shift
exec "$@" </dev/null >/dev/null
`;

before(async () => {
    await mkdir(bin, { recursive: true });
    await mkdir(records, { recursive: true });
    for (const [name, script] of [['ping', recorder], ['tracert', recorder], ['x-terminal-emulator', terminal]]) {
        await writeFile(join(bin, name), script);
        await chmod(join(bin, name), 0o755);
    }
    await promisify(execFile)(hostProgram, ['--install'], { env: { ...process.env, HOME: home, XDG_CONFIG_HOME: '' } });
    browser = await session({
        '/host': { title: 'A host', text: hostile },
    }, {
        profile: join(home, '.config/chromium'),
        env: {
            ...process.env,
            PATH: `${bin}:${process.env.PATH}`,
            TANDREL_RECORDS: records,
            // The host opens console commands in a terminal only in a desktop session.
            DISPLAY: ':99',
        },
    });
});
after(async () => {
    await browser?.close();
    await rm(home, { recursive: true, force: true });
});

/**
 * Waits for a stand-in's record and takes it.
 * @param {string} name the program
 * @returns {Promise<string[]>} its arguments
 */
async function recorded(name) {
    const file = join(records, name);
    const deadline = Date.now() + WAIT_MS;
    for (;;) {
        try {
            const text = await readFile(file, 'utf8');
            await rm(file);
            return text.split('\0').slice(0, -1);
        } catch (error) {
            if (Date.now() > deadline)
                throw new Error(`${name} was not started`, { cause: error });
            await new Promise((done) => setTimeout(done, 50));
        }
    }
}

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
