# Writes OUTPUT, a header with one "#define TEXT_<name> "<text>"" for each TANDREL_STRING(name, id,
# "text") of INPUT (strings.inc), so that the resource script's dialog templates take their texts
# from the string table's one source: the C preprocessor cannot make a macro per name itself.
file(STRINGS ${INPUT} lines REGEX "^TANDREL_STRING\\(")
set(header "// Generated from strings.inc by cmake/TemplateTexts.cmake; do not edit.\n#pragma once\n")
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^TANDREL_STRING\\(([A-Za-z0-9_]+), *[0-9]+, *(\".*\")\\) *$")
        message(FATAL_ERROR "strings.inc: cannot read ${line}")
    endif()
    string(APPEND header "#define TEXT_${CMAKE_MATCH_1} ${CMAKE_MATCH_2}\n")
endforeach()
file(WRITE ${OUTPUT}.new "${header}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
