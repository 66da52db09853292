# The About box's tests; included from tests/ui/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Test)
clavito_add_test(NAME about_test KIND widget LIBS clavito_about Qt6::Test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutTest.cpp)
