function(merrowin_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wmissing-declarations)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports impossible overlaps in std::string concatenation at -O3.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(MERROWIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(MERROWIN_ASAN)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
