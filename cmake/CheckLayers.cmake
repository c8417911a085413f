# Reads every quoted include of the source tree and names each one that goes
# against the floors of Layers.cmake, as
#     src/ui/LineList.cpp:3: includes "app/Fonts.h" from a higher level
# (or from another library of the same level, or from a folder on no floor),
# and each window that looks a widget up by its name, as
#     src/export/frmCreaRTF.cpp:103: finds a widget by its name
# (a window holds the widgets it makes and is handed what another window
# shows; only the shared widgets of ui/, which work on the window handed to
# them, and app/delivered/, which opens windows as a user would for the
# manual's pictures, look up by name); fails when there is one.
#   cmake -DSOURCE_DIR=<path of src> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "Give the source tree to check: -DSOURCE_DIR=<path>")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)
zampora_read_layers(layer)

get_filename_component(shown_from "${SOURCE_DIR}/.." ABSOLUTE)
file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT sources)
if(NOT sources)
    message(FATAL_ERROR "No source file under ${SOURCE_DIR}")
endif()
set(offences 0)
set(checked 0)
foreach(source IN LISTS sources)
    file(RELATIVE_PATH shown "${shown_from}" "${SOURCE_DIR}/${source}")
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT DEFINED layer_floor_${folder} OR folder STREQUAL source)
        message("${shown}: stands outside the folders of cmake/Layers.cmake")
        math(EXPR offences "${offences} + 1")
        continue()
    endif()
    # One list element a line: the characters CMake lists treat specially are
    # hidden first, so that no line of code splits or joins another.
    file(READ "${SOURCE_DIR}/${source}" text)
    string(REGEX REPLACE "[][;\\\\]" "_" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "findChild(ren)?<[^>]*>\\([ \t]*[^) \t]" AND NOT source MATCHES "^(ui|app/delivered)/")
            message("${shown}:${number}: finds a widget by its name")
            math(EXPR offences "${offences} + 1")
            continue()
        endif()
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"(([^\"/]+)/[^\"]*)\"")
            continue()
        endif()
        set(included "${CMAKE_MATCH_1}")
        set(target "${CMAKE_MATCH_2}")
        math(EXPR checked "${checked} + 1")
        if(NOT DEFINED layer_floor_${target})
            message("${shown}:${number}: includes \"${included}\" from a folder on no floor")
        elseif(layer_floor_${target} GREATER layer_floor_${folder})
            message("${shown}:${number}: includes \"${included}\" from a higher level")
        elseif(layer_floor_${target} EQUAL layer_floor_${folder}
                AND NOT layer_library_${target} STREQUAL layer_library_${folder})
            message("${shown}:${number}: includes \"${included}\" from another library of the same level")
        else()
            continue()
        endif()
        math(EXPR offences "${offences} + 1")
    endforeach()
endforeach()

if(offences GREATER 0)
    message(FATAL_ERROR "${offences} of the lines above go against the floors of cmake/Layers.cmake"
        " or look a widget up by its name")
endif()
message("${checked} includes of ${SOURCE_DIR} checked: none climbs, and no window looks a widget up by its name")
