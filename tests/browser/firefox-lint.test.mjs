// The Firefox package as addons.mozilla.org would check it: web-ext lint (Mozilla's add-on
// linter) finds no error in tandrel-extension.xpi, and warns only of what one manifest for both
// browsers brings: the service worker key, which Firefox ignores (it runs the background scripts
// as an event page), and Firefox for Android, whose versions before 142 lack the data collection
// key (the extension's menu and windows need a desktop Firefox anyway). Any other warning, such
// as an API Firefox lacks or markup set from a variable, is a fault to fix.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import webExt from 'web-ext';

import { builtPackage } from './firefox-support.mjs';

const EXPECTED_WARNINGS = new Set(['BACKGROUND_SERVICE_WORKER_IGNORED', 'KEY_FIREFOX_ANDROID_UNSUPPORTED_BY_MIN_VERSION']);

/** @param {any} finding */
const describe = (finding) => `${finding.code} in ${finding.file ?? 'the package'}${finding.line ? ':' + finding.line : ''}: ${finding.message}`;

test('web-ext lint finds no error in the Firefox package and only the expected warnings', async (context) => {
    const result = await webExt.cmd.lint({ sourceDir: builtPackage, output: 'none' }, { shouldExitProgram: false });
    for (const warning of result.warnings)
        context.diagnostic('warning ' + describe(warning));
    assert.deepEqual(result.errors.map(describe), []);
    assert.deepEqual(result.warnings.filter((/** @type {any} */ warning) => !EXPECTED_WARNINGS.has(warning.code)).map(describe), []);
});
