// The dialog pages as a user meets them: in the page, out of the page's hearing and with the
// focus back in the page after, or in a window where the page cannot take them; a refused OK
// keeps the dialog open with its message, the keyboard and the mouse as in the browser's own
// lists, exclusive entries, Enter and Escape, Help in a tab of its own with the dialog left open,
// a console command asking for the permission to start programs, a page the browser keeps the
// extension from reading, the options page's edit taking effect in the next dialog and
// its question before it stores other programs, a followed anchor's referrer, and the worker
// stopped while a dialog is open.
import assert from 'node:assert/strict';
import { after, afterEach, before, describe, it } from 'node:test';

import { launchChromium } from './chromium-support.mjs';
import { waitFor } from './support.mjs';

/** @type {Awaited<ReturnType<typeof launchChromium>>} */
let browser;

/** A page with a selection that does something to each element added later. @param {string} action */
const watching = (action) => ({ raw: '<!DOCTYPE html><p id="selection">ISBN 0-306-40615-2</p><script>new MutationObserver((changes) =>' +
    ` changes.forEach((change) => change.addedNodes.forEach((node) => { ${action}; }))).observe(document.documentElement, { childList: true });</script>` });

const pages = {
    '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' },
    '/mail': { title: 'Contact', text: 'someone@example.org' },
    '/host': { title: 'A host', text: 'www.example.org' },
    '/landing': { title: 'Landed' },
    '/framed': { title: 'The top page', raw: '<!DOCTYPE html><title>The top page</title><p>Top</p><iframe src="/inner" width="600" height="200"></iframe>' },
    '/inner': { title: 'The frame', text: 'ISBN 0-306-40615-2' },
    // A page that hears every key, with a text box of its own in focus; pages that remove or hide
    // whatever is added to them.
    '/listening': { text: 'ISBN 0-306-40615-2', body: '<input id="field"><script>window.heard = []; for (const type of' +
        ' ["keydown", "keypress", "keyup", "input"]) addEventListener(type, (event) => window.heard.push(type), true);</script>' },
    '/removing': watching('node.remove()'),
    '/hiding': watching('node.style.display = "none"'),
};

before(async () => {
    browser = await launchChromium(pages);
});
afterEach(() => browser?.closeOthers());
after(() => browser?.close());

/** @typedef {import('./chromium-support.mjs').Dialog} Dialog */

/**
 * Presses a key that ends the dialog, and waits until it has closed.
 * @param {Dialog} dialog
 * @param {string} key
 */
async function pressToClose(dialog, key) {
    // The page may close before the key's press has returned.
    await browser.pageOf(dialog).keyboard.press(key).catch(() => {});
    await browser.closed(dialog);
}

/** The row of the site list with that short description. @param {Dialog} dialog @param {string} name */
const row = (dialog, name) => dialog.locator('[id^="short-"]', { hasText: name });

/** The message box shown over a dialog. @param {Dialog} dialog */
const messageBox = (dialog) => dialog.getByRole('alertdialog');

describe('the dialog in the page', () => {
    it('hears the keys typed into it, which the page never does, and gives the focus back to the page', async () => {
        const page = await browser.open('/listening', { select: false });
        await page.locator('#field').focus();
        await browser.selectText(page);
        const dialog = await browser.dialog('ISBN', page);
        assert.ok(browser.inPage(dialog));
        await dialog.waitForFunction(() => document.hasFocus() && document.activeElement?.id === 'text');
        for (const key of ['0', '-', '1', 'Tab', 'Space'])
            await browser.pageOf(dialog).keyboard.press(key);
        assert.equal(await dialog.getByRole('textbox').inputValue(), '0-1');
        assert.deepEqual(await page.evaluate(() => /** @type {any} */ (window).heard), []);
        await pressToClose(dialog, 'Escape');
        await page.waitForFunction(() => document.hasFocus() && document.activeElement?.id === 'field');
        assert.equal(await page.locator('#field').inputValue(), '');
    });

    for (const [what, path] of [['removes it', '/removing'], ['hides it', '/hiding'], ['is too small', '/book']]) {
        it(`opens in a window of its own when the page ${what}`, async () => {
            const page = await browser.open(path);
            if (what === 'is too small')
                await page.setViewportSize({ width: 260, height: 160 });
            const dialog = await browser.dialog('ISBN', page);
            assert.equal(browser.inPage(dialog), false);
            assert.equal(await dialog.getByRole('textbox').inputValue(), '0306406152');
            await pressToClose(dialog, 'Escape');
        });
    }
});

