# The floors of src/, from the ground up: each top folder, the floor it stands
# on and the library it is built into. A file may include from a folder of its
# own library or from a lower floor, never from a higher floor nor from another
# library of its own floor; a library links only libraries of lower floors.
# tst_layers (CheckLayers.cmake) reads every include of src/ against this
# table, and src/CMakeLists.txt every library's links. A new top folder of
# src/ takes its place here.
set(ZAMPORA_LAYERS
    storage:0:zampora_core
    core:0:zampora_core
    platform:1:zampora_platform
    kennel:1:zampora_kennel
    ui:2:zampora_ui
    help:3:zampora_help
    checks:4:zampora_checks
    report:4:zampora_report
    export:4:zampora_export
    calendar:4:zampora_calendar
    backup:4:zampora_backup
    search:5:zampora_search
    dogs:6:zampora_dogs
    schedule:6:zampora_schedule
    owners:7:zampora_owners
    app:8:zampora_app
)

# Sets <prefix>_floor_<name> and <prefix>_library_<name> for every folder, and
# <prefix>_floor_<library> for every library.
macro(zampora_read_layers prefix)
    foreach(_layer IN LISTS ZAMPORA_LAYERS)
        string(REPLACE ":" ";" _layer "${_layer}")
        list(GET _layer 0 _folder)
        list(GET _layer 1 _floor)
        list(GET _layer 2 _library)
        set(${prefix}_floor_${_folder} ${_floor})
        set(${prefix}_library_${_folder} ${_library})
        set(${prefix}_floor_${_library} ${_floor})
    endforeach()
endmacro()
