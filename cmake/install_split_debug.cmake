# Runs at install time, after the program is copied: moves its debug
# information out of the installed program into
# <prefix>/lib/debug/.build-id/<xx>/<rest>.debug, where gdb, eu-stack and
# the distributions' tools look for it by the program's build id, strips the
# installed program and points it at that file with a .gnu_debuglink (name
# and checksum), as Debian's dh_strip does.
#
# Set before including: VORNELL_BUILT_PROGRAM (the program in the build tree,
# with its debug information), VORNELL_INSTALLED_PROGRAM (its installed path
# under the prefix, without DESTDIR), VORNELL_OBJCOPY, VORNELL_STRIP,
# VORNELL_READELF.

if(IS_ABSOLUTE "${VORNELL_INSTALLED_PROGRAM}")
  set(_program "$ENV{DESTDIR}${VORNELL_INSTALLED_PROGRAM}")
else()
  set(_program "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VORNELL_INSTALLED_PROGRAM}")
endif()

execute_process(COMMAND "${VORNELL_READELF}" --notes "${VORNELL_BUILT_PROGRAM}"
                OUTPUT_VARIABLE _notes RESULT_VARIABLE _status)
if(NOT _status EQUAL 0 OR NOT _notes MATCHES "Build ID: ([0-9a-f]+)")
  message(FATAL_ERROR "${VORNELL_BUILT_PROGRAM} has no build id: cannot name its debug file")
endif()
set(_id "${CMAKE_MATCH_1}")
string(SUBSTRING "${_id}" 0 2 _head)
string(SUBSTRING "${_id}" 2 -1 _rest)
set(_debug_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/debug/.build-id/${_head}")
set(_debug "${_debug_dir}/${_rest}.debug")

message(STATUS "Installing: ${_debug}")
file(MAKE_DIRECTORY "${_debug_dir}")
# From the build tree's program, so that an install with --strip (which
# strips the installed copy first) still keeps the debug information.
execute_process(COMMAND "${VORNELL_OBJCOPY}" --only-keep-debug --compress-debug-sections=zlib
                        "${VORNELL_BUILT_PROGRAM}" "${_debug}"
                RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "objcopy could not write ${_debug}")
endif()
file(CHMOD "${_debug}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

message(STATUS "Stripping: ${_program}")
execute_process(COMMAND "${VORNELL_STRIP}" --strip-all --remove-section=.comment "${_program}"
                RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "strip failed on ${_program}")
endif()
# The link's checksum covers the debug file as written above: it comes last.
execute_process(COMMAND "${VORNELL_OBJCOPY}" "--add-gnu-debuglink=${_debug}" "${_program}"
                RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "objcopy could not link ${_program} to ${_debug}")
endif()

# So that the install manifest lists the debug file with the rest.
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_debug}")
