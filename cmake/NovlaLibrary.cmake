# novla_library(NAME SOURCES... [DEPS ...]): one static library per folder.
# The include root is the repository top, so headers are included as
# "protocol/ReplyFramer.h".
function(novla_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(ARG_DEPS)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    endif()
    novla_unity(${name})
endfunction()

# novla_test(NAME SOURCES... DEPS ... [LABELS ...]): one GoogleTest binary,
# its cases registered with CTest one by one, labelled with their layer.
function(novla_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
    # The layer's name is a label too (tests/platform/win: "win"), so
    # `ctest -L '^skin$'` runs one layer.
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "^platform/" "" folder "${folder}")
    string(REGEX REPLACE "/.*" "" layer "${folder}")
    include(GoogleTest)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    # The labels are set by a script CTest reads after the discovered tests:
    # gtest_discover_tests's PROPERTIES flattens a list of labels into
    # separate words, so a second label would be lost.
    set(labels ${layer} ${ARG_LABELS})
    set(labels_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_labels.cmake)
    file(WRITE ${labels_file}
        "if(${name}_TESTS)\n"
        "    set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS \"${labels}\")\n"
        "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels_file})
    novla_unity(${name})
    add_dependencies(novla_tests ${name})
    if("tsan" IN_LIST ARG_LABELS)
        add_dependencies(tsan_tests ${name})
    endif()
endfunction()
