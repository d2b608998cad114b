// The WebAssembly module's figures: its size raw and gzipped, the time node takes to instantiate
// it, and each call of the interface with the requests of requests.json (the ones the native
// benchmark WebCall/<call> sends), through the helper the extension uses and, as the native
// benchmark calls it, the module's function alone (the request's text already in the module's
// memory, the answer's text left there). Prints one JSON object.
// Usage: node bench-core.mjs BUILD_DIR
import { readFile } from 'node:fs/promises';
import { join, dirname } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const build = process.argv[2];
const here = dirname(fileURLToPath(import.meta.url));
const { default: createTandrelCore } = await import(pathToFileURL(join(build, 'tandrel-core.mjs')).href);
const { bindCore, copyRequestIn, methodName } = await import(pathToFileURL(join(build, 'tandrel-core-api.mjs')).href);
const wasmBinary = await readFile(join(build, 'tandrel-core.wasm'));
const glue = await readFile(join(build, 'tandrel-core.mjs'));
const requests = JSON.parse(await readFile(join(here, 'requests.json'), 'utf8'));

const gzipped = (bytes) => gzipSync(bytes, { level: 9 }).length;
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Instantiation as a service worker does it on its first use: compile and instantiate the bytes
// (the time it takes, waiting included).
const instantiations = [];
for (let i = 0; i < 15; i++) {
    const start = process.hrtime.bigint();
    await createTandrelCore({ wasmBinary });
    instantiations.push(Number(process.hrtime.bigint() - start) / 1e6);
}

const module = await createTandrelCore({ wasmBinary });
const core = bindCore(module);
// The process's CPU time in nanoseconds, as the native benchmark counts it: on a busy machine the
// time waited for a core would otherwise count against the module. node's own threads (the
// garbage collector, the compiler) are counted too.
const cpuNs = () => {
    const { user, system } = process.cpuUsage();
    return (user + system) * 1e3;
};

// The call as often as fits in a fifth of a second of CPU time, three times; the best time per
// call.
const bestNs = (call) => {
    let best = Infinity;
    for (let round = 0; round < 3; round++) {
        let count = 0;
        const start = cpuNs();
        let elapsed = 0;
        while (elapsed < 0.2e9) {
            call();
            count++;
            elapsed = cpuNs() - start;
        }
        best = Math.min(best, elapsed / count);
    }
    return best;
};

const calls = {};
const moduleCalls = {};
for (const [name, request] of Object.entries(requests)) {
    const call = core[methodName(name)];
    if (call(request).error)
        throw new Error(name + ': the request is refused');
    calls[name] = bestNs(() => call(request));
    const pointer = copyRequestIn(module, JSON.stringify(request));
    const exported = module['_tandrel_' + name];
    moduleCalls[name] = bestNs(() => exported(pointer));
    module._tandrel_free(pointer);
}

console.log(JSON.stringify({
    wasmBytes: wasmBinary.length,
    glueBytes: glue.length,
    gzipBytes: gzipped(wasmBinary) + gzipped(glue),
    instantiateMs: median(instantiations),
    node: process.version,
    callNs: calls,
    moduleCallNs: moduleCalls,
}, null, 2));
