# The sanitizers of the fuzz build and the asan build: addresses and
# undefined behaviour, every finding fatal.
set(KAV_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# The asan build instruments everything it compiles; its tests run the core
# (files, data, link, report, kav-convert) under both sanitizers.
if(KAV_SANITIZE)
  add_compile_options(${KAV_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
  # GCC's flow analysis mistakes the sanitizers' checks for uses of
  # uninitialised memory (in std::function within std::regex, say); the
  # sanitizers themselves find real ones.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()

# The fuzz build instruments the libraries whose code the fuzz targets
# exercise: they carry the same instrumentation as the targets, and whatever
# links them gets the sanitizer runtime.

# kav_fuzz_instrument(target): instruments a library the fuzz targets link,
# when this is the fuzz build.
function(kav_fuzz_instrument target)
  if(KAV_BUILD_FUZZ)
    target_compile_options(${target} PRIVATE ${KAV_SANITIZER_FLAGS} -fsanitize=fuzzer-no-link)
    target_link_options(${target} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()
