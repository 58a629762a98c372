# Warnings, sanitizers and the standard library, each in the spelling of the compiler
# at hand: GCC and Clang (and MinGW's GCC) take the GNU flags, MSVC its own.
if(MSVC)
  add_compile_options(/W4 /permissive- /utf-8)
  # The standard library's own "unsafe" warnings (fopen, getenv) say nothing here.
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS NOMINMAX)
else()
  add_compile_options(-Wall -Wextra)
endif()
if(VELMORO_WERROR)
  if(MSVC)
    add_compile_options(/WX)
  else()
    add_compile_options(-Werror)
  endif()
endif()

if(VELMORO_SANITIZE)
  if(MSVC)
    add_compile_options(/fsanitize=address)
  else()
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

if(VELMORO_LIBCXX)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VELMORO_LIBCXX needs Clang (the compiler is ${CMAKE_CXX_COMPILER_ID})")
  endif()
  add_compile_options(-stdlib=libc++)
  add_link_options(-stdlib=libc++)
endif()

if(WIN32 AND NOT MSVC)
  # MinGW: one self-contained .exe per program, with no runtime DLLs to ship beside it
  # (and none for wine to look for when the tests run).
  add_link_options(-static)
  add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
endif()
