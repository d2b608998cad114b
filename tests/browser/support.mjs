// What the browser tests share: pages served on 127.0.0.1 by the test itself, headless Chromium
// (Debian's) with a test copy of the built extension, menu clicks dispatched in its worker, and
// the dialog windows and opened tabs read back.
//
// The copy differs from the built extension in its manifest alone: host access to 127.0.0.1
// (a synthetic click grants no activeTab) and the tabs permission, so that the test reads the
// addresses of the tabs the extension opened. Every other host is mapped away: opened sites
// cannot load here, and their addresses are read from the tabs.
import { chromium } from 'playwright-core';
import assert from 'node:assert/strict';
import { cp, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
export const root = resolve(here, '../..');
export const builtExtension = process.env.TANDREL_EXTENSION ?? join(root, 'build/wasm/extension');
/** Bounds for waiting on the browser; generous, for a busy two-core machine. */
export const WAIT_MS = 30_000;

/**
 * Checks menu items as the browser was given them against the DLL's menu: the fourteen entries
 * in its order and texts, each named by its keyword, on the contexts the DLL registers.
 * @param {{id?: string | number, title?: string, contexts?: string[]}[]} items
 */
export function assertTheDllsMenu(items) {
    assert.deepEqual(items.map((item) => [item.id, item.title]), [
        ['CONFIG', '=> Veltrane Tandrel'], ['BOOK', '=>Book'], ['CONVERT', '=>Convert'],
        ['CURRENCY', '=>Currency'], ['EMAIL', '=>Email'], ['ISBN', '=>ISBN'], ['MOVIE', '=>Movie'],
        ['MUSIC', '=>Music'], ['OTHER', '=>Other'], ['SEARCH', '=>Search'], ['STOCK', '=>Stock Symbol'],
        ['TRANSLATE', '=>Translate'], ['UPC', '=>UPC'], ['URL', '=>URL'],
    ]);
    for (const item of items)
        assert.deepEqual(item.contexts, ['page', 'selection', 'link']);
}

/**
 * A page with a selection: the text in a paragraph of its own, selected by selectText.
 * @param {{title?: string, text?: string, body?: string, csp?: string}} page
 */
function pageHtml(page) {
    const text = (page.text ?? '').replace(/&/g, '&amp;').replace(/</g, '&lt;');
    return `<!DOCTYPE html><html><head><meta charset="utf-8"><title>${page.title ?? 'A page'}</title></head>` +
        `<body>${page.body ?? ''}<p id="selection">${text}</p></body></html>`;
}

/**
 * Serves the pages given by path, and records every request (with its referrer).
 * @param {Record<string, {title?: string, text?: string, body?: string, raw?: string}>} pages
 */
export async function servePages(pages) {
    /** @type {Array<{path: string, referer: string | undefined}>} */
    const requests = [];
    const server = createServer((request, response) => {
        const path = (request.url ?? '/').split('?')[0];
        requests.push({ path: request.url ?? '/', referer: request.headers.referer });
        const page = pages[path];
        response.setHeader('content-type', 'text/html; charset=utf-8');
        if (!page) {
            response.statusCode = 404;
            response.end('<title>none</title>');
            return;
        }
        response.end(page.raw ?? pageHtml(page));
    });
    await new Promise((done) => server.listen(0, '127.0.0.1', () => done(undefined)));
    const address = /** @type {import('node:net').AddressInfo} */ (server.address());
    return {
        origin: `http://127.0.0.1:${address.port}`,
        requests,
        close: () => new Promise((done) => server.close(() => done(undefined))),
    };
}

/** A test copy of the built extension (see above). @returns {Promise<string>} its folder */
export async function testExtension() {
    const folder = await mkdtemp(join(tmpdir(), 'tandrel-extension-'));
    await cp(builtExtension, folder, { recursive: true });
    const manifestPath = join(folder, 'manifest.json');
    const manifest = JSON.parse(await readFile(manifestPath, 'utf8'));
    manifest.host_permissions = ['http://127.0.0.1/*', 'http://intranet/*'];
    manifest.permissions = [...manifest.permissions, 'tabs'];
    await writeFile(manifestPath, JSON.stringify(manifest, null, 2));
    return folder;
}

/**
 * Headless Chromium with the extension, in a profile folder (kept by the caller for restarts).
 * @param {string} extension
 * @param {string} profile
 * @param {{colorScheme?: 'light' | 'dark', env?: Record<string, string>}} [options] env: the
 *   browser's environment (the programs it starts, a native host among them, inherit it)
 */
export async function launch(extension, profile, options = {}) {
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: process.env.TANDREL_CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        env: options.env,
        colorScheme: options.colorScheme ?? 'light',
        viewport: null,
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            // "intranet" is a host without a dot, served here too.
            '--host-resolver-rules=MAP intranet 127.0.0.1, MAP * ~NOTFOUND, EXCLUDE 127.0.0.1',
            '--window-size=1280,900',
            `--disable-extensions-except=${extension}`, `--load-extension=${extension}`,
        ],
    });
    const worker = await serviceWorker(context);
    return { context, worker };
}

