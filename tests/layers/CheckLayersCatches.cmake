# The include check run on a small tree with known faults (fixture/src): it
# must fail, naming each wrong include and each lookup by name with its line,
# and nothing else.
#   cmake -DCHECK=<CheckLayers.cmake> -DFIXTURE=<fixture> -P CheckLayersCatches.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${FIXTURE}/src -P ${CHECK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
set(expected
    "src/checks/Beside.cpp:4: includes \"export/GridWindow.h\" from another library of the same level"
    "src/export/ByName.cpp:7: finds a widget by its name"
    "src/platform/Unknown.h:3: includes \"vendor/thing.h\" from a folder on no floor"
    "src/stray/Stray.cpp: stands outside the folders of cmake/Layers.cmake"
    "src/ui/Climbs.cpp:5: includes \"app/Application.h\" from a higher level"
)
string(REGEX MATCHALL "(^|\n)src/[^\n]*" named "${output}")
string(REPLACE "\n" "" named "${named}")
if(result EQUAL 0)
    message(FATAL_ERROR "The check passed a tree with wrong includes:\n${output}")
endif()
if(NOT named STREQUAL expected)
    list(JOIN expected "\n" expected)
    message(FATAL_ERROR "The check named:\n${output}\nExpected exactly:\n${expected}")
endif()
