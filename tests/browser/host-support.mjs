// What the tests of console entries through the native host share: tandrel-host installed for a
// home of the test's own, as a user installs it, and stand-ins for the programs the entries start
// (ping, tracert, the terminal), put first on the browser's PATH (the host inherits it), which
// record their arguments for the test to check.
import { execFile } from 'node:child_process';
import { chmod, mkdir, readFile, rm, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { promisify } from 'node:util';

import { root, waitFor } from './support.mjs';

export const hostProgram = process.env.TANDREL_HOST ?? join(root, 'build/native/tools/host/tandrel-host');

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

/**
 * Makes the stand-ins in folder/bin, recording into folder/records.
 * @param {string} folder a folder of the test's own (a home folder fits)
 * @returns {Promise<{bin: string, env: NodeJS.ProcessEnv}>} their folder, and
 *   the environment (the test's own, with the stand-ins first on PATH) a browser that starts the
 *   host needs
 */
export async function standIns(folder) {
    const bin = join(folder, 'bin');
    const records = join(folder, 'records');
    await mkdir(bin, { recursive: true });
    await mkdir(records, { recursive: true });
    for (const [name, script] of [['ping', recorder], ['tracert', recorder], ['x-terminal-emulator', terminal]]) {
        await writeFile(join(bin, name), script);
        await chmod(join(bin, name), 0o755);
    }
    return {
        bin,
        env: {
            ...process.env,
            PATH: `${bin}:${process.env.PATH}`,
            TANDREL_RECORDS: records,
            // The host opens console commands in a terminal only in a desktop session.
            DISPLAY: ':99',
        },
    };
}

/**
 * Runs tandrel-host with an option of its set-up (--install, --uninstall) for a home folder.
 * @param {string} option @param {string} home
 */
export async function setUpHost(option, home) {
    await promisify(execFile)(hostProgram, [option], { env: { ...process.env, HOME: home, XDG_CONFIG_HOME: '' } });
}

/**
 * Waits for a stand-in's record and takes it.
 * @param {string} folder the one given to standIns
 * @param {string} name the program
 * @returns {Promise<string[]>} its arguments
 */
export async function recorded(folder, name) {
    const file = join(folder, 'records', name);
    const [text] = await waitFor(() => readFile(file, 'utf8').then((read) => [read], () => null), { what: `${name} to be started` });
    await rm(file);
    return text.split('\0').slice(0, -1);
}
