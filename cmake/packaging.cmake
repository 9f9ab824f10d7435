# `cmake --build <dir> --target package`: on Windows the zip a user unpacks
# anywhere (zentrafel-<version>-win64.zip: one folder holding the executables,
# resource/ and README.txt); elsewhere a Debian package
# (zentrafel_<version>_amd64.deb) with the layout of `cmake --install` under
# /usr and its dependencies read from the executables by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME zentrafel)
set(CPACK_PACKAGE_VENDOR zentrafel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "self-running real-time audiovisual production")
set(CPACK_PACKAGE_DESCRIPTION
  "A self-running real-time audiovisual production: one piece of music and a fixed choreography of OpenGL scenes in step with it, with an offline renderer for stills, sequences and videos.")
set(CPACK_PACKAGE_CONTACT "zentrafel maintainers <maintainers@users.noreply.c-seed-c9fea6a5.example>")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME zentrafel-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Mesa's drivers are loaded at run time, not linked: named by hand.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ffmpeg")
endif()
include(CPack)
