# Fails when a source file includes a file of a layer above its own, or test
# code, or (below the user interface) Qt. Layers, lowest first:
#   host → core → actions → ui → plugin → tools
# A layer that does not exist yet is skipped; tests/, bench/ and fuzz/ may
# include anything and are not looked at.
#
#   cmake -DROOT=<top of the sources> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED ROOT)
    message(FATAL_ERROR "ROOT is not set")
endif()

set(layers host core actions ui plugin tools)
set(testCode tests support bench fuzz)
set(withoutQt host core actions)
set(findings "")
set(looked 0)

foreach(layer IN LISTS layers)
    if(NOT IS_DIRECTORY "${ROOT}/${layer}")
        continue()
    endif()
    list(FIND layers "${layer}" own)
    file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.hpp" "${ROOT}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        math(EXPR looked "${looked} + 1")
        file(RELATIVE_PATH shown "${ROOT}" "${source}")
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" included "${line}")
            string(REGEX MATCH "^[^/]+" top "${included}")
            list(FIND layers "${top}" rank)
            list(FIND testCode "${top}" test)
            if(rank GREATER own)
                list(APPEND findings "${shown} includes ${included}, a layer above ${layer}")
            elseif(test GREATER -1 AND NOT included STREQUAL top)
                list(APPEND findings "${shown} includes ${included}, which is test code")
            elseif(layer IN_LIST withoutQt AND included MATCHES "^Q")
                list(APPEND findings "${shown} includes ${included}: ${layer} never includes Qt")
            endif()
        endforeach()
    endforeach()
endforeach()

if(looked EQUAL 0)
    message(FATAL_ERROR "no sources under ${ROOT}")
endif()
if(findings)
    list(JOIN findings "\n  " text)
    message(FATAL_ERROR "layering broken:\n  ${text}")
endif()
message(STATUS "layering kept in ${looked} files")
