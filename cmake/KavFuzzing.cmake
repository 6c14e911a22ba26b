# The fuzz build's sanitizers, and the libraries whose code the fuzz targets
# exercise: they carry the same instrumentation as the targets, and whatever
# links them gets the sanitizer runtime.
set(KAV_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# kav_fuzz_instrument(target): instruments a library the fuzz targets link,
# when this is the fuzz build.
function(kav_fuzz_instrument target)
  if(KAV_BUILD_FUZZ)
    target_compile_options(${target} PRIVATE ${KAV_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    target_link_options(${target} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()
