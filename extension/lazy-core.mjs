// The core for the dialog pages, loaded only when first needed: a dialog shows before the
// module's glue is even parsed.

/** @returns {Promise<Record<string, (request?: object) => any>>} */
export function loadCore() {
    return import('./core.mjs').then((core) => core.loadCore());
}

/** @returns {Promise<import('./core.mjs').Menu>} */
export function loadMenu() {
    return import('./core.mjs').then((core) => core.loadMenu());
}
