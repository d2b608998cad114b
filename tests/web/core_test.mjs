// The WebAssembly module as the extension uses it: instantiated from its bytes, every call made
// through the helper (tandrel-core-api.mjs) with JSON requests, and the answers checked against
// what the native tests expect of the same requests. Usage: node core_test.mjs BUILD_DIR
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const build = process.argv[2];
const { default: createTandrelCore } = await import(pathToFileURL(join(build, 'tandrel-core.mjs')).href);
const { bindCore, methodName } = await import(pathToFileURL(join(build, 'tandrel-core-api.mjs')).href);
// The module's glue looks for the .wasm beside it with fetch(), which node cannot do for a file.
const wasmBinary = await readFile(join(build, 'tandrel-core.wasm'));
const core = bindCore(await createTandrelCore({ wasmBinary }));

const page = {
    selection: 'ISBN 0-306-40615-2',
    url: 'https://shop.example.co.uk/item?id=7',
    title: 'A book',
    screen: { width: 1280, height: 1000 },
};
const request = {
    keyword: 'ISBN', page, ticks: { 'ISBN:BnCom': true }, locale: 'de-CH',
    moduleFolderUrl: 'chrome-extension://abc/help/',
};
// The interface's list of calls, which the module's exports are made from.
const callList = await readFile(join(dirname(fileURLToPath(import.meta.url)), '../../src/web/WebCallList.inc'), 'utf8');
const listedCalls = [...callList.matchAll(/^TANDREL_WEB_CALL\((\w+),/gm)].map((match) => match[1]);

const checks = {
    'the helper binds every call of the list, and only those'() {
        assert.ok(listedCalls.length >= 10, 'the list is read');
        assert.deepEqual(Object.keys(core).sort(), listedCalls.map(methodName).sort());
    },
    'prepare gives the dialog'() {
        const answer = core.prepare(request);
        assert.equal(answer.kind, 'dialog');
        assert.equal(answer.dialog.template, 222);
        assert.equal(answer.dialog.text, '0306406152');
        assert.equal(answer.dialog.texts.group, 'Look for the book ISBN');
        assert.deepEqual(answer.dialog.entries.map((e) => e.ticked), [true, false, true, true, false, false]);
    },
    'finish opens the ticked sites and gives the ticks'() {
        const answer = core.finish({ ...request, answer: { button: 'ok', ticked: [true, false, true, false, false, false] } });
        assert.deepEqual(answer.actions.map((a) => a.address), [
            'https://www.amazon.com/s?k=0306406152&i=stripbooks',
            'https://www.barnesandnoble.com/s/0306406152',
        ]);
        assert.equal(answer.actions[1].left, 21);
        assert.equal(answer.ticks['ISBN:AbeBooksCom'], false);
    },
    'help opens from the extension'() {
        const answer = core.finish({ ...request, answer: { button: 'help' } });
        assert.equal(answer.actions[0].address, 'chrome-extension://abc/help/HelpISBN.htm');
    },
    'text beyond ASCII crosses both ways'() {
        const answer = core.prepare({ keyword: 'BOOK', page: { selection: 'Ærøskøbing – “Straße”' } });
        assert.equal(answer.dialog.text, 'Ærøskøbing – “Straße”');
    },
    'calculate converts'() {
        const answer = core.calculate({ category: 'distance', amount: '5', from: 'kilometres', to: 'miles' });
        assert.equal(answer.result, '5 kilometres = 3.10686 miles');
    },
    'tick keeps exclusive entries alone, as the lists of the DLL do'() {
        const entries = [{ exclusive: false }, { exclusive: false }, { exclusive: true }];
        const cases = [
            { ticked: [true, true, false], clicked: 2, after: [false, false, true] },
            { ticked: [false, false, true], clicked: 0, after: [true, false, false] },
            { ticked: [true, false, false], clicked: 1, after: [true, true, false] },
            { ticked: [true, true, false], clicked: 0, after: [false, true, false] },
        ];
        for (const { ticked, clicked, after } of cases)
            assert.deepEqual(core.tick({ entries, ticked, clicked }).ticked, after, JSON.stringify({ ticked, clicked }));
        assert.equal(core.tick({ entries, ticked: [true], clicked: 0 }).error.code, 'invalid');
    },
    'units of a category start at the first'() {
        const { categories } = core.prepare({ keyword: 'CONVERT', page: { selection: '5 km' } }).dialog;
        for (const category of categories) {
            assert.deepEqual(core.units({ category: category.name }),
                { category: category.name, units: category.units, from: category.units[0], to: category.units[0] });
        }
        assert.deepEqual(core.units({ category: 'none such' }), { category: null, units: [], from: null, to: null });
    },
    'the calls without a page answer'() {
        assert.equal(core.menu().commands.length, 14);
        assert.equal(core.currencies().currencies.length, 176);
        assert.match(core.defaultConfig().config, /\[ISBN:AmazonCom\]/);
        assert.equal(core.lint({ config: '[ISBN:A]\nurl=x\nWindowNme=A\n' }).findings[0].line, 3);
        assert.equal(core.run({ entries: ['OTHER:Ping'], page }).actions[0].action, 'command');
        assert.equal(core.menu().nativeHost, 'com.veltrane.tandrel');
    },
    'nubrix.ini crosses as its Windows-1252 bytes'() {
        const bytes = [0x43, 0x61, 0x66, 0xE9, 0x20, 0x80, 0x0D, 0x0A, 0x93, 0x78, 0x94, 0x0D, 0x0A];
        assert.equal(core.importConfig({ bytes }).config, 'Café €\r\n“x”\r\n');
        assert.deepEqual(core.exportConfig({ config: 'Café €\n“x”\n' }).bytes, bytes);
    },
    'a large request and a malformed one answer'() {
        const large = core.prepare({ ...request, page: { ...page, selection: 'x'.repeat(10 << 20), selectionHtml: 'x'.repeat(10 << 20) } });
        assert.equal(large.kind, 'dialog');
        assert.equal(core.prepare({ keyword: 7 }).error.code, 'invalid');
        assert.equal(core.prepare({ keyword: 'ISBN', page: { selection: 'x'.repeat(65 << 20) } }).error.code,
            'oversized');
    },
};

let failed = 0;
for (const [name, check] of Object.entries(checks)) {
    try {
        check();
        console.log('ok   ' + name);
    } catch (error) {
        failed++;
        console.log('FAIL ' + name + '\n' + error.message);
    }
}
process.exit(failed ? 1 : 0);
