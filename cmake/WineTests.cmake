# Windows programs as ctest tests, run under Wine in a throwaway 64-bit prefix that one fixture
# creates (with its own headless X server for windows and dialogs) and another tears down. The
# programs of the 32-bit build run under the 32-bit loader, as 32-bit programs on 64-bit Windows.

set(TANDREL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(TANDREL_WINE_SCRIPTS ${PROJECT_SOURCE_DIR}/tests/windows)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(TANDREL_WINE_RUN env TANDREL_WINE_BITS=32 sh ${TANDREL_WINE_SCRIPTS}/wine-run.sh)
else()
    set(TANDREL_WINE_RUN sh ${TANDREL_WINE_SCRIPTS}/wine-run.sh)
endif()

add_test(NAME wine_prefix_setup
         COMMAND sh ${TANDREL_WINE_SCRIPTS}/wine-prefix.sh setup ${TANDREL_WINE_PREFIX})
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
add_test(NAME wine_prefix_cleanup
         COMMAND sh ${TANDREL_WINE_SCRIPTS}/wine-prefix.sh cleanup ${TANDREL_WINE_PREFIX})
set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix)

# tandrel_add_wine_test(NAME TARGET [ARGS...]): runs a built Windows program under Wine.
function(tandrel_add_wine_test name target)
    add_test(NAME ${name}
             COMMAND ${TANDREL_WINE_RUN} ${TANDREL_WINE_PREFIX} $<TARGET_FILE:${target}> ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix
                                            RESOURCE_LOCK wine_prefix TIMEOUT 600)
endfunction()

# tandrel_add_wine_script_test(NAME SCRIPT [ARGS...]): runs a shell script with the prefix set
# up in its environment (WINEPREFIX, DISPLAY), for tests that drive several programs.
function(tandrel_add_wine_script_test name script)
    add_test(NAME ${name}
             COMMAND ${TANDREL_WINE_RUN} ${TANDREL_WINE_PREFIX} --shell ${script} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix
                                            RESOURCE_LOCK wine_prefix TIMEOUT 600)
endfunction()
