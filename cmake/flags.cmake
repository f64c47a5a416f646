# Every compile and link flag of the project, for all targets.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_compile_options(-Wall -Wextra -Wshadow -Werror)

if(WIN32)
  # Small, with no runtime beyond Windows' own DLLs: no exceptions or RTTI,
  # the compiler's support libraries linked in statically (the i686 default
  # would import libgcc_s_dw2-1.dll), unused sections dropped, stripped.
  # Link-time optimisation lets the compiler see that TraceMessage does
  # nothing in a normal build and drop the texts handed to it.
  # No timestamp in the PE header, so equal sources give equal images.
  add_compile_options(-Os -flto -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                      -ffunction-sections -fdata-sections)
  add_link_options(-Os -flto -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp)
  if(LAUNCHER_TRACE)
    add_compile_definitions(LAUNCHER_TRACE)
  endif()
elseif(LAUNCHER_FUZZ)
  add_compile_options(-g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=fuzzer,address,undefined)
else()
  add_compile_options(-g -O1)
  if(LAUNCHER_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()
