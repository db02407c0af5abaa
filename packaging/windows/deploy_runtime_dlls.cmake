# SPDX-License-Identifier: MIT
# Install step: copies beside the installed executables every DLL that they and the
# plugins load, followed through the DLLs' own imports, from Qt's and MinGW's folders
# (QUANTORA_DLL_DIRS holds links to those DLLs under lower-case names).
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

file(
  GET_RUNTIME_DEPENDENCIES
  EXECUTABLES
  ${executables}
  MODULES
  ${modules}
  DIRECTORIES
  ${QUANTORA_DLL_DIRS}
  ${QUANTORA_WINDOWS_SYSTEM_DLL_DIR}
  PRE_EXCLUDE_REGEXES
  "^api-ms-"
  "^ext-ms-"
  RESOLVED_DEPENDENCIES_VAR
  resolved
  UNRESOLVED_DEPENDENCIES_VAR
  unresolved)
if(unresolved)
  message(FATAL_ERROR "The program loads DLLs found neither in Qt, MinGW nor Windows: ${unresolved}")
endif()
foreach(dll IN LISTS resolved)
  string(FIND "${dll}" "${QUANTORA_WINDOWS_SYSTEM_DLL_DIR}/" system)
  if(system EQUAL 0)
    continue() # part of Windows
  endif()
  get_filename_component(dll ${dll} REALPATH) # the file under its own name
  file(INSTALL ${dll} DESTINATION ${CMAKE_INSTALL_PREFIX})
  # Their symbols serve no user (Qt's and libstdc++'s would triple the download).
  get_filename_component(name ${dll} NAME)
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded ${folder}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
