// What the extension remembers: the user's link configuration (storage.local: the stored
// default, about 30 KB, fits no sync item), the ticks by section name (storage.sync, or
// storage.local when sync refuses them: switched off, full, or written too often), how to
// open addresses of entries that do not place their windows, and where dialogs show.

/** A section name always holds the colon after its prefix; the extension's other keys never do. */
const isSection = (/** @type {string} */ key) => key.includes(':');
const LOCAL_TICKS = 'ticks';

/**
 * The user's link configuration text; null when the user saved none (the stored default serves).
 * @returns {Promise<string | null>}
 */
export async function loadConfig() {
    const { config } = await chrome.storage.local.get('config');
    return typeof config === 'string' ? config : null;
}

/** @param {string | null} text the configuration to keep; null: back to the stored default */
export async function saveConfig(text) {
    if (text === null)
        await chrome.storage.local.remove('config');
    else
        await chrome.storage.local.set({ config: text });
}

/**
 * The remembered ticks, {"ISBN:AmazonCom": true, ...}. Ticks kept locally are the newer ones:
 * a save that sync takes removes them.
 * @returns {Promise<{ticks: Record<string, boolean>, local: boolean}>}
 */
export async function loadTicks() {
    // Both read at once: a menu click waits for them before its dialog shows.
    const [{ [LOCAL_TICKS]: local }, synced] = await Promise.all([
        chrome.storage.local.get(LOCAL_TICKS),
        // Sync unavailable: no ticks remembered there.
        chrome.storage.sync.get(null).catch(() => ({})),
    ]);
    if (local && typeof local === 'object')
        return { ticks: /** @type {Record<string, boolean>} */ (local), local: true };
    /** @type {Record<string, boolean>} */
    const ticks = {};
    for (const [key, value] of Object.entries(synced)) {
        if (isSection(key) && typeof value === 'boolean')
            ticks[key] = value;
    }
    return { ticks, local: false };
}

/**
 * Remembers the ticks a command gave, each under its section name.
 * @param {Record<string, boolean>} ticks every tick of the command's list
 * @returns {Promise<boolean>} whether sync took them (false: kept in storage.local)
 */
export async function saveTicks(ticks) {
    const { ticks: all, local } = await loadTicks();
    Object.assign(all, ticks);
    try {
        // Ticks kept locally go back to sync with the new ones.
        await chrome.storage.sync.set(local ? all : ticks);
        if (local)
            await chrome.storage.local.remove(LOCAL_TICKS);
        return true;
    } catch {
        await chrome.storage.local.set({ [LOCAL_TICKS]: all });
        return false;
    }
}

/**
 * How addresses of entries that give no window size or position open: 'window' or 'tab'.
 * @returns {Promise<'window' | 'tab'>}
 */
export async function loadOpenIn() {
    const { openIn } = await chrome.storage.sync.get('openIn').catch(() => chrome.storage.local.get('openIn'));
    return openIn === 'tab' ? 'tab' : 'window';
}

/** @param {'window' | 'tab'} openIn */
export async function saveOpenIn(openIn) {
    await chrome.storage.sync.set({ openIn }).catch(() => chrome.storage.local.set({ openIn }));
}

/**
 * Where the dialogs show: 'page' (in the clicked page, beside the selection) or 'window'.
 * @returns {Promise<'page' | 'window'>}
 */
export async function loadDialogsIn() {
    const { dialogsIn } = await chrome.storage.sync.get('dialogsIn').catch(() => chrome.storage.local.get('dialogsIn'));
    return dialogsIn === 'window' ? 'window' : 'page';
}

/** @param {'page' | 'window'} dialogsIn */
export async function saveDialogsIn(dialogsIn) {
    await chrome.storage.sync.set({ dialogsIn }).catch(() => chrome.storage.local.set({ dialogsIn }));
}
