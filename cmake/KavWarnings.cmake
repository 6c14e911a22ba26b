# Our own code builds warning-free; third-party and generated code is not ours
# to police beyond what the compiler does by default.
#
# MSVC gets the same strictness, with standard conformance, sources read as
# UTF-8, a __cplusplus that tells the truth (Qt checks it), and the headers
# included with <> (Qt, the standard library, GoogleTest) left at the
# compiler's default warnings. On Windows NOMINMAX keeps <windows.h>, wherever
# it is included, from defining min and max as macros, which would break
# std::min, std::max and numeric_limits<T>::max().
function(kav_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE
      /W4 /WX /permissive- /utf-8 /Zc:__cplusplus /external:anglebrackets /external:W0)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE NOMINMAX)
  endif()
  kav_hardening(${target})
endfunction()
