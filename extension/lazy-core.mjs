// The core for the dialog pages, loaded only when first needed: a dialog shows before the
// module's glue is even parsed.

/** @type {Record<string, (request?: object) => any> | null} */
let ready = null;

/** @returns {Promise<Record<string, (request?: object) => any>>} */
export function loadCore() {
    return import('./core.mjs').then((core) => core.loadCore()).then((core) => (ready = core));
}

/**
 * Calls the core with what it answers: at once once the core is loaded, so that a tick shows in
 * the same turn as the key that made it; otherwise as soon as it is, in the order asked.
 * @param {(core: Record<string, (request?: object) => any>) => void} use
 */
export function withCore(use) {
    if (ready)
        use(ready);
    else
        loadCore().then(use);
}

/** @returns {Promise<import('./core.mjs').Menu>} */
export function loadMenu() {
    return import('./core.mjs').then((core) => core.loadMenu());
}
