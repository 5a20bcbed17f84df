# SPDX-License-Identifier: GPL-3.0-or-later
# Run at every build: the program, its about box and the package name the version of the sources they
# come from, and a tree with changes not yet committed says so (+dirty) rather than pass for the release.
# Inputs: SOURCE_DIR, VERSION, DATE, HEADER, TEXT.
set(full "${VERSION}")
find_program(GIT git)
if(GIT AND EXISTS "${SOURCE_DIR}/.git")
    execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" status --porcelain
                    OUTPUT_VARIABLE changes RESULT_VARIABLE rc ERROR_QUIET)
    if(rc EQUAL 0 AND NOT changes STREQUAL "")
        string(APPEND full "+dirty")
    endif()
endif()
# Rewritten only when it changes, so that an unchanged version rebuilds nothing.
function(write_if_changed path content)
    set(old "")
    if(EXISTS "${path}")
        file(READ "${path}" old)
    endif()
    if(NOT old STREQUAL content)
        file(WRITE "${path}" "${content}")
    endif()
endfunction()
write_if_changed("${HEADER}" "#pragma once\n#define LEXIDOR_VERSION \"${full}\"\n#define LEXIDOR_DATE \"${DATE}\"\n")
write_if_changed("${TEXT}" "${full}")
