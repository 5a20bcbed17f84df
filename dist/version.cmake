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
set(content "#pragma once\n#define LEXIDOR_VERSION \"${full}\"\n#define LEXIDOR_DATE \"${DATE}\"\n")
if(EXISTS "${HEADER}")
    file(READ "${HEADER}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${HEADER}" "${content}")
endif()
if(EXISTS "${TEXT}")
    file(READ "${TEXT}" old_text)
endif()
if(NOT old_text STREQUAL full)
    file(WRITE "${TEXT}" "${full}")
endif()
