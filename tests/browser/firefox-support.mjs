// The session verbs (support.mjs) in Debian's firefox-esr, headless, driven by puppeteer-core
// through WebDriver BiDi, with a test copy of the built Firefox package (tandrel-extension.xpi)
// installed as a temporary add-on.
//
// Firefox's automation can neither click a menu entry nor open or script an extension's pages.
// The copy therefore differs from the package in its manifest alone: the hook of firefox/hook.mjs
// runs before the background script and does that for the test, a content script
// (firefox/relay.js) in the served pages carries the test's requests to it, host access to
// 127.0.0.1 stands in for activeTab (a synthetic click grants none), the tabs permission lets
// the hook read the addresses of the tabs the extension opened, and the optional permissions are
// held from the start. Every host but 127.0.0.1 goes to
// a proxy that refuses: opened sites cannot load here, and their addresses are read from the tabs.
import puppeteer from 'puppeteer-core';
import { spawnSync } from 'node:child_process';
import { copyFile, mkdir, readFile, writeFile } from 'node:fs/promises';
import { join } from 'node:path';

import { CleanUp, Session, WAIT_MS, newFolder, removeAll, root, selectParagraph, servePages, waitFor } from './support.mjs';

/** @typedef {import('puppeteer-core').Page} Page */
/** @typedef {{url: string}} Dialog a dialog page, by its address */

export const builtPackage = process.env.TANDREL_XPI ?? join(root, 'build/wasm/tandrel-extension.xpi');
const here = join(root, 'tests/browser');

/** The test copy of the package, unpacked (see above). @returns {Promise<string>} its folder */
async function testExtension() {
    const folder = await newFolder('xpi');
    const unpacked = spawnSync('python3', ['-m', 'zipfile', '-e', builtPackage, folder], { encoding: 'utf8' });
    if (unpacked.status !== 0)
        throw new Error('cannot unpack ' + builtPackage + ': ' + unpacked.stderr);
    // The test's files keep their places under test/, the hook's import among them.
    await mkdir(join(folder, 'test/firefox'), { recursive: true });
    for (const file of ['firefox/hook.mjs', 'firefox/relay.js', 'dialog-page.mjs'])
        await copyFile(join(here, file), join(folder, 'test', file));
    const manifestPath = join(folder, 'manifest.json');
    const manifest = JSON.parse(await readFile(manifestPath, 'utf8'));
    // Without background scripts of its own, the package has no menu in Firefox: the tests say so.
    manifest.background = { ...manifest.background, scripts: ['test/firefox/hook.mjs', ...(manifest.background?.scripts ?? [])] };
    manifest.host_permissions = ['http://127.0.0.1/*'];
    // As if the user had given the optional permission: Firefox's automation cannot answer the
    // browser's question, nor make the click its request needs.
    manifest.permissions = [...manifest.permissions, 'tabs', ...(manifest.optional_permissions ?? [])];
    manifest.content_scripts = [{ matches: ['http://127.0.0.1/*'], js: ['test/firefox/relay.js'] }];
    await writeFile(manifestPath, JSON.stringify(manifest, null, 2));
    return folder;
}

/**
 * One headless Firefox with the extension installed, serving the pages, for a group of tests.
 * Its home (session.home) is a folder of its own: Firefox reads native messaging hosts from its
 * .mozilla/native-messaging-hosts/, so that the user's own hosts play no part.
 * @param {import('./support.mjs').Pages} pages
 * @param {{env?: NodeJS.ProcessEnv}} [options] the browser's environment but its HOME (the
 *   programs it starts, a native host among them, inherit it)
 */
export function launchFirefox(pages, options = {}) {
    return CleanUp.making(async (cleanUp) => {
        const server = cleanUp.add(await servePages({ ...pages, '/control': { title: 'The test' } }), (made) => made.close());
        const extension = cleanUp.add(await testExtension(), removeAll);
        const profile = cleanUp.add(await newFolder(), removeAll);
        const home = cleanUp.add(await newFolder('home'), removeAll);
        const browser = cleanUp.add(await puppeteer.launch({
            env: { ...(options.env ?? process.env), HOME: home },
            browser: 'firefox',
            executablePath: process.env.TANDREL_FIREFOX ?? '/usr/bin/firefox-esr',
            headless: true,
            userDataDir: profile,
            protocolTimeout: 2 * WAIT_MS,
            extraPrefsFirefox: {
                // Every host but the test's own goes to a port that refuses at once.
                'network.proxy.type': 1,
                'network.proxy.http': '127.0.0.1',
                'network.proxy.http_port': 9,
                'network.proxy.ssl': '127.0.0.1',
                'network.proxy.ssl_port': 9,
                'network.proxy.no_proxies_on': '127.0.0.1',
            },
        }), (made) => made.close());
        await browser.installExtension(extension);
        const session = Object.assign(new FirefoxSession(server, cleanUp), { browser, home });
        // The tab through which the test talks to the hook, which a page that navigates cannot be.
        session.control = await session.open('/control', { select: false });
        return session;
    });
}

