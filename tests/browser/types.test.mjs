// The extension's JSDoc types, checked by TypeScript without a build step (tsconfig.json): the
// shipped files are the files in the repository.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));

test('the extension type-checks', () => {
    const checker = spawnSync(process.execPath, [join(here, 'node_modules/typescript/bin/tsc'), '-p', join(here, 'tsconfig.json')],
        { encoding: 'utf8' });
    assert.equal(checker.status, 0, checker.stdout + checker.stderr);
});
