// The core, instantiated once per extension context on first use. The worker refuses dynamic
// import() and top-level await, so the module is imported statically and instantiated lazily.
import createTandrelCore from './tandrel-core.mjs';
import { bindCore } from './tandrel-core-api.mjs';

/** @type {Promise<Record<string, (request?: object) => any>> | null} */
let loading = null;
/** @type {Promise<Menu> | null} */
let menu = null;

/**
 * @typedef {{product: string, commands: Array<{keyword: string, menu: string, status: string,
 *   prefix: string, helpEntry: string}>, nativeHost: string, texts: Record<string, string>,
 *   messages: Record<string, Message>}} Menu
 * @typedef {{text: string, caption: string, icon: string, staysOpen?: boolean, focus?: string,
 *   buttons: Array<{role: string, text: string, default: boolean}>}} Message
 */

/**
 * The core's calls (prepare, finish, calculate, ...), as tandrel-core-api.mjs binds them.
 * @returns {Promise<Record<string, (request?: object) => any>>}
 */
export function loadCore() {
    loading ??= createTandrelCore().then(bindCore);
    return loading;
}

/**
 * The menu commands with the extension's own texts and messages, asked once per context.
 * @returns {Promise<Menu>}
 */
export function loadMenu() {
    menu ??= loadCore().then((core) => core.menu());
    return menu;
}
