# Debian's hardening flags in every optimised build (the package's and the
# normal one): fortified calls, a strong stack protector, format checks,
# position-independent executables, full RELRO with immediate binding. The
# programs parse untrusted archives and pages. They are taken from
# dpkg-buildflags with hardening=+all where it is installed, keeping only the
# hardening flags (the build type sets -O and -g), else the same set as it
# gives on Debian 12. Not in the sanitizer build, whose runtime does its own.
include(CheckPIESupported)

if(TAMIKAZE_SANITIZE OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  return()
endif()

set(TAMIKAZE_HARDENING_COMPILE
    -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat -Werror=format-security)
set(TAMIKAZE_HARDENING_LINK -Wl,-z,relro -Wl,-z,now)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  set(flags "")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE got OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(got UNIX_COMMAND "${got}")
    list(APPEND flags ${got})
  endforeach()
  list(FILTER flags INCLUDE REGEX "^(-D_FORTIFY_SOURCE|-fstack-protector|-fstack-clash|-fcf-protection|-Wformat|-Werror=format|-Wl,-z,)")
  set(TAMIKAZE_HARDENING_COMPILE ${flags})
  list(FILTER TAMIKAZE_HARDENING_COMPILE EXCLUDE REGEX "^-Wl,")
  set(TAMIKAZE_HARDENING_LINK ${flags})
  list(FILTER TAMIKAZE_HARDENING_LINK INCLUDE REGEX "^-Wl,")
endif()

add_compile_options(${TAMIKAZE_HARDENING_COMPILE})
add_link_options(${TAMIKAZE_HARDENING_LINK})
check_pie_supported(LANGUAGES CXX)
message(STATUS "Hardening: ${TAMIKAZE_HARDENING_COMPILE} ${TAMIKAZE_HARDENING_LINK}, PIE")
