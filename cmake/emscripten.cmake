# WebAssembly build with Debian's emscripten: its own tool chain file, plus what every program of
# this build needs. The programs are run by node (the tool, the tests); the browser extension's
# module sets its own link options on top.

# emcc runs node scripts that need Debian's node modules; the node on the path may not look there.
# Set for this configure run (and the compile checks it starts) and for every compile and link.
set(TANDREL_EMSCRIPTEN_NODE_PATH /usr/share/nodejs)
set(ENV{NODE_PATH} ${TANDREL_EMSCRIPTEN_NODE_PATH})
set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${TANDREL_EMSCRIPTEN_NODE_PATH})
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The core throws (the unit table, for one); emscripten ignores exceptions unless told otherwise,
# on every object and at the link (CMake passes these flags to the link too).
set(CMAKE_C_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
# A Release build optimises as the native build does (-O2, where CMake's default is -O3), without
# the debugging information that makes the modules many times larger and slower for node to load.
# The flags also reach the link, where emscripten optimises the module.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a Release build")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a Release build")

# node with its fetch() off: otherwise the loader fetches the .wasm file by its path and fails.
set(CMAKE_CROSSCOMPILING_EMULATOR "node;--no-experimental-fetch" CACHE STRING
    "How the host runs a program of this build" FORCE)
