# SPDX-License-Identifier: MIT
# quantora_warnings(target): the project's warning set, as errors in CI.
function(quantora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Wnon-virtual-dtor -Wold-style-cast)
  if(QUANTORA_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
