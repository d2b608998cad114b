// What an open dialog needs to finish its command, kept outside the worker, which the browser may
// stop at any moment: the command's request (the page, the configuration, the ticks), the
// prepared answer and where the command came from. storage.session holds it, unless it is too
// large for that storage's 10 MB (a page with a selection of millions of characters): such a
// state goes to the extension's IndexedDB instead (which a dialog in a web page reads through
// the worker). A state goes when its dialog closes, however
// it closes (the dialog page tells the worker as it goes); one older than a day, which no dialog
// can still want, goes when the worker starts.

const SESSION_LIMIT = 8 * 1024 * 1024;
const DATABASE = 'tandrel-dialogs';
const STORE = 'states';
/** How long a state may stay: a dialog left open for longer is gone or forgotten. */
const STATE_LIFETIME_MS = 24 * 60 * 60 * 1000;

/**
 * @typedef {{request: any, answer: any, origin: Origin, notice?: any}} DialogState
 * @typedef {{tabId: number, frameId: number, windowId: number}} Origin
 */

/**
 * Whether this is a dialog page in a frame of a web page: the browser partitions its IndexedDB by
 * the page, so that it does not see the worker's; it asks the worker for what is kept there.
 */
const partitioned = typeof window !== 'undefined' && window.parent !== window;

/** @returns {Promise<IDBDatabase>} */
function openDatabase() {
    return new Promise((resolve, reject) => {
        const opening = indexedDB.open(DATABASE, 1);
        opening.onupgradeneeded = () => opening.result.createObjectStore(STORE);
        opening.onsuccess = () => resolve(opening.result);
        opening.onerror = () => reject(opening.error);
    });
}

/**
 * One request to the store, in a transaction of its own.
 * @param {'readonly' | 'readwrite'} mode
 * @param {(store: IDBObjectStore) => IDBRequest} use
 */
async function inDatabase(mode, use) {
    const database = await openDatabase();
    try {
        return await new Promise((resolve, reject) => {
            const request = use(database.transaction(STORE, mode).objectStore(STORE));
            request.onsuccess = () => resolve(request.result);
            request.onerror = () => reject(request.error);
        });
    } finally {
        database.close();
    }
}

/** A new dialog's id. */
export function newDialogId() {
    return crypto.randomUUID();
}

/**
 * Keeps a dialog's state under its id.
 * @param {string} id
 * @param {DialogState} state
 */
export async function saveState(id, state) {
    const key = 'dialog:' + id;
    // When it was saved, apart from the state, so that the worker reads no state to learn it.
    await chrome.storage.session.set({ ['saved:' + id]: Date.now() });
    if (JSON.stringify(state).length < SESSION_LIMIT) {
        try {
            await chrome.storage.session.set({ [key]: state });
            return;
        } catch {
            // Other dialogs fill the session storage: the database takes this one.
        }
    }
    await inDatabase('readwrite', (store) => store.put(state, id));
    // The session storage says where it is, so that a dialog waiting for it hears of it.
    await chrome.storage.session.set({ [key]: { inDatabase: true } });
}

/**
 * A dialog's state; null when it is gone (the dialog finished, or the browser restarted).
 * @param {string} id
 * @returns {Promise<DialogState | null>}
 */
export async function loadState(id) {
    const key = 'dialog:' + id;
    /** @type {any} */
    const { [key]: state } = await chrome.storage.session.get(key);
    if (state?.inDatabase && partitioned)
        return (await chrome.runtime.sendMessage({ loadState: id })) ?? null;
    if (state?.inDatabase)
        return (await inDatabase('readonly', (store) => store.get(id))) ?? null;
    return state ?? null;
}

/**
 * A dialog's state once the worker has saved it: the dialog window opens while the command is
 * still being prepared.
 * @param {string} id
 * @param {number} timeoutMs how long to wait for a state that never comes (the worker stopped)
 * @returns {Promise<DialogState | null>}
 */
export function waitForState(id, timeoutMs) {
    const key = 'dialog:' + id;
    return new Promise((resolve) => {
        const done = (/** @type {DialogState | null} */ state) => {
            chrome.storage.session.onChanged.removeListener(listener);
            clearTimeout(timer);
            resolve(state);
        };
        const listener = (/** @type {Record<string, chrome.storage.StorageChange>} */ changes) => {
            // The change carries the state itself: reading it again would cost the dialog a
            // round trip to the browser.
            const saved = /** @type {any} */ (changes[key]?.newValue);
            if (saved)
                (saved.inDatabase ? loadState(id) : Promise.resolve(saved)).then(done);
        };
        const timer = setTimeout(() => done(null), timeoutMs);
        chrome.storage.session.onChanged.addListener(listener);
        loadState(id).then((state) => {
            if (state)
                done(state);
        });
    });
}

/** @param {string} id a dialog that has finished */
export async function dropState(id) {
    if (partitioned) {
        await chrome.runtime.sendMessage({ dialogClosed: id });
        return;
    }
    await chrome.storage.session.remove(['dialog:' + id, 'saved:' + id]);
    await inDatabase('readwrite', (store) => store.delete(id));
}

/**
 * Drops the states saved more than a day ago, and those in the database that the session storage
 * no longer knows (it was emptied when the browser or the extension restarted).
 */
export async function dropOldStates() {
    const session = chrome.storage.session;
    // getKeys reads no values, which may be megabytes; older browsers lack it.
    const keys = session.getKeys ? await session.getKeys() : Object.keys(await session.get(null));
    const saved = await session.get(keys.filter((key) => key.startsWith('saved:')));
    const oldest = Date.now() - STATE_LIFETIME_MS;
    const old = Object.entries(saved).filter(([, time]) => !(Number(time) >= oldest)).map(([key]) => key.slice('saved:'.length));
    await Promise.all(old.map(dropState));
    // A state being saved has its time already, before it reaches the database.
    const known = new Set(keys.filter((key) => key.startsWith('saved:')).map((key) => key.slice('saved:'.length)));
    const stored = /** @type {IDBValidKey[]} */ (await inDatabase('readonly', (store) => store.getAllKeys()));
    await Promise.all(stored.filter((id) => typeof id !== 'string' || !known.has(id) || old.includes(id))
        .map((id) => inDatabase('readwrite', (store) => store.delete(id))));
}

/** Forgets the states of dialogs a closed browser left behind in the database. */
export async function dropAllStates() {
    await inDatabase('readwrite', (store) => store.clear());
}
