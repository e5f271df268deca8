# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a file gzipped at the highest level and without name or time
# stamp, as Debian wants manual pages and changelogs (the same bytes on
# every build):
#   tamsel_install_gzipped(SOURCE <file> DESTINATION <dir> [RENAME <name>])
# installs <dir>/<name>.gz, <name> being the source's file name by default.
include_guard(GLOBAL)
find_program(TAMSEL_GZIP gzip REQUIRED)

function(tamsel_install_gzipped)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "SOURCE;DESTINATION;RENAME" "")
  get_filename_component(source ${arg_SOURCE} ABSOLUTE)
  get_filename_component(name ${source} NAME)
  if(arg_RENAME)
    set(name ${arg_RENAME})
  endif()
  set(output ${CMAKE_BINARY_DIR}/gzipped/${arg_DESTINATION}/${name}.gz)
  get_filename_component(output_dir ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND sh -c "\"$0\" -9nc \"$1\" > \"$2\"" ${TAMSEL_GZIP} ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "gzip_${arg_DESTINATION}_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${output})
  install(FILES ${output} DESTINATION ${arg_DESTINATION})
endfunction()
