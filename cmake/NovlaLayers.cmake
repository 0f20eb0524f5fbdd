# Layers the build enforces. NOVLA_LAYERS lists the layers lowest first; a
# source of one layer may include headers of its own layer and of the layers
# before it, never of a later one. Configuring fails on an upward include,
# naming the file, the line and the layer it reaches into, so a wrong
# dependency cannot land even where the include path would find the header.

# The layer a path inside the tree belongs to (the longest matching layer
# folder), or "" when it is in none.
function(novla_layer_of path out)
    set(found "")
    foreach(layer IN LISTS NOVLA_LAYERS)
        string(FIND "${path}" "${layer}/" at)
        string(LENGTH "${layer}" length)
        string(LENGTH "${found}" found_length)
        if(at EQUAL 0 AND length GREATER found_length)
            set(found ${layer})
        endif()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(novla_check_layers)
    set(problems "")
    set(rank 0)
    foreach(layer IN LISTS NOVLA_LAYERS)
        set(rank_${layer} ${rank})
        math(EXPR rank "${rank} + 1")
    endforeach()
    foreach(layer IN LISTS NOVLA_LAYERS)
        file(GLOB_RECURSE files RELATIVE ${PROJECT_SOURCE_DIR}
            ${PROJECT_SOURCE_DIR}/${layer}/*.h ${PROJECT_SOURCE_DIR}/${layer}/*.cpp)
        foreach(file IN LISTS files)
            # A nested layer (platform/win inside platform) is checked as itself.
            novla_layer_of(${file} own)
            if(NOT own STREQUAL layer)
                continue()
            endif()
            file(STRINGS ${PROJECT_SOURCE_DIR}/${file} includes REGEX "^#include \"[a-z]+/")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
                string(REGEX REPLACE "/.*" "" top "${header}")
                if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${top})
                    continue() # relative to the including file's folder
                endif()
                novla_layer_of(${header} reached)
                if(reached STREQUAL "")
                    list(APPEND problems "${file}: includes ${header}, which belongs to no layer")
                elseif(rank_${reached} GREATER rank_${layer})
                    list(APPEND problems "${file}: includes ${header} of ${reached}, above ${layer}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    if(problems)
        list(JOIN problems "\n  " text)
        message(FATAL_ERROR "Upward includes across layers (layers, lowest first: ${NOVLA_LAYERS}):\n  ${text}")
    endif()
endfunction()
