// JSDoc types checked by TypeScript without a build step: the extension's (tsconfig.json; the
// shipped files are the files in the repository), and the browser tests' own, so that a session
// verb called with what it does not take fails here and not in a browser (tsconfig.tests.json).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));

for (const [name, config] of [['the extension type-checks', 'tsconfig.json'], ['the browser tests type-check', 'tsconfig.tests.json']]) {
    test(name, () => {
        const checker = spawnSync(process.execPath, [join(here, 'node_modules/typescript/bin/tsc'), '-p', join(here, config)],
            { encoding: 'utf8' });
        assert.equal(checker.status, 0, checker.stdout + checker.stderr);
    });
}