describe('the site-list dialog', () => {
    it('keeps itself open with the message of a refused OK, the focus back in the edit box', async () => {
        const dialog = await browser.dialog('ISBN', await browser.open('/book'));
        const text = dialog.getByRole('textbox', { name: 'Look for the book ISBN' });
        await text.fill('12345');
        await browser.pressButton(dialog, 'OK');
        await messageBox(dialog).waitFor();
        assert.equal((await messageBox(dialog).innerText()).includes('The ISBN number is not valid.'), true);
        await messageBox(dialog).getByRole('button', { name: 'OK' }).click();
        await dialog.waitForFunction(() => document.activeElement?.id === 'text');
        // Nothing ticked is refused too, with the focus on the list.
        for (const box of await dialog.getByRole('checkbox').all())
            await box.uncheck();
        await text.fill('0-306-40615-2');
        await text.press('Enter');
        await messageBox(dialog).waitFor();
        await messageBox(dialog).getByRole('button', { name: 'OK' }).press('Enter');
        await dialog.waitForFunction(() => document.activeElement?.getAttribute('type') === 'checkbox');
        await pressToClose(dialog, 'Escape');
    });

    it('moves, ticks and ends by the keyboard as the browser\'s own lists do', async (t) => {
        // Its OK remembers the ticks: the tests after it find the stored ones again.
        t.after(() => browser.worker.evaluate(async () =>
            chrome.storage.sync.remove(Object.keys(await chrome.storage.sync.get(null)).filter((key) => key.startsWith('ISBN:')))));
        const dialog = await browser.dialog('ISBN', await browser.open('/book'));
        // Where the focus is (a row's number, a button's text or the text box) and the ticks.
        const seen = () => dialog.evaluate(() => {
            const at = /** @type {HTMLElement} */ (document.activeElement);
            return [at.id.startsWith('tick-') ? Number(at.id.slice(5)) : at.tagName === 'BUTTON' ? at.innerText : at.id,
                [...document.querySelectorAll('input[type=checkbox]')].map((box) => /** @type {HTMLInputElement} */ (box).checked ? 'x' : '-').join('')];
        });
        // Keys, and where they leave the focus and the ticks. The list is one stop of Tab: it leaves
        // the list for the buttons, in the order drawn.
        for (const [keys, at, ticks] of [
            ['Tab', 0, 'x--x--'], ['ArrowDown Space', 1, 'xx-x--'], ['End ArrowDown Space', 5, 'xx-x-x'], ['Home ArrowUp Space', 0, '-x-x-x'],
            ['Tab', 'Help', '-x-x-x'], ['Tab Tab', 'OK', '-x-x-x'], ['Shift+Tab Shift+Tab', 'Help', '-x-x-x'], ['Shift+Tab', 0, '-x-x-x'],
            ['Shift+Tab', 'text', '-x-x-x'],
        ]) {
            for (const key of String(keys).split(' '))
                await browser.pageOf(dialog).keyboard.press(key);
            await dialog.waitForSelector('[aria-busy]', { state: 'detached' });
            assert.deepEqual([keys, ...await seen()], [keys, at, ticks]);
            // The status line shows the description of the row in focus, which is also the row's own.
            if (typeof at === 'number') {
                assert.equal(await dialog.getByRole('status').innerText(), await dialog.evaluate((row) =>
                    document.getElementById(document.getElementById('tick-' + row)?.getAttribute('aria-describedby') ?? '')?.textContent, at));
            }
        }
        // One click on a row ticks it; a double-click ticks and unticks, and selects no text.
        await row(dialog, 'WorldCat (USA)').click();
        await row(dialog, 'Open Library (USA)').dblclick();
        await dialog.waitForSelector('[aria-busy]', { state: 'detached' });
        assert.deepEqual(await seen(), [5, '-x-xxx']);
        assert.equal(await dialog.evaluate(() => /** @type {HTMLElement} */ (document.querySelector('.list')).contains(getSelection()?.anchorNode ?? null)), false);
        // Enter is OK, with the ticks given.
        const before = await browser.tabIds();
        await browser.pageOf(dialog).keyboard.press('Enter');
        await browser.closed(dialog);
        assert.equal((await browser.openedSince(before, 4)).length, 4);
    });

    it('unticks the others for an exclusive entry', async () => {
        const dialog = await browser.dialog('EMAIL', await browser.open('/mail'));
        const url = dialog.getByRole('checkbox', { name: 'Email the address of this page' });
        const address = dialog.getByRole('checkbox', { name: 'Write to the selected email address' });
        assert.equal(await url.isChecked(), true);
        await address.focus();
        await browser.pageOf(dialog).keyboard.press('Space');
        // The core sets the ticks by its rule for exclusive entries as soon as it is loaded.
        await dialog.waitForSelector('[aria-busy]', { state: 'detached' });
        assert.equal(await address.isChecked(), true);
        assert.equal(await url.isChecked(), false);
        assert.equal(await dialog.getByRole('status').innerText(), 'Write to the selected email address');
        await row(dialog, 'Email the selected text as a quotation').click();
        await dialog.waitForSelector('[aria-busy]', { state: 'detached' });
        assert.deepEqual(await dialog.getByRole('checkbox').evaluateAll((boxes) => boxes.map((box) => /** @type {HTMLInputElement} */ (box).checked)), [false, false, true]);
        await browser.pressButton(dialog, 'Cancel');
        await browser.closed(dialog);
    });

    it('opens Help in a tab of its own, reused for the next help page, and stays open as it was', async () => {
        let dialog = await browser.dialog('ISBN', await browser.open('/book'));
        await dialog.getByRole('textbox').fill('0-19-852663-6');
        await row(dialog, 'WorldCat (USA)').click();
        const shown = await browser.read(dialog);
        const before = await browser.tabIds();
        await browser.pressButton(dialog, 'Help');
        assert.match((await browser.openedSince(before, 1))[0], /\/help\/HelpISBN\.htm$/);
        assert.deepEqual(await browser.read(dialog), shown);
        await browser.answerAndRead(dialog, { press: 'Cancel' }, 0);
        dialog = await browser.dialog('EMAIL', await browser.open('/mail'));
        await browser.pressButton(dialog, 'Help');
        /** @type {string[]} */
        let urls = [];
        await waitFor(async () => {
            urls = (await browser.tabs()).map((tab) => tab.url);
            return urls.some((url) => url.endsWith('/help/HelpEmail.htm'));
        }, { what: () => `the help page of Email among ${urls.join(' ')}` });
        assert.equal(urls.filter((url) => url?.includes('/help/')).length, 1, urls.join(' '));
        await browser.answerAndRead(dialog, { press: 'Cancel' }, 0);
    });

    it('asks for the permission to start programs with its reason, and says when it is not given', async () => {
        // Headless Chromium cannot show the browser's own question: the dialog pages' request
        // is recorded (with whether the click still counted as the user's) and refused.
        await browser.context.addInitScript(() => {
            if (location.protocol !== 'chrome-extension:')
                return;
            const page = /** @type {any} */ (window);
            page.permissionRequests = [];
            chrome.permissions.request = async (/** @type {any} */ asked) => {
                page.permissionRequests.push({ asked, byTheUser: navigator.userActivation.isActive });
                return false;
            };
        });
        for (const [answer, requests] of /** @type {const} */ ([['Yes', 1], ['No', 0]])) {
            const dialog = await browser.dialog('OTHER', await browser.open('/host'));
            await browser.answer(dialog, { ticks: { 'Ping the host of this page': true }, press: 'OK' });
            await messageBox(dialog).getByText('Ask for the permission now?').waitFor();
            await messageBox(dialog).getByRole('button', { name: answer }).click();
            await dialog.getByText('The permission was not given, so nothing was started.').waitFor();
            assert.deepEqual(await dialog.evaluate(() => /** @type {any} */ (window).permissionRequests),
                requests ? [{ asked: { permissions: ['nativeMessaging'] }, byTheUser: true }] : []);
            await browser.pressButton(dialog, 'OK');
            await browser.closed(dialog);
        }
    });

    it('tells when the page refuses scripts, and works on what the click gave', async () => {
        const page = await browser.open('chrome://version/', { select: false });
        const dialog = await browser.dialog('ISBN', page, { selectionText: 'ISBN 0-306-40615-2' });
        assert.equal(browser.inPage(dialog), false, 'the browser page takes no frame: the dialog has a window');
        assert.match(await dialog.getByRole('note').innerText(), /does not let extensions read this page/);
        assert.equal(await dialog.getByRole('textbox').inputValue(), '0306406152');
        await pressToClose(dialog, 'Escape');
    });
});

