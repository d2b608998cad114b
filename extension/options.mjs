// The options page: the user's link configuration as text (the stored default until the user
// saves one), the checker's findings by line as the user types, a preview of what a ticked entry
// would do on a sample page, reset, import and export of nubrix.ini, how addresses open and where
// the dialogs show.

import { loadCore, loadMenu } from './core.mjs';
import { loadConfig, loadDialogsIn, loadOpenIn, loadTicks, saveConfig, saveDialogsIn, saveOpenIn } from './settings.mjs';
import { accessText, applyLabelKeys, button, element, fill, filled, label, showMessage } from './ui.mjs';

const CHECK_DELAY_MS = 150;
const SAMPLE_PAGE = { url: 'https://www.example.org/catalogue/item.html', selection: 'ISBN 0-306-40615-2' };

const [core, menu] = await Promise.all([loadCore(), loadMenu()]);
const { texts } = menu;
const main = /** @type {HTMLElement} */ (document.querySelector('main'));

/** A button of the page's own. @param {string} text @param {() => void} press */
function action(text, press) {
    return button({ role: '', text, default: false }, press);
}

const editor = element('textarea', { id: 'config', spellcheck: false, 'aria-describedby': 'findings' });
const findings = element('ul', { id: 'findings', className: 'findings', 'aria-live': 'polite' });
const findingsHeading = element('h2', { id: 'findings-heading' }, [texts.findings]);
const status = element('p', { role: 'status', className: 'saved' });

/** Shows the checker's findings for the text in the editor. */
function check() {
    const answer = core.lint({ config: editor.value });
    const items = (answer.findings ?? []).map((/** @type {{line: number, message: string}} */ finding) =>
        element('li', {}, [fill(texts.findingLine, String(finding.line), finding.message)]));
    findings.replaceChildren(...items);
    findingsHeading.textContent = items.length ? texts.findings : texts.noFindings;
}

let checkTimer = 0;
editor.addEventListener('input', () => {
    clearTimeout(checkTimer);
    checkTimer = setTimeout(check, CHECK_DELAY_MS);
});

/** @param {string} text */
function setText(text) {
    editor.value = text.replace(/\r\n?/g, '\n');
    check();
}

/**
 * The console entries of a configuration as the core lists them, each as one comparable line.
 * @param {string | null} config
 */
function consoleEntries(config) {
    const { entries = [] } = core.consoleEntries(config === null ? {} : { config });
    return entries.map((/** @type {{section: string, command: string, console: boolean}} */ entry) =>
        fill(entry.console ? texts.consoleProgramLine : texts.programLine, entry.section, entry.command));
}

/**
 * Stores a configuration, asking first when it has console entries the one in use lacks (a file
 * from elsewhere may name any program): the user sees the programs and says yes, or the
 * configuration in use stays.
 * @param {string} text
 * @returns {Promise<boolean>} whether it was stored
 */
async function saveIfAgreed(text) {
    const inUse = new Set(consoleEntries(await loadConfig()));
    const added = consoleEntries(text).filter((line) => !inUse.has(line));
    if (added.length > 0 && await showMessage(filled(menu.messages.confirmPrograms, added.join('\n'))) !== 'yes')
        return false;
    await saveConfig(text);
    return true;
}

const fileInput = element('input', { type: 'file', accept: '.ini,text/plain', hidden: true });
fileInput.addEventListener('change', async () => {
    const file = fileInput.files?.[0];
    // nubrix.ini is Windows-1252 bytes, as the DLL reads it: the core makes them text.
    if (file)
        setText(core.importConfig({ bytes: Array.from(new Uint8Array(await file.arrayBuffer())) }).config);
    fileInput.value = '';
});

