// The extension in headless Chromium: menu click to dialog painted and OK to the first window
// opened, median and 90th percentile over many clicks in one browser; the module's cold
// instantiation in a new extension page; the first click after the browser starts. Prints a
// Markdown section for docs/performance.md.
// Usage: TANDREL_EXTENSION=build/bench-wasm/extension node extension-bench.mjs [CLICKS]
import { cpus, loadavg } from 'node:os';

import { launchChromium } from '../../tests/browser/chromium-support.mjs';

const clicks = Number(process.argv[2] ?? 60);
const launches = 3;
const pages = { '/book': { title: 'A book', text: 'ISBN 0-306-40615-2' } };

/** @param {number[]} values @param {number} share */
function percentile(values, share) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.min(sorted.length - 1, Math.ceil(share * sorted.length) - 1)];
}

/**
 * One click: the time from the click to the dialog painted, and from OK to the first tab opened.
 * @param {Awaited<ReturnType<typeof launchChromium>>} browser
 * @param {import('playwright-core').Page} page
 */
async function oneClick(browser, page) {
    const { worker } = browser;
    const opening = browser.nextDialog();
    const clicked = await worker.evaluate(async (url) => {
        const tab = (await chrome.tabs.query({})).find((candidate) => candidate.url === url);
        // The first tab the extension opens after OK, other than a dialog.
        // Where the time to the dialog goes: the dialog's window created, its state saved.
        globalThis.phases = {};
        const created = () => {
            globalThis.phases.window = Date.now();
            chrome.windows.onCreated.removeListener(created);
        };
        chrome.windows.onCreated.addListener(created);
        const saved = (/** @type {Record<string, chrome.storage.StorageChange>} */ changes) => {
            if (Object.entries(changes).some(([key, change]) => key.startsWith('dialog:') && change.newValue)) {
                globalThis.phases.saved = Date.now();
                chrome.storage.session.onChanged.removeListener(saved);
            }
        };
        chrome.storage.session.onChanged.addListener(saved);
        globalThis.firstOpened = new Promise((resolve) => {
            const listener = (/** @type {chrome.tabs.Tab} */ created) => {
                if ((created.pendingUrl ?? created.url ?? '').includes('/dialog.html'))
                    return;
                chrome.tabs.onCreated.removeListener(listener);
                resolve(Date.now());
            };
            chrome.tabs.onCreated.addListener(listener);
        });
        const at = Date.now();
        chrome.contextMenus.onClicked.dispatch({ menuItemId: 'ISBN', frameId: 0, pageUrl: url, editable: false }, tab);
        return at;
    }, page.url());
    const dialog = await opening;
    const painted = Number(await dialog.evaluate(() => document.documentElement.dataset.painted));
    const loaded = await dialog.evaluate(() => {
        const [navigation] = /** @type {PerformanceNavigationTiming[]} */ (performance.getEntriesByType('navigation'));
        return Math.round(performance.timeOrigin + navigation.domContentLoadedEventEnd);
    });
    const phases = await worker.evaluate(() => globalThis.phases);
    const pressed = await dialog.evaluate(() => {
        const at = Date.now();
        /** @type {HTMLButtonElement} */ (document.querySelector('button.default')).click();
        return at;
    });
    const opened = await worker.evaluate(() => globalThis.firstOpened);
    await browser.closeOthers(page);
    return {
        toDialog: painted - clicked, toWindow: opened - pressed,
        windowCreated: phases.window - clicked, stateSaved: phases.saved - clicked, pageLoaded: loaded - clicked,
    };
}

const browser = await launchChromium(pages);
const toDialog = [];
const toWindow = [];
/** @type {Record<'windowCreated' | 'stateSaved' | 'pageLoaded', number[]>} */
const steps = { windowCreated: [], stateSaved: [], pageLoaded: [] };
const instantiation = [];
try {
    const page = await browser.open('/book');
    await oneClick(browser, page); // the worker and the core warm
    for (let click = 0; click < clicks; click++) {
        const times = await oneClick(browser, page);
        toDialog.push(times.toDialog);
        toWindow.push(times.toWindow);
        for (const step of /** @type {const} */ (['windowCreated', 'stateSaved', 'pageLoaded']))
            steps[step].push(times[step]);
    }
    for (let run = 0; run < 10; run++) {
        const extensionPage = await browser.open(`chrome-extension://${browser.id}/options.html`, { select: false });
        instantiation.push(await extensionPage.evaluate(async () => {
            const { default: create } = await import('./tandrel-core.mjs?fresh=' + Math.random());
            const start = performance.now();
            await create();
            return performance.now() - start;
        }));
        await extensionPage.close();
    }
} finally {
    await browser.close();
}

// The first click after the browser starts: its worker freshly started with the module.
const firstClicks = [];
for (let launch = 0; launch < launches; launch++) {
    const fresh = await launchChromium(pages);
    try {
        firstClicks.push((await oneClick(fresh, await fresh.open('/book'))).toDialog);
    } finally {
        await fresh.close();
    }
}

const ms = (/** @type {number} */ value) => `${Math.round(value)} ms`;
const row = (/** @type {string} */ name, /** @type {number[]} */ values, /** @type {number | null} */ goal) => {
    const median = percentile(values, 0.5);
    const p90 = percentile(values, 0.9);
    const met = goal === null ? '' : median <= goal ? 'met' : 'not met';
    return `| ${name} | ${ms(median)} | ${ms(p90)} | ${goal === null ? '-' : ms(goal)} | ${met} |`;
};
console.log(`## The extension in headless Chromium

\`bench/web/extension-bench.mjs\`: Debian's Chromium ${process.env.TANDREL_CHROMIUM_VERSION ?? ''}, headless, with
the extension of the Release WebAssembly build; ${clicks} clicks of "=>ISBN" on a page served on 127.0.0.1
in one browser (after one warm-up click), each answered with OK (two sites ticked). The goals are
for the median. Measured on ${cpus().length} cores with a load average of ${loadavg()[0].toFixed(1)} at the end.

| Figure | Median | p90 | Goal | |
|---|---|---|---|---|
${row('Menu click to the dialog painted', toDialog, 150)}
${row('Menu click to the dialog window created (chrome.windows.onCreated)', steps.windowCreated, null)}
${row('Menu click to the dialog\'s state saved (page read, prepare)', steps.stateSaved, null)}
${row('Menu click to the dialog page loaded (DOMContentLoaded)', steps.pageLoaded, null)}
${row('OK to the first window opened', toWindow, 200)}
${row('The module instantiated in a new extension page', instantiation, null)}
${row(`First click after the browser starts (worker and module cold; ${launches} launches)`, firstClicks, null)}
`);
