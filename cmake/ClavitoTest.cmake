# Declares every test executable alike.
#   clavito_add_test(NAME <name> KIND unit|widget [LIBS <libraries...>] SOURCES <files...>)
# LIBS defaults to the whole program library; a component's tests name only the component's library.
# unit:   plain GoogleTest, no display, linked against the program library.
# widget: the same, plus one QApplication for the whole executable on the offscreen platform.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
include(GoogleTest)

function(clavito_add_test)
    cmake_parse_arguments(T "" "NAME;KIND" "SOURCES;LIBS" ${ARGN})
    if(NOT T_LIBS)
        set(T_LIBS clavito_app)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest)
    if(T_KIND STREQUAL "widget")
        target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/WidgetMain.cpp)
        target_link_libraries(${T_NAME} PRIVATE Qt6::Test)
        if(T_LIBS STREQUAL "clavito_app")
            # The whole program's tests run under its own application object, error box included, and
            # record what the program sends in place of a real port.
            target_compile_definitions(${T_NAME} PRIVATE CLAVITO_PROGRAM_APPLICATION)
            target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/RecordingOutput.cpp)
        endif()
        set(env "QT_QPA_PLATFORM=offscreen")
    elseif(T_KIND STREQUAL "unit")
        target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
        set(env "")
    else()
        message(FATAL_ERROR "clavito_add_test: KIND must be unit or widget")
    endif()
    # A GTEST_SKIP counts as skipped, not passed.
    gtest_discover_tests(${T_NAME}
        PROPERTIES LABELS ${T_KIND} ENVIRONMENT "${env}" SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]"
        DISCOVERY_TIMEOUT 30)
endfunction()

# End-to-end tests are shell scripts run against the built program under Xvfb and a JACK dummy server.
#   clavito_add_e2e(NAME <name> SCRIPT <file>)
function(clavito_add_e2e)
    cmake_parse_arguments(T "" "NAME;SCRIPT" "" ${ARGN})
    add_test(NAME ${T_NAME}
        COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/${T_SCRIPT} $<TARGET_FILE:clavito>)
    # A script that cannot run here (a tool missing) exits 77 and counts as skipped.
    set_tests_properties(${T_NAME} PROPERTIES LABELS e2e TIMEOUT 180 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endfunction()
