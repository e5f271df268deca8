# SPDX-License-Identifier: GPL-3.0-or-later
# Hardened builds, as Debian builds its packages: stack protector, fortified
# C library calls, position-independent executables and a read-only
# relocation table bound at start-up. Sanitizer and fuzzer builds keep their
# own instrumentation and get none of this.
option(TAMSEL_HARDEN "Harden the programs (stack protector, fortify, PIE, RELRO, BIND_NOW)" ON)

if(TAMSEL_HARDEN AND NOT TAMSEL_SANITIZE AND NOT TAMSEL_FUZZ)
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortified calls need an optimising build; a Debug build would only warn.
  foreach(flag -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
  endforeach()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
