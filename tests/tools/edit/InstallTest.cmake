cmake_minimum_required(VERSION 3.25)
# Installs the build into a temporary prefix and runs the installed tools
# from there: the command line on an installed sample, and stepchain-edit,
# which must find the plug-in installed with it. Run with -DBUILD_DIR,
# -DBINDIR, -DLIBDIR and -DDATADIR (the GNUInstallDirs folders) and -DREADELF.

string(RANDOM LENGTH 8 tag)
set(prefix "${BUILD_DIR}/install-test-${tag}")

function(fail what)
    file(REMOVE_RECURSE "${prefix}")
    message(FATAL_ERROR "${what}")
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE error)
if(failed)
    fail("cmake --install failed: ${error}")
endif()

set(examples "${prefix}/${DATADIR}/stepchain/examples")
foreach(file IN ITEMS "${BINDIR}/stepchain" "${BINDIR}/stepchain-edit" "${LIBDIR}/libstepchain.so"
                      "${LIBDIR}/libstepchain_host.so" "${DATADIR}/stepchain/schema/stepchain-list.schema.json"
                      "${DATADIR}/stepchain/examples/mixed.stepchain" "${DATADIR}/stepchain/examples/host.json")
    if(NOT EXISTS "${prefix}/${file}")
        fail("not installed: ${file}")
    endif()
endforeach()

# The installed programs look for their libraries beside the prefix, not in the build.
file(RELATIVE_PATH lib_from_bin "/${BINDIR}" "/${LIBDIR}")
foreach(program IN ITEMS stepchain stepchain-edit)
    execute_process(COMMAND ${READELF} -d "${prefix}/${BINDIR}/${program}" OUTPUT_VARIABLE dynamic)
    if(NOT dynamic MATCHES "runpath: \\[\\$ORIGIN/${lib_from_bin}\\]")
        fail("${program} does not find its libraries through $ORIGIN/${lib_from_bin}:\n${dynamic}")
    endif()
endforeach()

execute_process(COMMAND "${prefix}/${BINDIR}/stepchain" show "${examples}/mixed.stepchain" --host "${examples}/host.json"
                RESULT_VARIABLE result OUTPUT_VARIABLE shown ERROR_VARIABLE error)
if(NOT result EQUAL 0 OR NOT shown MATCHES "9件設定済")
    fail("the installed stepchain did not show the installed sample (${result}): ${shown}${error}")
endif()

# The plug-in is loaded before the list is read through it: a list it
# cannot read shows that the installed plug-in was found and loaded.
file(WRITE "${prefix}/junk.stepchain" "junk")
execute_process(COMMAND "${prefix}/${BINDIR}/stepchain-edit" "${prefix}/junk.stepchain"
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 2 OR NOT error MATCHES "junk.stepchain: .*bad format")
    fail("the installed stepchain-edit did not read the list through its plug-in (${result}): ${error}")
endif()

file(REMOVE_RECURSE "${prefix}")
