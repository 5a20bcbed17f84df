# SPDX-License-Identifier: GPL-3.0-or-later
# The package takes the version the last build gave the program, so that both say +dirty alike.
if(EXISTS "${CPACK_LEXIDOR_VERSION_TEXT}")
    file(READ "${CPACK_LEXIDOR_VERSION_TEXT}" CPACK_PACKAGE_VERSION)
    set(CPACK_DEBIAN_PACKAGE_VERSION "${CPACK_PACKAGE_VERSION}")
endif()
