# The programs we ship are built as the distribution builds its own: buffer
# checks in the C library's string and memory functions, stack protection,
# and relocations made read-only before main runs. Only optimised builds:
# the buffer checks need the optimiser and warn (an error here) without it.
# The fuzz build leaves them to its sanitizers.
function(kav_hardening target)
  if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR KAV_BUILD_FUZZ)
    return()
  endif()
  target_compile_definitions(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  target_compile_options(${target} PRIVATE -fstack-protector-strong)
  target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
endfunction()
