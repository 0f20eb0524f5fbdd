# How the tree is compiled and linked: cheap debug information, a fast
# linker when one is installed, and unity batches. A cold build on a small
# machine is dominated by parsing the same standard and test headers in
# every source; batching sources into one translation unit parses them once.

# Line tables are enough for backtraces and sanitizer reports and cost a
# fraction of full debug information; "full" is there for a debugging session.
set(NOVLA_DEBUG_INFO "lines" CACHE STRING "Debug information: lines or full")
set_property(CACHE NOVLA_DEBUG_INFO PROPERTY STRINGS lines full)
if(NOVLA_DEBUG_INFO STREQUAL "lines")
    add_compile_options($<$<CONFIG:Debug,RelWithDebInfo>:-g1>)
elseif(NOT NOVLA_DEBUG_INFO STREQUAL "full")
    message(FATAL_ERROR "NOVLA_DEBUG_INFO must be lines or full")
endif()

option(NOVLA_FAST_LINKER "Link with mold, or else lld, when installed" ON)
if(NOVLA_FAST_LINKER)
    find_program(NOVLA_MOLD mold)
    find_program(NOVLA_LLD ld.lld)
    if(NOVLA_MOLD)
        add_link_options(-fuse-ld=mold)
    elseif(NOVLA_LLD)
        add_link_options(-fuse-ld=lld)
    endif()
endif()

# Unity batches are written by us rather than by CMAKE_UNITY_BUILD: ours
# include each source by a path relative to the batch file, so the batch's
# text is the same in every checkout and the compiler cache hits across
# clones in other folders.
option(NOVLA_UNITY "Compile sources in unity batches" ON)
set(NOVLA_UNITY_BATCH 8 CACHE STRING "Sources per unity batch")

# novla_unity(TARGET): batches TARGET's own .cpp sources once the folder's
# CMakeLists.txt has been read, so properties set after the target was
# declared are seen. A source with a compile definition or option of its
# own, or marked SKIP_UNITY_BUILD_INCLUSION, keeps its own translation unit.
function(novla_unity target)
    if(NOVLA_UNITY)
        cmake_language(EVAL CODE "cmake_language(DEFER CALL _novla_unity_batches [[${target}]])")
    endif()
endfunction()

function(_novla_unity_batches target)
    get_target_property(sources ${target} SOURCES)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/unity)
    set(batch "")
    set(members "")
    set(count 0)
    set(index 0)
    foreach(source IN LISTS sources)
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        string(FIND "${path}" "${PROJECT_SOURCE_DIR}/" at)
        if(NOT path MATCHES "\\.cpp$" OR NOT at EQUAL 0)
            continue()
        endif()
        set(own "")
        foreach(property COMPILE_DEFINITIONS COMPILE_OPTIONS INCLUDE_DIRECTORIES SKIP_UNITY_BUILD_INCLUSION)
            get_source_file_property(value ${source} ${property})
            if(value)
                set(own yes)
            endif()
        endforeach()
        if(own)
            continue()
        endif()
        file(RELATIVE_PATH relative ${folder} ${path})
        string(APPEND batch "#include \"${relative}\"\n")
        list(APPEND members ${source})
        math(EXPR count "${count} + 1")
        if(count EQUAL NOVLA_UNITY_BATCH)
            _novla_unity_write(${target} ${folder} ${index} "${batch}" "${members}")
            math(EXPR index "${index} + 1")
            set(batch "")
            set(members "")
            set(count 0)
        endif()
    endforeach()
    if(count GREATER 0)
        _novla_unity_write(${target} ${folder} ${index} "${batch}" "${members}")
    endif()
endfunction()

function(_novla_unity_write target folder index batch members)
    list(LENGTH members size)
    if(size LESS 2)
        return()
    endif()
    set(file ${folder}/${target}_${index}.cpp)
    file(GENERATE OUTPUT ${file} CONTENT "// Unity batch of ${target}, written by the build.\n${batch}")
    set_source_files_properties(${members} PROPERTIES HEADER_FILE_ONLY ON)
    # GCC takes an included source for a header and warns about a test
    # fixture in its anonymous namespace; in a source of its own that is fine.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        set_source_files_properties(${file} PROPERTIES COMPILE_OPTIONS -Wno-subobject-linkage)
    endif()
    target_sources(${target} PRIVATE ${file})
endfunction()
