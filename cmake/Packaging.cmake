# Installation and the Debian package.
#
# `cmake --install build --prefix DIR` lays out DIR/bin (the programs) and
# DIR/share/velmoro (LegendDB, CustomDB, velmoro.txt), where the programs find their
# data by themselves (../share/velmoro beside the program). For the desktop also the
# menu entry, the icon drawn by the program's own painter and a manual page per
# command-line program, both made at build time. `cpack -G DEB` in the build folder
# packs the same installation under /usr.
include(GNUInstallDirs)

if(NOT CMAKE_CROSSCOMPILING)
  # Manual pages from the programs' own --help.
  set(man_dir ${CMAKE_BINARY_DIR}/man)
  set(man_pages)
  set(programs velmoro-sim velmoro-db)
  if(TARGET velmoro-season)
    list(APPEND programs velmoro-season)
  endif()
  foreach(program ${programs})
    set(page ${man_dir}/${program}.1)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program}
              -DVERSION=${PROJECT_VERSION} -DOUTPUT=${page} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
      DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
      COMMENT "Writing the manual page of ${program}")
    list(APPEND man_pages ${page})
  endforeach()
  add_custom_target(velmoro_man ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(VELMORO_BUILD_UI AND NOT CMAKE_CROSSCOMPILING)
  add_executable(write_icon ${PROJECT_SOURCE_DIR}/packaging/write_icon.cpp)
  target_link_libraries(write_icon PRIVATE velmoro_ui)
  set(icon_dir ${CMAKE_BINARY_DIR}/icons)
  set(icon_sizes 48 128 256)
  set(icons)
  foreach(size ${icon_sizes})
    list(APPEND icons ${icon_dir}/${size}x${size}/velmoro.png)
  endforeach()
  add_custom_command(OUTPUT ${icons}
    COMMAND write_icon ${icon_dir} ${icon_sizes}
    DEPENDS write_icon
    COMMENT "Drawing the program icon")
  add_custom_target(velmoro_icon ALL DEPENDS ${icons})
  foreach(size ${icon_sizes})
    install(FILES ${icon_dir}/${size}x${size}/velmoro.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/velmoro.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

set(CPACK_PACKAGE_NAME velmoro)
set(CPACK_PACKAGE_VENDOR "Velmoro Baseball")
set(CPACK_PACKAGE_CONTACT "Velmoro Baseball developers <velmoro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "baseball game simulator")
set(CPACK_PACKAGE_DESCRIPTION
    "Pick two teams from the historical database or your own custom teams, set the lineups and play pitch by pitch. Includes velmoro-sim (games without windows) and velmoro-db (database files).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELMORO_BUILD_UI)
  # Loaded at run time, so dpkg-shlibdeps cannot see it: without a platform plugin the
  # desktop program opens no window at all.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
