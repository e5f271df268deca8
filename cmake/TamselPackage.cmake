# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in the build folder. Besides the programs
# it holds the copyright and the changelog that Debian asks of every package,
# and tells lintian which of its findings are mistaken.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/cmake/TamselGzip.cmake)

# The changelog's newest entry names the version being built.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tamsel \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with \"${changelog_head}\"; "
                      "its newest entry must be for version ${PROJECT_VERSION}")
endif()

set(TAMSEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tamsel)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${TAMSEL_DOC_DIR})
tamsel_install_gzipped(SOURCE ${PROJECT_SOURCE_DIR}/packaging/changelog DESTINATION ${TAMSEL_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tamsel)

# A stripped install also drops the compiler's notes, as Debian's own
# packages do.
foreach(program tamsel tamsel-cli)
  if(TARGET ${program})
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(
          COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>\"
          COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endif()
endforeach()

set(CPACK_PACKAGE_NAME tamsel)
set(CPACK_PACKAGE_VENDOR "Das Tamsel-Team")
set(CPACK_PACKAGE_CONTACT "Das Tamsel-Team <tamsel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "continued fraction expansion of quadratic irrationals")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the serif face the window's texts are measured in,
# and Qt's German texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
