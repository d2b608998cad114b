// What the Firefox tests share: Debian's firefox-esr, headless, driven by puppeteer-core through
// WebDriver BiDi, with a test copy of the built Firefox package (tandrel-extension.xpi) installed
// as a temporary add-on, and the served pages of support.mjs.
//
// Firefox's automation can neither click a menu entry nor open or script an extension's pages.
// The copy therefore differs from the package in its manifest alone: the hook of firefox/hook.mjs
// runs before the background script and does that for the test, a content script
// (firefox/relay.js) in the served pages carries the test's requests to it, host access to
// 127.0.0.1 stands in for activeTab (a synthetic click grants none), and the tabs permission lets
// the hook read the addresses of the tabs the extension opened. Every host but 127.0.0.1 goes to
// a proxy that refuses: opened sites cannot load here, and their addresses are read from the tabs.
import puppeteer from 'puppeteer-core';
import { spawnSync } from 'node:child_process';
import { copyFile, mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { WAIT_MS, newProfile, removeAll, root, servePages } from './support.mjs';

export const builtPackage = process.env.TANDREL_XPI ?? join(root, 'build/wasm/tandrel-extension.xpi');
const here = join(root, 'tests/browser/firefox');

/** The test copy of the package, unpacked (see above). @returns {Promise<string>} its folder */
export async function testExtension() {
    const folder = await mkdtemp(join(tmpdir(), 'tandrel-xpi-'));
    const unpacked = spawnSync('python3', ['-m', 'zipfile', '-e', builtPackage, folder], { encoding: 'utf8' });
    if (unpacked.status !== 0)
        throw new Error('cannot unpack ' + builtPackage + ': ' + unpacked.stderr);
    await copyFile(join(here, 'hook.mjs'), join(folder, 'test-hook.mjs'));
    await copyFile(join(here, 'relay.js'), join(folder, 'test-relay.js'));
    const manifestPath = join(folder, 'manifest.json');
    const manifest = JSON.parse(await readFile(manifestPath, 'utf8'));
    // Without background scripts of its own, the package has no menu in Firefox: the tests say so.
    manifest.background = { ...manifest.background, scripts: ['test-hook.mjs', ...(manifest.background?.scripts ?? [])] };
    manifest.host_permissions = ['http://127.0.0.1/*'];
    manifest.permissions = [...manifest.permissions, 'tabs'];
    manifest.content_scripts = [{ matches: ['http://127.0.0.1/*'], js: ['test-relay.js'] }];
    await writeFile(manifestPath, JSON.stringify(manifest, null, 2));
    return folder;
}

/**
 * Headless Firefox with the extension installed.
 * @param {string} extension its folder
 * @param {string} profile
 * @param {string} home the home folder Firefox sees: it reads native messaging hosts from its
 *   .mozilla/native-messaging-hosts/, so that the user's own hosts play no part
 * @param {NodeJS.ProcessEnv} [env] the browser's environment but its HOME (the programs it
 *   starts, a native host among them, inherit it)
 */
export async function launch(extension, profile, home, env = process.env) {
    const browser = await puppeteer.launch({
        env: { ...env, HOME: home },
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
    });
    try {
        await browser.installExtension(extension);
    } catch (error) {
        await browser.close();
        throw error;
    }
    return browser;
}

/**
 * A request to the background hook through a served page's relay; its answer.
 * @param {import('puppeteer-core').Page} page
 * @param {object} request
 */
export async function askHook(page, request) {
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

/**
 * One Firefox for a group of tests, with the served pages and helpers bound to it.
 * @param {Record<string, {title?: string, text?: string, body?: string, raw?: string}>} pages
 * @param {{env?: NodeJS.ProcessEnv}} [options] the browser's environment (see launch)
 */
export async function session(pages, options = {}) {
    const server = await servePages({ ...pages, '/control': { title: 'The test' } });
    /** Opens a served page in a tab of its own, once the relay is in it. @param {string} path */
    const openTab = async (path) => {
        const page = await browser.newPage();
        await page.goto(server.origin + path);
        await page.waitForSelector('html[data-tandrel-relay]', { timeout: WAIT_MS });
        return page;
    };
    let extension = '';
    let profile = '';
    let home = '';
    /** @type {import('puppeteer-core').Browser} */
    let browser;
    /** @type {import('puppeteer-core').Page} */
    let control;
    try {
        extension = await testExtension();
        profile = await newProfile();
        home = await mkdtemp(join(tmpdir(), 'tandrel-home-'));
        browser = await launch(extension, profile, home, options.env);
        // The tab through which the test talks to the hook, which a page that navigates cannot be.
        control = await openTab('/control');
    } catch (error) {
        await browser?.close();
        await server.close();
        await removeAll(...[extension, profile, home].filter(Boolean));
        throw error;
    }
    /** @param {object} request */
    const ask = (request) => askHook(control, request);
    const self = {
        server, browser, home,
        /** Opens a served page in a tab, with its paragraph selected. @param {string} path */
        async open(path) {
            const page = await openTab(path);
            await page.evaluate(() => {
                const range = document.createRange();
                range.selectNodeContents(/** @type {HTMLElement} */ (document.getElementById('selection')));
                const selection = /** @type {Selection} */ (window.getSelection());
                selection.removeAllRanges();
                selection.addRange(range);
            });
            return page;
        },
        /** The menu items as the extension made them. */
        menu: () => ask({ op: 'menu' }),
        /**
         * Clicks an entry on the page, as the browser calls the extension's menu listener, and
         * gives its dialog as the page shows it.
         * @param {string} keyword @param {import('puppeteer-core').Page} page @param {object} [info]
         */
        async dialog(keyword, page, info = {}) {
            const listeners = await askHook(page, { op: 'click', keyword, info });
            if (listeners !== 1)
                throw new Error(`the extension has ${listeners} menu listeners`);
            return ask({ op: 'nextDialog', timeoutMs: WAIT_MS });
        },
        /** A dialog page as it shows now; null once it has closed. @param {string} url */
        describe: (url) => ask({ op: 'describe', url }),
        /**
         * Answers a dialog and gives the addresses of the tabs that then open (count of them).
         * @param {object} answer @param {number} count
         */
        async answerAndRead(answer, count) {
            const before = new Set((await ask({ op: 'tabs' })).map((/** @type {any} */ tab) => tab.id));
            await ask({ op: 'answer', ...answer });
            const deadline = Date.now() + WAIT_MS;
            for (;;) {
                const tabs = await ask({ op: 'tabs' });
                const addresses = tabs.filter((/** @type {any} */ tab) => !before.has(tab.id) && !tab.url.includes('/dialog.html'))
                    .map((/** @type {any} */ tab) => tab.url);
                if ((addresses.length >= count && addresses.every((/** @type {string} */ url) => url !== 'about:blank')) || Date.now() > deadline)
                    return addresses;
                await new Promise((done) => setTimeout(done, 50));
            }
        },
        /** Closes every tab but the test's own. */
        async closeOthers() {
            const tabs = await ask({ op: 'tabs' });
            const ids = tabs.filter((/** @type {any} */ tab) => tab.url !== control.url()).map((/** @type {any} */ tab) => tab.id);
            await ask({ op: 'closeTabs', ids });
        },
        async close() {
            await browser.close();
            await server.close();
            await removeAll(extension, profile, home);
        },
    };
    return self;
}
