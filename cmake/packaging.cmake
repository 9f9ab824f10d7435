# `cmake --build <dir> --target package`: on Windows the zip a user unpacks
# anywhere (zentrafel-<version>-win64.zip: one folder holding the executables,
# resource/, README.txt and LICENSE.txt); elsewhere a Debian package
# (zentrafel_<version>_amd64.deb) with the layout of `cmake --install` under
# /usr and its dependencies read from the executables by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME zentrafel)
set(CPACK_PACKAGE_VENDOR zentrafel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "self-running real-time audiovisual production")
set(CPACK_PACKAGE_CONTACT "zentrafel maintainers <maintainers@users.noreply.c-seed-c9fea6a5.example>")
set(ZENTRAFEL_HOMEPAGE https://github.com/zentrafel/zentrafel)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME zentrafel-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  # Debian's games section wants its programs in /usr/games; a demo that
  # also renders videos sits with the video programs.
  set(CPACK_DEBIAN_PACKAGE_SECTION video)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZENTRAFEL_HOMEPAGE})
  # Below the synopsis (the summary above), lines within the 80 columns of a
  # package manager's view; an empty line parts paragraphs.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
A self-running real-time audiovisual production: one piece of music and
a fixed choreography of OpenGL scenes in step with it.

zentrafel-render draws the same frames offline, frame-exact, as stills,
sequences, videos or a contact sheet.]])
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Mesa's drivers are loaded at run time, not linked, and the contact
  # sheet reads its face from fonts-dejavu-core: named by hand.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, fonts-dejavu-core")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ffmpeg")
endif()
include(CPack)
