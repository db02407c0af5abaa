# SPDX-License-Identifier: MIT
# Install step: copies beside the installed executables every DLL that they and the
# plugins load, followed through the DLLs' own imports, from Qt's and MinGW's folders
# (QUANTORA_DLL_DIRS holds links to those DLLs under their own and lower-case names).
# A DLL that only Windows has is left to Windows; one found nowhere stops the install.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})

set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(executables)
set(modules)
foreach(binary IN LISTS QUANTORA_SHIPPED_BINARIES)
  if(binary MATCHES "\\.exe$")
    list(APPEND executables ${folder}/${binary})
  else()
    list(APPEND modules ${folder}/${binary})
  endif()
endforeach()

# Windows' own DLLs are not looked into: they stay unresolved here, and each such name
# must then be one of Wine's built-in DLLs (whose file names are in lower case).
file(
  GET_RUNTIME_DEPENDENCIES
  EXECUTABLES
  ${executables}
  MODULES
  ${modules}
  DIRECTORIES
  ${QUANTORA_DLL_DIRS}
  PRE_EXCLUDE_REGEXES
  "^api-ms-"
  "^ext-ms-"
  RESOLVED_DEPENDENCIES_VAR
  resolved
  UNRESOLVED_DEPENDENCIES_VAR
  unresolved)
set(missing)
foreach(name IN LISTS unresolved)
  string(TOLOWER "${name}" lower_name)
  if(NOT EXISTS "${QUANTORA_WINDOWS_SYSTEM_DLL_DIR}/${lower_name}")
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "The program loads DLLs found neither in Qt, MinGW nor Windows: ${missing}")
endif()
foreach(dll IN LISTS resolved)
  get_filename_component(dll ${dll} REALPATH) # the file under its own name
  file(INSTALL ${dll} DESTINATION ${CMAKE_INSTALL_PREFIX})
  # Their symbols serve no user (Qt's and libstdc++'s would triple the download).
  get_filename_component(name ${dll} NAME)
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded ${folder}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
