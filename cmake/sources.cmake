# What a folder of src/ puts into the three libraries. Paths are relative to that folder.
function(hx_core_sources)
    target_sources(hexlume_core PRIVATE ${ARGN})
endfunction()

# Widgets; left out of a build without them (the fuzz build).
function(hx_ui_sources)
    if(HEXLUME_GUI)
        target_sources(hexlume_ui PRIVATE ${ARGN})
    endif()
endfunction()

function(hx_cli_sources)
    target_sources(hexlume_cli_lib PRIVATE ${ARGN})
endfunction()
