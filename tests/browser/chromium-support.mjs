// The session verbs (support.mjs) in headless Chromium (Debian's), driven by playwright-core,
// with a test copy of the built extension: menu clicks dispatched in its worker, the dialog
// windows driven as a user drives them, and the opened tabs read back.
//
// The copy differs from the built extension in its manifest alone: host access to 127.0.0.1
// (a synthetic click grants no activeTab) and the tabs permission, so that the test reads the
// addresses of the tabs the extension opened. Every other host is mapped away: opened sites
// cannot load here, and their addresses are read from the tabs.
import { chromium } from 'playwright-core';
import { cp, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';

import { describeDialog } from './dialog-page.mjs';
import { CleanUp, Session, WAIT_MS, newFolder, removeAll, root, selectParagraph, servePages, waitFor } from './support.mjs';

/** @typedef {import('playwright-core').Page} Page */
/** @typedef {Page | import('playwright-core').Frame} Dialog its window's page, or its frame in the clicked page */

export const builtExtension = process.env.TANDREL_EXTENSION ?? join(root, 'build/wasm/extension');

/**
 * A test copy of the built extension (see above).
 * @param {string[]} granted optional permissions the copy holds from its install, as if the user
 *   had given them (headless Chromium cannot show the browser's question)
 * @returns {Promise<string>} its folder
 */
async function testExtension(granted) {
    const folder = await newFolder('extension');
    await cp(builtExtension, folder, { recursive: true });
    const manifestPath = join(folder, 'manifest.json');
    const manifest = JSON.parse(await readFile(manifestPath, 'utf8'));
    manifest.host_permissions = ['http://127.0.0.1/*', 'http://intranet/*'];
    manifest.permissions = [...manifest.permissions, 'tabs', ...granted];
    await writeFile(manifestPath, JSON.stringify(manifest, null, 2));
    return folder;
}

/**
 * One headless Chromium with the extension, serving the pages, for a group of tests.
 * @param {import('./support.mjs').Pages} pages
 * @param {{profile?: string, env?: Record<string, string | undefined>, granted?: string[]}} [options]
 *   profile: a folder of the caller's (removed by close); env: the browser's environment (the
 *   programs it starts, a native host among them, inherit it); granted: optional permissions
 *   the extension holds from the start
 */
export function launchChromium(pages, options = {}) {
    return CleanUp.making(async (cleanUp) => {
        const server = cleanUp.add(await servePages(pages), (made) => made.close());
        const extension = cleanUp.add(await testExtension(options.granted ?? []), removeAll);
        const profile = cleanUp.add(options.profile ?? await newFolder(), removeAll);
        const launch = () => chromium.launchPersistentContext(profile, {
            executablePath: process.env.TANDREL_CHROMIUM ?? '/usr/bin/chromium',
            headless: true,
            env: options.env,
            colorScheme: 'light',
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
        const session = cleanUp.add(Object.assign(new ChromiumSession(server, cleanUp), { launch }), (made) => made.context?.close());
        await session.start();
        return session;
    });
}

/** @extends {Session<Dialog>} */
class ChromiumSession extends Session {
    /** @type {import('playwright-core').BrowserContext} */
    context;
    /** @type {import('playwright-core').Worker} the extension's service worker */
    worker;
    /** @type {() => Promise<import('playwright-core').BrowserContext>} starts the browser */
    launch;
    /** Whether a test stopped the worker, which this session then no longer reaches. */
    workerStopped = false;
    /** The dialogs' frames already handed to a test. */
    seen = new WeakSet();

    /** Starts the browser, and waits for the extension's worker. */
    async start() {
        this.context = await this.launch();
        this.context.setDefaultTimeout(WAIT_MS);
        const isOurs = (/** @type {import('playwright-core').Worker} */ worker) => worker.url().endsWith('/sw.mjs');
        this.worker = this.context.serviceWorkers().find(isOurs) ??
            await waitFor(this.context.waitForEvent('serviceworker', { predicate: isOurs, timeout: 0 }), { what: "the extension's service worker" });
        this.id = new URL(this.worker.url()).host;
        this.workerStopped = false;
    }

    /** Closes the browser and starts it again on the same profile. */
    async restart() {
        await this.context.close();
        await this.start();
    }

    /** Opens a page (a served one by its path) in a tab, its paragraph selected. @param {string} address @param {{select?: boolean}} [options] */
    async open(address, { select = true } = {}) {
        const page = await this.context.newPage();
        await page.goto(this.address(address));
        if (select)
            await this.selectText(page);
        return page;
    }

    /** Selects the text of the paragraph of a page or frame. @param {Page | import('playwright-core').Frame} page */
    async selectText(page) {
        await page.evaluate(selectParagraph);
    }

    /** The menu items as the extension makes them, once there are count of them. @param {number} count */
    async menu(count) {
        // Made anew as on an update, with the browser's calls recorded. What counts is what
        // follows the last removal: the menu made when the extension loaded may be under way.
        await this.worker.evaluate(() => {
            const [global, menus] = [/** @type {any} */ (globalThis), chrome.contextMenus];
            const { create, removeAll } = menus;
            const made = global.menuMade = [];
            global.unrecordMenu = () => Object.assign(menus, { create, removeAll });
            menus.create = (properties, done) => {
                made.push(properties);
                return create(properties, done);
            };
            menus.removeAll = (...args) => {
                made.length = 0;
                return removeAll(...args);
            };
            /** @type {any} */ (chrome.runtime.onInstalled).dispatch({ reason: 'update' });
        });
        try {
            return await waitFor(async () => {
                /** @type {chrome.contextMenus.CreateProperties[]} */
                const made = await this.worker.evaluate(() => /** @type {any} */ (globalThis).menuMade);
                return made.length >= count && made;
            }, { what: `${count} menu items` });
        } finally {
            await this.worker.evaluate(() => /** @type {any} */ (globalThis).unrecordMenu());
        }
    }

    /** The next dialog, in a page or a window of its own, once it is painted. @returns {Promise<Dialog>} */
    async nextDialog() {
        // A frame the page hid never paints: its dialog moves to a window, which does.
        const painted = (/** @type {import('playwright-core').Frame} */ frame) => frame.url().includes('/dialog.html') &&
            !this.seen.has(frame) && frame.evaluate(() => 'painted' in document.documentElement.dataset).catch(() => false);
        const frame = await waitFor(async () => {
            const frames = this.context.pages().flatMap((page) => page.isClosed() ? [] : page.frames());
            return frames[(await Promise.all(frames.map(painted))).indexOf(true)];
        }, { what: 'a dialog painted' });
        this.seen.add(frame);
        return frame === frame.page().mainFrame() ? frame.page() : frame;
    }

    /** Whether a dialog stands in the page (or a window). @param {Dialog} dialog @returns {dialog is import('playwright-core').Frame} */
    inPage(dialog) {
        return 'parentFrame' in dialog;
    }

    /** The tab or window that shows the dialog. @param {Dialog} dialog */
    pageOf(dialog) {
        return this.inPage(dialog) ? dialog.page() : dialog;
    }

    /** Has the dialogs show in the page or in windows from now on. @param {'page' | 'window'} where */
    async dialogsIn(where) {
        await this.worker.evaluate((dialogsIn) => chrome.storage.sync.set({ dialogsIn }), where);
    }

    /**
     * Clicks a menu entry, as the browser calls the extension for it, on the tab showing the
     * page, and gives its dialog window.
     * @param {string} keyword the entry's menu item id @param {Page} page
     * @param {object} [info] more of the click's info (selectionText, linkUrl, frameId)
     */
    async dialog(keyword, page, info = {}) {
        const opening = this.nextDialog();
        opening.catch(() => {});
        await this.worker.evaluate(async ({ keyword, url, info }) => {
            const tabs = await chrome.tabs.query({});
            const tab = tabs.find((candidate) => candidate.url === url);
            if (!tab)
                throw new Error('no tab shows ' + url + ' among ' + tabs.map((t) => t.url).join(', '));
            /** @type {any} */ (chrome.contextMenus.onClicked).dispatch(
                { menuItemId: keyword, frameId: 0, pageUrl: url, editable: false, ...info }, tab);
        }, { keyword, url: page.url(), info });
        return opening;
    }

    /** The dialog as its page shows it. @param {Dialog} dialog */
    read(dialog) {
        return dialog.evaluate(/** @type {() => import('./support.mjs').Shown} */ (describeDialog));
    }

    /** @param {Dialog} dialog @param {import('./support.mjs').Answer} answer */
    async answer(dialog, { text, ticks = {}, press }) {
        if (text !== undefined)
            await dialog.getByRole('textbox').fill(text);
        for (const [name, ticked] of Object.entries(ticks))
            await dialog.getByRole('checkbox', { name, exact: true }).setChecked(ticked);
        await this.pressButton(dialog, press);
    }

    /** Clicks a button of the dialog, named by its text. @param {Dialog} dialog @param {string} name */
    async pressButton(dialog, name) {
        await dialog.getByRole('button', { name, exact: true }).click();
    }

    /** @param {Dialog} dialog */
    async closed(dialog) {
        if (this.inPage(dialog))
            await waitFor(() => dialog.isDetached(), { what: "the dialog's frame to go" });
        else if (!dialog.isClosed())
            await waitFor(dialog.waitForEvent('close', { timeout: 0 }), { what: 'the dialog window to close' });
    }

    async tabs() {
        const tabs = await this.worker.evaluate(() => chrome.tabs.query({}));
        return tabs.map((tab) => ({ id: tab.id ?? -1, url: tab.pendingUrl || tab.url || '' }));
    }

    /** Closes every tab but the pages given. @param {...Page} keep */
    async closeOthers(...keep) {
        if (this.workerStopped) {
            // A dialog may be closing by itself meanwhile.
            await Promise.all(this.context.pages().filter((page) => !keep.includes(page)).map((page) => page.close().catch(() => {})));
            return;
        }
        // Through the extension's own tab list, which the extension asks whether a window it named
        // is still open: once the removals are done it has let the tabs go, and the next test's
        // windows are new ones.
        const keepUrls = keep.map((page) => page.url());
        await this.worker.evaluate(async (urls) => {
            const tabs = await chrome.tabs.query({});
            const others = tabs.filter((tab) => !urls.includes(tab.url ?? '')).map((tab) => tab.id ?? -1);
            // A dialog may be closing by itself meanwhile.
            await Promise.all(others.map((id) => chrome.tabs.remove(id).catch(() => {})));
        }, keepUrls);
    }

    /** The extension's options page, ready. */
    async openOptions() {
        const options = await this.open(`chrome-extension://${this.id}/options.html`, { select: false });
        await options.waitForSelector('html[data-ready]');
        return options;
    }

    /**
     * Gives the extension a link configuration (nubrix.ini) for the rest of the test.
     * @param {import('node:test').TestContext} test @param {string} text
     */
    async useConfig(test, text) {
        await this.worker.evaluate((text) => chrome.storage.local.set({ config: text }), text);
        test.after(() => this.worker.evaluate(() => chrome.storage.local.remove('config')));
    }

    /**
     * Starts the stopped service worker again, as a message from one of the extension's pages
     * does, and makes it the session's worker. @param {Page} extensionPage
     */
    async wakeWorker(extensionPage) {
        await extensionPage.evaluate(() => chrome.runtime.sendMessage({ wake: true }).catch(() => {}));
        // Playwright may hand back the object it had for the stopped worker: it reaches the new one.
        this.worker = await waitFor(async () => {
            const worker = this.context.serviceWorkers().find((candidate) => candidate.url().endsWith('/sw.mjs'));
            return worker && await worker.evaluate(() => true).catch(() => false) && worker;
        }, { what: "the extension's service worker to start again" });
        this.workerStopped = false;
    }

    /**
     * What the dialogs keep: the session storage's keys and the ids in the dialogs' database.
     * @returns {Promise<{session: string[], database: string[]}>}
     */
    dialogStorage() {
        return this.worker.evaluate(async () => ({
            session: Object.keys(await chrome.storage.session.get(null)).filter((key) => key !== 'windows'),
            database: /** @type {string[]} */ (await new Promise((resolve, reject) => {
                const opening = indexedDB.open('tandrel-dialogs', 1);
                opening.onupgradeneeded = () => opening.result.createObjectStore('states');
                opening.onerror = () => reject(opening.error);
                opening.onsuccess = () => {
                    const request = opening.result.transaction('states').objectStore('states').getAllKeys();
                    request.onsuccess = () => {
                        opening.result.close();
                        resolve(request.result.map(String));
                    };
                    request.onerror = () => reject(request.error);
                };
            })),
        }));
    }

    /**
     * Stops the extension's service worker, as the browser does when it has been idle, and waits
     * until it is gone; the session's worker is gone after it.
     * @param {Page} page any page of the browser, for the protocol session
     * @returns {Promise<number>} how many workers it stopped
     */
    async stopWorker(page) {
        const protocol = await this.context.newCDPSession(page);
        try {
            const workers = async () => (await protocol.send('Target.getTargets')).targetInfos
                .filter((target) => target.type === 'service_worker' && target.url.endsWith('/sw.mjs'));
            const stopped = await workers();
            for (const target of stopped)
                await protocol.send('Target.closeTarget', { targetId: target.targetId });
            await waitFor(async () => (await workers()).length === 0, { what: 'the service worker to stop' });
            this.workerStopped = true;
            return stopped.length;
        } finally {
            await protocol.detach();
        }
    }
}
