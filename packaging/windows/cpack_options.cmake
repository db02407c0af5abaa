# SPDX-License-Identifier: MIT
# Read by cpack for each package it makes: the installer's name says what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup") # Quantora-<version>-win64-setup.exe
endif()