/** The extension's service worker, started if it is not running. @param {import('playwright-core').BrowserContext} context */
export async function serviceWorker(context) {
    const running = context.serviceWorkers().find((worker) => worker.url().endsWith('/sw.mjs'));
    return running ?? context.waitForEvent('serviceworker', { timeout: WAIT_MS });
}

/** A fresh profile folder. */
export function newProfile() {
    return mkdtemp(join(tmpdir(), 'tandrel-profile-'));
}

/** Removes folders a test made. @param {...string} folders */
export async function removeAll(...folders) {
    await Promise.all(folders.map((folder) => rm(folder, { recursive: true, force: true })));
}

/**
 * Selects the text of the page's paragraph (or a part of it).
 * @param {import('playwright-core').Page} page
 */
export async function selectText(page) {
    await page.evaluate(() => {
        const paragraph = /** @type {HTMLElement} */ (document.getElementById('selection'));
        const range = document.createRange();
        range.selectNodeContents(paragraph);
        const selection = /** @type {Selection} */ (window.getSelection());
        selection.removeAllRanges();
        selection.addRange(range);
    });
}

/**
 * Clicks a menu entry, as the browser calls the extension for it, on the tab showing the page.
 * @param {import('playwright-core').Worker} worker
 * @param {string} keyword the entry's menu item id
 * @param {string} url the address of the page clicked in
 * @param {object} [extra] more of the click's info (selectionText, linkUrl, frameId)
 */
export async function clickMenu(worker, keyword, url, extra = {}) {
    await worker.evaluate(async ({ keyword, url, extra }) => {
        const tabs = await chrome.tabs.query({});
        const tab = tabs.find((candidate) => candidate.url === url);
        if (!tab)
            throw new Error('no tab shows ' + url + ' among ' + tabs.map((t) => t.url).join(', '));
        chrome.contextMenus.onClicked.dispatch(
            { menuItemId: keyword, frameId: 0, pageUrl: url, editable: false, ...extra }, tab);
    }, { keyword, url, extra });
}

/**
 * The next dialog window, once it is painted.
 * @param {import('playwright-core').BrowserContext} context
 */
export async function nextDialog(context) {
    const dialog = await context.waitForEvent('page', {
        predicate: (page) => page.url().includes('/dialog.html'), timeout: WAIT_MS,
    });
    await dialog.waitForSelector('html[data-painted]', { timeout: WAIT_MS });
    return dialog;
}

/**
 * Waits until the extension has opened tabs at these many addresses besides those given, and
 * gives the new addresses (of every tab, in the order the browser lists them).
 * @param {import('playwright-core').Worker} worker
 * @param {Set<number>} before ids of the tabs there before
 * @param {number} count
 */
export async function openedAddresses(worker, before, count) {
    const deadline = Date.now() + WAIT_MS;
    for (;;) {
        const tabs = await worker.evaluate(() => chrome.tabs.query({}));
        const opened = tabs.filter((tab) => !before.has(tab.id ?? -1) && !(tab.url ?? tab.pendingUrl ?? '').includes('/dialog.html'));
        const addresses = opened.map((tab) => tab.pendingUrl || tab.url || '');
        if ((addresses.length >= count && addresses.every((address) => address && address !== 'about:blank')) || Date.now() > deadline)
            return addresses;
        await new Promise((done) => setTimeout(done, 50));
    }
}

/** Ids of the tabs open now. @param {import('playwright-core').Worker} worker */
export async function tabIds(worker) {
    return new Set(await worker.evaluate(async () => (await chrome.tabs.query({})).map((tab) => tab.id ?? -1)));
}

