# The About box, a library of its own so that its tests need no main window.
add_library(clavito_about STATIC ${CMAKE_CURRENT_LIST_DIR}/About.h ${CMAKE_CURRENT_LIST_DIR}/About.cpp)
target_include_directories(clavito_about PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(clavito_about PUBLIC Qt6::Widgets clavito_labels clavito_resources)