/** @extends {Session<Dialog>} */
class FirefoxSession extends Session {
    /** @type {import('puppeteer-core').Browser} */
    browser;
    /** @type {string} the home folder Firefox sees */
    home;
    /** @type {Page} */
    control;

    /** Opens a served page (by its path) in a tab, the relay in it, its paragraph selected. @param {string} address @param {{select?: boolean}} [options] */
    async open(address, { select = true } = {}) {
        const page = await this.browser.newPage();
        page.setDefaultTimeout(WAIT_MS);
        await page.goto(this.address(address));
        await page.waitForSelector('html[data-tandrel-relay]');
        if (select)
            await this.selectText(page);
        return page;
    }

    /** Selects the text of the page's paragraph. @param {Page} page */
    async selectText(page) {
        await page.evaluate(selectParagraph);
    }

    /**
     * A request to the background hook through a served page's relay; its answer.
     * @param {object} request @param {Page} [page] the page it comes from
     */
    async ask(request, page = this.control) {
        const answer = await page.evaluate((request) => new Promise((resolve) => {
            const sequence = Math.random();
            const listener = (/** @type {MessageEvent} */ event) => {
                if (event.source === window && event.data?.sequence === sequence && 'fromTandrelHook' in event.data) {
                    window.removeEventListener('message', listener);
                    resolve(event.data.fromTandrelHook);
                }
            };
            window.addEventListener('message', listener);
            window.postMessage({ toTandrelHook: request, sequence }, '*');
        }), request);
        if (answer.error)
            throw new Error('the hook says: ' + answer.error);
        return answer.result;
    }

    /** The menu items as the extension made them, once there are count of them. @param {number} count */
    menu(count) {
        /** @type {chrome.contextMenus.CreateProperties[]} */
        let items = [];
        return waitFor(async () => (items = await this.ask({ op: 'menu' })).length >= count && items,
            { what: () => `${count} menu items; there are ${items.length}` });
    }

    /**
     * Clicks an entry on the page, as the browser calls the extension's menu listener, and
     * gives its dialog page.
     * @param {string} keyword @param {Page} page @param {object} [info]
     * @returns {Promise<Dialog>}
     */
    async dialog(keyword, page, info = {}) {
        const listeners = await this.ask({ op: 'click', keyword, info }, page);
        if (listeners !== 1)
            throw new Error(`the extension has ${listeners} menu listeners`);
        return waitFor(() => this.ask({ op: 'nextDialog' }), { what: 'a dialog page' });
    }

    /**
     * The dialog as its page shows it; null once it has closed.
     * @param {Dialog} dialog @returns {Promise<import('./support.mjs').Shown | null>}
     */
    read(dialog) {
        return this.ask({ op: 'describe', url: dialog.url });
    }

    /** @param {Dialog} dialog @param {import('./support.mjs').Answer} answer */
    async answer(dialog, answer) {
        await this.ask({ op: 'answer', url: dialog.url, ...answer });
    }

    /** Clicks a button of the dialog, named by its text. @param {Dialog} dialog @param {string} name */
    pressButton(dialog, name) {
        return this.answer(dialog, { press: name });
    }

    /** @param {Dialog} dialog */
    async closed(dialog) {
        await waitFor(async () => await this.read(dialog) === null, { what: 'the dialog page to close' });
    }

    tabs() {
        return this.ask({ op: 'tabs' });
    }

    /** Closes every tab but the test's own. */
    async closeOthers() {
        const others = (await this.tabs()).filter((tab) => tab.url !== this.control.url());
        await this.ask({ op: 'closeTabs', ids: others.map((tab) => tab.id) });
    }
}