describe('the options page', () => {
    it('checks the text by line as it is typed; a saved entry appears in the next dialog', async () => {
        const options = await browser.openOptions();
        const editor = options.getByRole('textbox', { name: 'Link configuration (nubrix.ini)' });
        const stored = await editor.inputValue();
        assert.match(stored, /\[ISBN:AmazonCom\]/);
        const mine = `[ISBN:Mine]\nshortDescription=My shop\nurl=${browser.server.origin}/landing?isbn=!S\nWindowNme=Mine\n`;
        await editor.fill(mine + stored);
        await options.getByText('Line 4: ').waitFor();
        await editor.fill(mine.replace('WindowNme', 'windowName') + stored);
        await options.waitForFunction(() => !document.getElementById('findings')?.textContent?.includes('WindowNme'));
        // The preview: what the new entry would do on the sample page.
        await options.getByRole('textbox', { name: 'Selected text' }).fill('0306406152');
        await options.getByRole('combobox', { name: 'Menu entry' }).selectOption('ISBN');
        await options.getByRole('combobox', { name: 'Entry', exact: true }).selectOption('ISBN:Mine');
        await options.getByRole('button', { name: 'Show what it does' }).click();
        assert.match(await options.locator('#preview-result').innerText(), /\/landing\?isbn=0306406152/);
        await options.getByRole('button', { name: 'Save' }).click();
        await options.getByText('Saved').waitFor();

        const dialog = await browser.dialog('ISBN', await browser.open('/book'));
        const addresses = await browser.answerAndRead(dialog, { ticks: { 'My shop': true }, press: 'OK' }, 3);
        assert.ok(addresses.includes(`${browser.server.origin}/landing?isbn=0306406152`), addresses.join(' '));

        await options.getByRole('button', { name: 'Reset to the default' }).click();
        await options.getByText('The stored default serves again.').waitFor();
        assert.equal(await browser.worker.evaluate(async () => (await chrome.storage.local.get('config')).config ?? null), null);
    });

    it('stores a configuration that starts other programs only when the user agrees', async () => {
        const options = await browser.openOptions();
        const file = Buffer.from('[OTHER:Mine]\r\nshortDescription=Mine\r\ncommand=mine.exe !S\r\nuseConsole=yes\r\n', 'latin1');
        await options.locator('input[type=file]').setInputFiles({ name: 'nubrix.ini', mimeType: 'text/plain', buffer: file });
        await options.waitForFunction(() => /** @type {HTMLTextAreaElement} */ (document.getElementById('config')).value.startsWith('[OTHER:Mine]'));
        const stored = () => browser.worker.evaluate(async () => (await chrome.storage.local.get('config')).config ?? null);
        for (const [answer, kept] of /** @type {const} */ ([['No', null], ['Yes', '[OTHER:Mine]\nshortDescription=Mine\ncommand=mine.exe !S\nuseConsole=yes\n']])) {
            await options.getByRole('button', { name: 'Save' }).click();
            const question = options.getByRole('alertdialog');
            await question.waitFor();
            assert.match(await question.innerText(), /OTHER:Mine starts in a console window: mine\.exe !S/);
            await question.getByRole('button', { name: answer }).click();
            await options.getByText(answer === 'No' ? /^Not saved:/ : /^Saved:/).waitFor();
            assert.equal(await stored(), kept);
        }
        await options.getByRole('button', { name: 'Reset to the default' }).click();
        await options.getByText('The stored default serves again.').waitFor();
    });

    it('imports and exports nubrix.ini as Windows-1252 bytes with CRLF line ends', async () => {
        const options = await browser.openOptions();
        // "Caf\xe9 \x80" in Windows-1252: an e with an acute accent and the euro sign.
        const bytes = Buffer.from('[BOOK:Cafe]\r\nshortDescription=Caf\xe9 \x80\r\nurl=https://cafe.example/?q=!S\r\n', 'latin1');
        await options.locator('input[type=file]').setInputFiles({ name: 'nubrix.ini', mimeType: 'text/plain', buffer: bytes });
        const editor = options.getByRole('textbox', { name: 'Link configuration (nubrix.ini)' });
        await options.waitForFunction(() => /** @type {HTMLTextAreaElement} */ (document.getElementById('config')).value.startsWith('[BOOK:Cafe]'));
        assert.equal(await editor.inputValue(), '[BOOK:Cafe]\nshortDescription=Caf\u00e9 \u20ac\nurl=https://cafe.example/?q=!S\n');
        const downloading = options.waitForEvent('download');
        await options.getByRole('button', { name: 'Export nubrix.ini' }).click();
        const download = await downloading;
        assert.equal(download.suggestedFilename(), 'nubrix.ini');
        const stream = await download.createReadStream();
        const chunks = [];
        for await (const chunk of stream)
            chunks.push(chunk);
        assert.deepEqual(Buffer.concat(chunks), bytes);
    });

    it('opens the addresses of entries that do not place their windows in tabs when the user chose so', async () => {
        const options = await browser.openOptions();
        await options.getByRole('radio', { name: 'a new tab' }).check();
        await waitFor(async () => await browser.worker.evaluate(async () => (await chrome.storage.sync.get('openIn')).openIn) === 'tab',
            { what: 'the choice of tabs stored' });
        const page = await browser.open('/book');
        const dialog = await browser.dialog('ISBN', page);
        await browser.answerAndRead(dialog, { press: 'OK' }, 2);
        const windows = await browser.worker.evaluate(async (url) => {
            const tabs = await chrome.tabs.query({});
            const origin = tabs.find((tab) => tab.url === url);
            return tabs.filter((tab) => (tab.pendingUrl || tab.url || '').includes('0306406152')).map((tab) => tab.windowId === origin?.windowId);
        }, page.url());
        assert.deepEqual(windows, [true, true]);
        await options.getByRole('radio', { name: 'a new window' }).check();
    });

    it('follows an anchor of an entry with the page as its referrer', async (t) => {
        await browser.useConfig(t, `[TRANSLATE:Mine]\nshortDescription=Mine\nhref=${browser.server.origin}/landing?from=anchor\nwindowName=_top\n`);
        const page = await browser.open('/book');
        const dialog = await browser.dialog('TRANSLATE', page);
        const landed = page.waitForURL(/\/landing\?from=anchor$/);
        await browser.pressButton(dialog, 'OK');
        await landed;
        const request = browser.server.requests.find((entry) => entry.path === '/landing?from=anchor');
        assert.equal(request?.referer, `${browser.server.origin}/book`);
    });
});

