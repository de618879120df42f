# The program folder a restaurant receives.
#
# `cmake --install build --prefix FOLDER` makes FOLDER that program folder: the program keeps its
# data in its own folder, so everything goes to the top of the prefix and nothing of the build
# goes with it. CPack packs the same folder as brisvola-<version>-Linux.tar.gz
# (`cmake --build build --target package`, or scripts/package.sh).

# A project that includes this one installs the program folder only when it asks.
option(BRISVOLA_INSTALL "Install the program folder" ${PROJECT_IS_TOP_LEVEL})
if(NOT BRISVOLA_INSTALL)
  return()
endif()

install(TARGETS brisvola RUNTIME DESTINATION .)
install(FILES ${BRISVOLA_PROGRAM_FOLDER}/unins000.dll ${BRISVOLA_PROGRAM_FOLDER}/Guida.pdf
        DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brisvola.desktop DESTINATION .)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/install-desktop-entry.sh DESTINATION .)
# The application icon, laid out as a desktop icon theme: the picture itself and the PNGs that
# tools/ renders from it.
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/brisvola.svg
        DESTINATION icons/hicolor/scalable/apps)
install(DIRECTORY ${PROJECT_BINARY_DIR}/icons/hicolor/ DESTINATION icons/hicolor
        FILES_MATCHING PATTERN "brisvola.png")

if(PROJECT_IS_TOP_LEVEL)
  set(CPACK_GENERATOR TGZ)
  set(CPACK_PACKAGE_NAME brisvola)
  set(CPACK_PACKAGE_VENDOR Brisvola)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Il software per ristoranti, trattorie, pizzerie e mense")
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_FILE_NAME brisvola-${PROJECT_VERSION}-Linux)
  # The archive holds one folder, Brisvola/, the program folder: its name is the same for every
  # version, so a new version unpacks over the old folder, where the data are.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGING_INSTALL_PREFIX /Brisvola)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
  set(CPACK_SOURCE_GENERATOR TGZ)
  include(CPack)
endif()
