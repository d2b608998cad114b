// nubrix.ini is Windows-1252 bytes, as the DLL reads it. The browser decodes that code page;
// encoding is its reverse, built from the decoder, with "?" for what the code page lacks (as the
// core reads such characters).

const decoder = new TextDecoder('windows-1252');

/** @type {Map<string, number> | null} */
let bytesOf = null;

/** @param {Uint8Array} bytes @returns {string} */
export function decodeWindows1252(bytes) {
    return decoder.decode(bytes);
}

/** @param {string} text @returns {Uint8Array<ArrayBuffer>} */
export function encodeWindows1252(text) {
    if (!bytesOf) {
        bytesOf = new Map();
        for (let byte = 0; byte < 256; byte++)
            bytesOf.set(decoder.decode(new Uint8Array([byte])), byte);
    }
    const out = new Uint8Array(text.length);
    let length = 0;
    for (const char of text)
        out[length++] = bytesOf.get(char) ?? 0x3F;
    return out.subarray(0, length);
}
