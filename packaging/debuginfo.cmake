# cmake -DBINARY=... -DTREE=... -P debuginfo.cmake
# Lays out the debug information of BINARY under TREE the way Debian's debug packages hold
# it, lib/debug/.build-id/xx/rest-of-the-id.debug, where gdb and debuginfod look it up by
# the build id the stripped binary keeps. The tree is laid anew each time, so it never holds
# the debug file of an older build.
execute_process(COMMAND readelf --notes ${BINARY} OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${BINARY} has no build id")
endif()
file(REMOVE_RECURSE ${TREE})
set(folder ${TREE}/lib/debug/.build-id/${CMAKE_MATCH_1})
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND objcopy --only-keep-debug --compress-debug-sections ${BINARY}
                        ${folder}/${CMAKE_MATCH_2}.debug
                COMMAND_ERROR_IS_FATAL ANY)
