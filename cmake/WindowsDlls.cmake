# SPDX-License-Identifier: MIT
# Where the DLLs a Windows program of this build loads come from: Qt's, and MinGW's
# runtime. Programs run under Wine (the picture baker as a build step, the tests) find
# them there, and the Windows package ships them from there.
get_target_property(qt_core_location Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_dll_dir ${qt_core_location} DIRECTORY)
set(QUANTORA_WINDOWS_DLL_DIRS ${qt_dll_dir})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  get_filename_component(dir ${path} DIRECTORY)
  get_filename_component(dir ${dir} REALPATH)
  list(APPEND QUANTORA_WINDOWS_DLL_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES QUANTORA_WINDOWS_DLL_DIRS)