const buttons = element('div', { className: 'buttons' }, [
    action(texts.save, async () => {
        status.textContent = (await saveIfAgreed(editor.value)) ? texts.saved : texts.notSaved;
    }),
    action(texts.reset, async () => {
        await saveConfig(null);
        setText(core.defaultConfig().config);
        status.textContent = texts.resetDone;
    }),
    action(texts.import, () => fileInput.click()),
    action(texts.export, () => {
        // ... and the core makes the text the bytes the DLL reads, with its line ends.
        const bytes = new Uint8Array(core.exportConfig({ config: editor.value }).bytes);
        const link = element('a', { href: URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' })), download: 'nubrix.ini' });
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
    }),
    fileInput,
]);

/**
 * A choice of the options page, stored as soon as it is made.
 * @template {string} V
 * @param {string} name @param {string} legend @param {V} chosen
 * @param {Array<[V, string]>} choices each value with its text @param {(value: V) => unknown} save
 */
function choice(name, legend, chosen, choices, save) {
    return element('fieldset', {}, [element('legend', {}, [legend]), ...choices.map(([value, text]) => {
        const radio = element('input', { type: 'radio', name, id: `${name}-${value}`, value, checked: chosen === value });
        radio.addEventListener('change', () => save(value));
        return element('span', {}, [radio, label(text, `${name}-${value}`)]);
    })]);
}

// Where the dialogs show, and how addresses open when an entry does not place its window.
const [dialogsIn, openIn] = await Promise.all([loadDialogsIn(), loadOpenIn()]);
const dialogsInGroup = choice('dialogsIn', texts.dialogsIn, dialogsIn,
    [['page', texts.dialogsInPage], ['window', texts.dialogsInWindow]], saveDialogsIn);
const openInGroup = choice('openIn', texts.openIn, openIn, [['window', texts.newWindow], ['tab', texts.newTab]], saveOpenIn);

// The preview: a menu entry's list on a sample page, and what the chosen entry would do.
const commandList = element('select', { id: 'preview-command' }, menu.commands
    .filter((command) => command.prefix)
    .map((command) => element('option', { value: command.keyword }, [command.menu])));
const entryList = element('select', { id: 'preview-entry' });
const sampleUrl = element('input', { type: 'text', id: 'preview-url', value: SAMPLE_PAGE.url });
const sampleSelection = element('input', { type: 'text', id: 'preview-selection', value: SAMPLE_PAGE.selection });
const result = element('pre', { id: 'preview-result', 'aria-live': 'polite' });

/** The sample page as a request's page. */
const samplePage = () => ({ url: sampleUrl.value, selection: sampleSelection.value, title: document.title });

/** Lists the entries the chosen menu entry shows with the configuration as it is typed. */
function listEntries() {
    const answer = core.prepare({ keyword: commandList.value, page: samplePage(), config: editor.value, locale: navigator.language });
    const entries = answer.dialog?.entries ?? [];
    entryList.replaceChildren(...entries.map((/** @type {any} */ entry) =>
        element('option', { value: entry.section }, [entry.short || entry.section])));
}
commandList.addEventListener('change', listEntries);
commandList.addEventListener('focus', listEntries);
entryList.addEventListener('focus', () => {
    if (!entryList.options.length)
        listEntries();
});

const preview = element('section', { className: 'preview', 'aria-labelledby': 'preview-heading' }, [
    element('h2', { id: 'preview-heading' }, [texts.preview]),
    element('div', { className: 'fields' }, [
        label(texts.previewCommand, 'preview-command'), commandList,
        label(texts.previewEntry, 'preview-entry'), entryList,
        label(texts.previewUrl, 'preview-url'), sampleUrl,
        label(texts.previewSelection, 'preview-selection'), sampleSelection,
    ]),
    element('div', { className: 'buttons' }, [action(texts.previewRun, () => {
        if (!entryList.value)
            listEntries();
        const answer = core.run({
            entries: [entryList.value], page: samplePage(), config: editor.value, locale: navigator.language,
            moduleFolderUrl: chrome.runtime.getURL('help/'),
        });
        result.textContent = JSON.stringify(answer.error ?? { actions: answer.actions, messages: answer.messages }, null, 2);
    })]),
    result,
]);

document.title = accessText(texts.optionsTitle).plain;
const { local } = await loadTicks();
main.replaceChildren(
    element('h1', {}, [document.title]),
    element('section', {}, [label(texts.config, 'config'), editor, findingsHeading, findings, buttons, status]),
    ...(local ? [element('p', { className: 'notice' }, [texts.ticksLocal])] : []),
    dialogsInGroup,
    openInGroup,
    preview,
);
applyLabelKeys(main);
setText((await loadConfig()) ?? core.defaultConfig().config);
listEntries();
document.documentElement.dataset.ready = 'true';
