// The core's interface for JavaScript: one function per call of TandrelCore.h, each taking a
// request object and giving the answer object. This is the one place where text crosses into
// the module's memory and back (tandrel_alloc, tandrel_free); callers never touch the heap.
//
//   import createTandrelCore from './tandrel-core.mjs';
//   import { bindCore } from './tandrel-core-api.mjs';
//   const core = bindCore(await createTandrelCore());
//   const answer = core.prepare({ keyword: 'ISBN', page: { selection: '0-306-40615-2' } });

/** What the module exports besides the calls: the memory the helper moves text through. */
const MEMORY_FUNCTIONS = new Set(['alloc', 'free']);

/**
 * A call's method here: its name in the module (tandrel_<name>) in camelCase, "default_config"
 * as "defaultConfig".
 * @param {string} name
 */
export function methodName(name) {
    return name.replace(/_([a-z])/g, (_, letter) => letter.toUpperCase());
}

// The platform's coders rather than emscripten's helpers, which walk the text one character at a
// time in JavaScript: a request carries the whole configuration.
const encoder = new TextEncoder();
const decoder = new TextDecoder();

/**
 * Copies a request's text into the module's memory, zero-terminated, encoded straight into room
 * for its longest encoding (three bytes a UTF-16 unit).
 * @param {any} module what the module's factory resolved to
 * @param {string} text
 * @returns {number} where it is; the caller frees it with _tandrel_free
 */
export function copyRequestIn(module, text) {
    const room = text.length * 3 + 1;
    const pointer = module._tandrel_alloc(room);
    if (!pointer)
        throw new Error('tandrel-core: no memory for a request of ' + room + ' bytes');
    const into = module.HEAPU8.subarray(pointer, pointer + room - 1);
    const { written } = encoder.encodeInto(text, into);
    module.HEAPU8[pointer + written] = 0;
    return pointer;
}

/**
 * Binds every call the module exports (each tandrel_<name> of TandrelCore.h but the memory
 * functions), each as the method methodName(name).
 * @param {any} module what the module's factory resolved to
 * @returns {Record<string, (request?: object) => any>}
 */
export function bindCore(module) {
    /** @param {string} name @param {object} request */
    const call = (name, request) => {
        const pointer = copyRequestIn(module, JSON.stringify(request ?? {}));
        try {
            const answer = module['_tandrel_' + name](pointer);
            // The answer stays valid until the next call: read it before anything else runs. The
            // call may have grown the memory, which replaces the heap's view.
            const heap = module.HEAPU8;
            return JSON.parse(decoder.decode(heap.subarray(answer, heap.indexOf(0, answer))));
        } finally {
            module._tandrel_free(pointer);
        }
    };
    /** @type {Record<string, (request?: object) => any>} */
    const core = {};
    for (const exported of Object.keys(module)) {
        const name = /^_tandrel_([a-z_]+)$/.exec(exported)?.[1];
        if (name && !MEMORY_FUNCTIONS.has(name))
            core[methodName(name)] = (request) => call(name, request);
    }
    return core;
}
