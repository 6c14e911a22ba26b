# Our own code builds warning-free; third-party and generated code is not ours
# to police beyond what the compiler does by default.
function(kav_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
