# The About box's tests; included from tests/ui/CMakeLists.txt.
clavito_add_test(NAME about_test KIND widget LIBS clavito_about SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutTest.cpp)