describe('a page with frames', () => {
    it('reads the selection of the frame clicked in, and follows the anchor there', async (t) => {
        await browser.useConfig(t, `[ISBN:Framed]\nshortDescription=Framed\nhref=${browser.server.origin}/landing?from=frame\nwindowName=_self\n`);
        const page = await browser.open('/framed', { select: false });
        const inner = /** @type {import('playwright-core').Frame} */ (page.frame({ url: /\/inner$/ }));
        await inner.waitForLoadState();
        await browser.selectText(inner);
        const frameId = await browser.worker.evaluate(async (url) => {
            const tab = (await chrome.tabs.query({})).find((candidate) => candidate.url === url);
            const found = await chrome.scripting.executeScript({ target: { tabId: tab?.id ?? -1, allFrames: true }, func: () => location.pathname });
            return found.find((frame) => frame.result === '/inner')?.frameId;
        }, page.url());
        const dialog = await browser.dialog('ISBN', page, { frameId, frameUrl: inner.url() });
        assert.equal(await dialog.getByRole('textbox').inputValue(), '0306406152');
        const landed = inner.waitForURL(/\/landing\?from=frame$/);
        await browser.pressButton(dialog, 'OK');
        await landed;
        assert.equal(page.url(), `${browser.server.origin}/framed`);
        const request = browser.server.requests.find((entry) => entry.path === '/landing?from=frame');
        assert.equal(request?.referer, `${browser.server.origin}/inner`);
    });
});

describe('a dialog outlives the worker', () => {
    it('completes on OK after the browser stopped the worker', async () => {
        const page = await browser.open('/book');
        const dialog = await browser.dialog('ISBN', page);
        // An extension page to read the tabs through.
        const extensionPage = await browser.openOptions();
        // The last test of the file: the session's worker stays stopped.
        assert.ok(await browser.stopWorker(page) >= 1);
        await browser.pressButton(dialog, 'OK');
        const amazon = 'https://www.amazon.com/s?k=0306406152&i=stripbooks';
        /** @type {string[]} */
        let now = [];
        // Both ticked sites; a tab may be there a moment before its address is.
        await waitFor(async () => {
            now = await extensionPage.evaluate(async () => (await chrome.tabs.query({})).map((tab) => tab.pendingUrl || tab.url || ''));
            return now.includes(amazon) && now.some((url) => url.includes('abebooks.com'));
        }, { what: () => `both ticked sites among ${now.join(' ')}` });
        assert.ok(now.includes(amazon), now.join(' '));
        assert.ok(now.some((url) => url.includes('abebooks.com')), now.join(' '));
    });
});
