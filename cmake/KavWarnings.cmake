# Our own code builds warning-free; third-party and generated code is not ours
# to police beyond what the compiler does by default.
#
# MSVC gets the same strictness, with standard conformance, sources read as
# UTF-8, a __cplusplus that tells the truth (Qt checks it), and the headers
# included with <> (Qt, the standard library, GoogleTest) left at the
# compiler's default warnings; its /W4 warns of shadowed names (C4456-C4459).
# On Windows NOMINMAX keeps <windows.h>, wherever it is included, from
# defining min and max as macros, which would break std::min, std::max and
# numeric_limits<T>::max().
function(kav_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE
      /W4 /WX /permissive- /utf-8 /Zc:__cplusplus /external:anglebrackets /external:W0)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE NOMINMAX)
  endif()
  kav_hardening(${target})
endfunction()

# kav_strict_warnings(target): the core's libraries, which decode, compute
# and write what the user keeps, and every new library of the core. Beyond
# kav_warnings, a conversion that may change a value (narrowing, a sign
# lost), a C-style cast, which hides which conversion is meant, and a
# language extension are errors. MSVC: C4242 and C4254 (narrowing) and
# C4365 (sign), which /W4 leaves off; /permissive- refuses the extensions.
function(kav_strict_warnings target)
  kav_warnings(${target})
  if(MSVC)
    target_compile_options(${target} PRIVATE /w44242 /w44254 /w44365)
  else()
    target_compile_options(${target} PRIVATE
      -Wconversion -Wsign-conversion -Wold-style-cast -Wpedantic)
  endif()
endfunction()