/**
 * One browser for a group of tests, with the served pages and helpers bound to it.
 * @param {Record<string, {title?: string, text?: string, body?: string, raw?: string}>} pages
 * @param {{profile?: string, env?: Record<string, string>}} [options] a profile folder of the
 *   caller's (removed by close) and the browser's environment
 */
export async function session(pages, options = {}) {
    const server = await servePages(pages);
    const extension = await testExtension();
    const profile = options.profile ?? await newProfile();
    const launchOptions = { env: options.env };
    let { context, worker } = await launch(extension, profile, launchOptions);
    const self = {
        server, extension, profile,
        get context() { return context; },
        get worker() { return worker; },
        /** Opens a served page in a tab of its own, with its paragraph selected. @param {string} path */
        async open(path) {
            const page = await context.newPage();
            await page.goto(server.origin + path);
            await selectText(page);
            return page;
        },
        /** Clicks an entry on the page and gives its dialog. @param {string} keyword @param {import('playwright-core').Page} page @param {object} [extra] */
        async dialog(keyword, page, extra) {
            const opening = nextDialog(context);
            await clickMenu(worker, keyword, page.url(), extra);
            return opening;
        },
        /** Presses a button of a dialog and gives the addresses of the tabs it opened. */
        async pressAndRead(/** @type {import('playwright-core').Page} */ dialog, /** @type {string} */ name, /** @type {number} */ count) {
            const before = await tabIds(worker);
            const closed = dialog.waitForEvent('close', { timeout: WAIT_MS });
            await dialog.getByRole('button', { name, exact: true }).click();
            const addresses = await openedAddresses(worker, before, count);
            await closed;
            return addresses;
        },
        /** Closes every tab but the pages given. @param {...import('playwright-core').Page} keep */
        async closeOthers(...keep) {
            const keepUrls = keep.map((page) => page.url());
            await worker.evaluate(async (urls) => {
                const tabs = await chrome.tabs.query({});
                const others = tabs.filter((tab) => !urls.includes(tab.url ?? '')).map((tab) => tab.id ?? -1);
                // A dialog may be closing by itself meanwhile.
                await Promise.all(others.map((id) => chrome.tabs.remove(id).catch(() => {})));
            }, keepUrls);
        },
        /** Stops the worker as the idle browser does; the session's worker is gone after it. */
        async stopWorker(/** @type {import('playwright-core').Page} */ page) {
            return stopWorker(context, page);
        },
        /** Closes the browser and starts it again on the same profile. */
        async restart() {
            await context.close();
            ({ context, worker } = await launch(extension, profile, launchOptions));
        },
        async close() {
            await context.close();
            await server.close();
            await removeAll(extension, profile);
        },
    };
    return self;
}

/**
 * Waits for the page to be sent to a mailto address (the browser hands it to the mail program).
 * @param {import('playwright-core').Page} page
 * @returns {Promise<string>}
 */
export function nextMailto(page) {
    return new Promise((resolveMail, reject) => {
        const timer = setTimeout(() => reject(new Error('no mailto navigation')), WAIT_MS);
        const listener = (/** @type {import('playwright-core').Request} */ request) => {
            if (request.url().startsWith('mailto:')) {
                clearTimeout(timer);
                page.off('request', listener);
                resolveMail(request.url());
            }
        };
        page.on('request', listener);
    });
}

/**
 * Stops the extension's service worker, as the browser does when it has been idle, and waits
 * until it is gone.
 * @param {import('playwright-core').BrowserContext} context
 * @param {import('playwright-core').Page} page any page of the context, for the protocol session
 */
export async function stopWorker(context, page) {
    const protocol = await context.newCDPSession(page);
    const { targetInfos } = await protocol.send('Target.getTargets');
    const workers = targetInfos.filter((target) => target.type === 'service_worker' && target.url.endsWith('/sw.mjs'));
    for (const target of workers)
        await protocol.send('Target.closeTarget', { targetId: target.targetId });
    const deadline = Date.now() + WAIT_MS;
    for (;;) {
        const { targetInfos: now } = await protocol.send('Target.getTargets');
        if (!now.some((target) => target.type === 'service_worker' && target.url.endsWith('/sw.mjs')) || Date.now() > deadline)
            break;
        await new Promise((done) => setTimeout(done, 50));
    }
    await protocol.detach();
    return workers.length;
}

