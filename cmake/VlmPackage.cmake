# Install layout and the Debian package (cpack -G DEB, or scripts/make_package.sh).
# Executables go on the PATH; the program directory (weather/, help/) becomes the
# package's data folder, which the programs find from their own location.
set(VLM_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VLM_APP_ID org.velmora.Velmora)
set(VLM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)

install(TARGETS vlm-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vlm-cli-draw RUNTIME DESTINATION ${VLM_HELPER_INSTALL_DIR})
if(TARGET vlm)
  install(TARGETS vlm RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${VLM_DATA_INSTALL_DIR}
        PATTERN README.md EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/resources/weather/README.md
        DESTINATION ${VLM_DOC_DIR} RENAME weather-sources.md)
install(FILES ${VLM_PACKAGING_DIR}/${VLM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VLM_PACKAGING_DIR}/${VLM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VLM_PACKAGING_DIR}/${VLM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VLM_PACKAGING_DIR}/copyright DESTINATION ${VLM_DOC_DIR})
install(FILES ${VLM_PACKAGING_DIR}/velmora.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME velmora)

# Debian wants the man pages and the changelog compressed, reproducibly (-n).
set(VLM_GZIPPED ${CMAKE_BINARY_DIR}/packaging)
foreach(pair "vlm.1;vlm.1.gz" "vlm-cli.1;vlm-cli.1.gz" "changelog;changelog.gz")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${VLM_GZIPPED}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VLM_GZIPPED}
    COMMAND gzip -9n -c ${VLM_PACKAGING_DIR}/${source} > ${VLM_GZIPPED}/${target}
    DEPENDS ${VLM_PACKAGING_DIR}/${source})
  list(APPEND VLM_GZIPPED_FILES ${VLM_GZIPPED}/${target})
endforeach()
add_custom_target(vlm_packaging_files ALL DEPENDS ${VLM_GZIPPED_FILES})
install(FILES ${VLM_GZIPPED}/vlm.1.gz ${VLM_GZIPPED}/vlm-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VLM_GZIPPED}/changelog.gz DESTINATION ${VLM_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "passive climatic design aid for architects")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora loads an hourly climate year of one of 13 Korean regions, or of a
climate file of your own, and draws the building bioclimatic chart with its
need and design-guideline zones, counts the hours per zone and ranks the
guidelines, shows monthly charts and wind roses, draws sun-path diagrams with
shading masks, computes moist-air states and converts weather files.
The interface is Korean; vlm-cli runs the same computations on the
command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the Korean font, the
# window-system and SVG plugins, and Qt's Korean dialog texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum, qt6-qpa-plugins, qt6-translations-l10n")
# vlm-cli carries its own copy of the C library, which opens the system's
# character-set modules (CP949) and works only with those of its own version.
if(VLM_STATIC_CLI)
  execute_process(COMMAND dpkg-query -W -f=\${Version} libc6 OUTPUT_VARIABLE VLM_LIBC_VERSION
                  RESULT_VARIABLE VLM_LIBC_QUERY ERROR_QUIET)
  if(VLM_LIBC_QUERY EQUAL 0 AND VLM_LIBC_VERSION MATCHES "^([0-9]+)\\.([0-9]+)")
    math(EXPR VLM_LIBC_NEXT "${CMAKE_MATCH_2} + 1")
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libc6 (>= ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}), libc6 (<< ${CMAKE_MATCH_1}.${VLM_LIBC_NEXT})")
  endif()
endif()
include(CPack)
