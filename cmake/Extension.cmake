# The browser extension, assembled in the WebAssembly build: build/wasm/extension/ (load it
# unpacked), build/wasm/tandrel-extension.zip and the same archive as tandrel-extension.xpi for
# Firefox (unsigned: a temporary add-on, or a Firefox that takes unsigned ones); one manifest
# serves both browsers. Its files are the repository's extension/ as they are, the core's module
# and helper beside them, the help pages in help/, the logo as a PNG (the about page's picture)
# and the extension's icons, the logo scaled to the sizes the manifest gives.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(extension_dir ${CMAKE_BINARY_DIR}/extension)
file(GLOB extension_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/extension/*.mjs ${PROJECT_SOURCE_DIR}/extension/*.html
     ${PROJECT_SOURCE_DIR}/extension/*.css ${PROJECT_SOURCE_DIR}/extension/*.json)
file(GLOB extension_help CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/resources/help/*)

set(extension_stamp ${CMAKE_BINARY_DIR}/extension.stamp)
add_custom_command(
    OUTPUT ${extension_stamp}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${extension_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${extension_dir}/help
    COMMAND ${CMAKE_COMMAND} -E copy ${extension_sources} ${extension_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${extension_help} ${extension_dir}/help
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/tandrel-core.mjs
            ${CMAKE_BINARY_DIR}/tandrel-core.wasm ${PROJECT_SOURCE_DIR}/src/web/tandrel-core-api.mjs
            ${extension_dir}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/bmp_to_png.py
            ${PROJECT_SOURCE_DIR}/src/resources/logo.bmp ${extension_dir}/logo.png
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/bmp_to_png.py
            ${PROJECT_SOURCE_DIR}/src/resources/logo.bmp ${extension_dir}/icon-48.png 48
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/bmp_to_png.py
            ${PROJECT_SOURCE_DIR}/src/resources/logo.bmp ${extension_dir}/icon-128.png 128
    COMMAND ${CMAKE_COMMAND} -E touch ${extension_stamp}
    DEPENDS ${extension_sources} ${extension_help} tandrel_core_module
            ${PROJECT_SOURCE_DIR}/src/web/tandrel-core-api.mjs
            ${PROJECT_SOURCE_DIR}/src/resources/logo.bmp ${PROJECT_SOURCE_DIR}/tools/bmp_to_png.py
    COMMENT "Assembling the browser extension in ${extension_dir}"
    VERBATIM)

set(extension_zip ${CMAKE_BINARY_DIR}/tandrel-extension.zip)
add_custom_command(
    OUTPUT ${extension_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${extension_zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${extension_zip} --format=zip .
    WORKING_DIRECTORY ${extension_dir}
    DEPENDS ${extension_stamp}
    COMMENT "Packing tandrel-extension.zip"
    VERBATIM)
set(extension_xpi ${CMAKE_BINARY_DIR}/tandrel-extension.xpi)
add_custom_command(
    OUTPUT ${extension_xpi}
    COMMAND ${CMAKE_COMMAND} -E copy ${extension_zip} ${extension_xpi}
    DEPENDS ${extension_zip}
    COMMENT "Packing tandrel-extension.xpi"
    VERBATIM)
add_custom_target(extension ALL DEPENDS ${extension_zip} ${extension_xpi})
