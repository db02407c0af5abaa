# SPDX-License-Identifier: MIT
# Sanitizer and fuzzer instrumentation for every target of the build, set before
# the subdirectories are added so that libraries, tests and programs agree.
#
#   QUANTORA_SANITIZE       comma-separated sanitizers, e.g. "address,undefined";
#                           empty (the default) builds without them
#   QUANTORA_BUILD_FUZZERS  also adds libFuzzer's coverage instrumentation (clang only),
#                           so that the fuzz targets see into the libraries they call
set(QUANTORA_SANITIZE "" CACHE STRING "Sanitizers to build every target with, e.g. address,undefined")

if(QUANTORA_SANITIZE)
  # Stop at the first finding, and keep frame pointers for readable stacks.
  add_compile_options(-fsanitize=${QUANTORA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${QUANTORA_SANITIZE})
  # Bounds checks in the standard containers and views: an index that stays
  # inside an allocation (a string's spare capacity, a span of a larger array)
  # is invisible to AddressSanitizer.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()

if(QUANTORA_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang's libFuzzer: configure with the fuzz preset")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
