// The module the WebAssembly build puts beside the extension's files.
declare module '*/tandrel-core.mjs' {
    const createTandrelCore: (options?: object) => Promise<any>;
    export default createTandrelCore;
}
declare module '*/tandrel-core-api.mjs' {
    export function bindCore(module: any): Record<string, (request?: object) => any>;
}
