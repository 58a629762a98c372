# fmt, CLI11, nlohmann-json and GoogleTest; SQLite where there is one.
#
# A native build takes the installed packages. A cross build for Windows (MinGW) has no
# packages of its own for them, and the compiled libfmt and libgtest of the distribution
# are built against libstdc++, which a libc++ build cannot link. Those builds take what
# the build machine has as source: the header-only forms of fmt (FMT_HEADER_ONLY),
# CLI11 and nlohmann-json from the host's include folder, and GoogleTest built from its
# sources (Debian's libgtest-dev ships them in /usr/src/googletest).
if((CMAKE_CROSSCOMPILING AND WIN32) OR VELMORO_LIBCXX)
  set(VELMORO_HOST_INCLUDE /usr/include CACHE PATH "Host folder with fmt/, CLI/, nlohmann/")
  set(VELMORO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  # Only these three folders: the host's include folder as a whole holds the host's C
  # library headers, which must never reach the cross compiler.
  set(headers ${CMAKE_BINARY_DIR}/host-headers)
  file(MAKE_DIRECTORY ${headers})
  foreach(dir fmt CLI nlohmann)
    if(NOT IS_DIRECTORY ${VELMORO_HOST_INCLUDE}/${dir})
      message(FATAL_ERROR "${VELMORO_HOST_INCLUDE}/${dir} missing (install the -dev package)")
    endif()
    file(CREATE_LINK ${VELMORO_HOST_INCLUDE}/${dir} ${headers}/${dir} SYMBOLIC)
  endforeach()

  add_library(velmoro_fmt INTERFACE)
  target_include_directories(velmoro_fmt SYSTEM INTERFACE ${headers})
  target_compile_definitions(velmoro_fmt INTERFACE FMT_HEADER_ONLY=1)
  add_library(fmt::fmt ALIAS velmoro_fmt)
  add_library(velmoro_cli11 INTERFACE)
  target_include_directories(velmoro_cli11 SYSTEM INTERFACE ${headers})
  add_library(CLI11::CLI11 ALIAS velmoro_cli11)
  add_library(velmoro_json INTERFACE)
  target_include_directories(velmoro_json SYSTEM INTERFACE ${headers})
  add_library(nlohmann_json::nlohmann_json ALIAS velmoro_json)

  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VELMORO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Not our code: its warnings are not ours to mend.
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  set(VELMORO_GTEST_FOUND ON)
else()
  find_package(fmt REQUIRED)
  find_package(CLI11 CONFIG REQUIRED)
  find_package(nlohmann_json REQUIRED)
  find_package(GTest REQUIRED)
endif()

# SQLite for the season file: optional, as MinGW has no package of it (the managed
# season's layer, velmoro-season and their tests are then left out).
find_package(SQLite3)
