// Linked before a program of the WebAssembly build that node runs: the program sees the host's
// environment variables (COMSPEC, for one), as a native program would, instead of emscripten's
// made-up ones.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    Object.assign(ENV, process.env);
});
