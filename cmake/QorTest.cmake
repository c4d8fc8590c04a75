# qor_add_test(name SOURCES ... LIBS ...): one Qt Test executable, run headless by CTest.
configure_file(${CMAKE_SOURCE_DIR}/cmake/TestPaths.h.in ${CMAKE_BINARY_DIR}/generated/TestPaths.h @ONLY)

function(qor_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_BINARY_DIR}/generated ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;QT_QUICK_BACKEND=software"
                                           TIMEOUT 300)
endfunction()
