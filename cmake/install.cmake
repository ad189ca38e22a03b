# Install layout and the Debian package.
#
#   bin/alimetra                 launcher: gives the user a copy of the
#                                delivered database, then starts the program
#   libexec/alimetra/alimetra    the program
#   share/alimetra/sr18.mdb      the delivered database (built by scripts/setup.sh)
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1
#
# The launcher finds the program and the database from its own place, so the
# directories below are fixed rather than taken from GNUInstallDirs.
set(ALIMETRA_ID org.alimetra.Alimetra)
set(ALIMETRA_DB ${CMAKE_BINARY_DIR}/sr18.mdb)

# Relocations resolved and made read-only at start, as Debian builds programs.
target_link_options(alimetra PRIVATE LINKER:-z,relro,-z,now)

install(PROGRAMS scripts/alimetra DESTINATION bin)
install(TARGETS alimetra RUNTIME DESTINATION libexec/alimetra)
install(FILES ${ALIMETRA_DB} DESTINATION share/alimetra)
install(FILES packaging/${ALIMETRA_ID}.desktop DESTINATION share/applications)
install(FILES packaging/${ALIMETRA_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(lado 16 32 48 64 128 256)
    set(imagen resources/alimetra${lado}.png)
    if(lado EQUAL 32)
        set(imagen resources/alimetra.png)
    endif()
    install(FILES ${imagen} DESTINATION share/icons/hicolor/${lado}x${lado}/apps
            RENAME ${ALIMETRA_ID}.png)
endforeach()

# Debian wants the manual page and the changelog compressed, without a time
# stamp in the gzip header.
find_program(GZIP gzip REQUIRED)
foreach(archivo alimetra.1 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${archivo}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${GZIP} -9n -c ${CMAKE_SOURCE_DIR}/packaging/${archivo}
                > ${CMAKE_BINARY_DIR}/packaging/${archivo}.gz
        DEPENDS packaging/${archivo})
endforeach()
add_custom_target(alimetra_paquete ALL DEPENDS
    ${CMAKE_BINARY_DIR}/packaging/alimetra.1.gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/alimetra.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        DESTINATION share/doc/alimetra)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME alimetra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Alimetra developers <maintainers@alimetra.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assess a diet against the dietary reference intakes")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://alimetra.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program opens its database through Qt's SQLite driver, a plugin that
# no library dependency brings in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
# Qt's own texts (the buttons of message boxes, file dialogs) in the
# user's language, beside the program's translation.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Alimetra assesses one person's diet against the dietary reference intakes
(DRIs). You keep named profiles (age group, sex, body weight), find foods of
the USDA food-composition table (SR24) by search words and food group or by
ranking every food on one nutrient, and record the grams of each food eaten
per week. The program sums every nutrient over the week and shows it beside
the daily reference value of the person's group. The reference values can be
edited.
.
The package ships the food table as an SQLite database; each user works on
a copy of it in ~/.local/share/alimetra.]])
include(CPack)

# Needs the delivered database in the build folder, as test.sh leaves it.
add_test(NAME install_layout
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install-check.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_layout PROPERTIES TIMEOUT 120)
