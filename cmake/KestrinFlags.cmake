# One place for the compiler flags every target of ours gets.
function(kestrin_flags target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wsign-conversion -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
  if(KESTRIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(KESTRIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(KESTRIN_FUZZ)
  # Instrument our own code so the fuzzers see its branches.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
