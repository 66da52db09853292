# The program's constant tables and pure functions (engine and ui alike), testable without a display.
add_library(clavito_tables STATIC)
target_sources(clavito_tables PRIVATE
    ${PROJECT_SOURCE_DIR}/engine/NoteTable.h
    ${PROJECT_SOURCE_DIR}/engine/KeyNames.h
    ${PROJECT_SOURCE_DIR}/engine/HomePosition.h
    ${PROJECT_SOURCE_DIR}/engine/PanelLayout.h
    ${PROJECT_SOURCE_DIR}/engine/KeyMap.h
    ${PROJECT_SOURCE_DIR}/ui/LayoutData.h
    ${PROJECT_SOURCE_DIR}/ui/MenuData.h
    ${PROJECT_SOURCE_DIR}/ui/StripAccelerator.h
    ${PROJECT_SOURCE_DIR}/ui/StripAccelerator.cpp)
target_include_directories(clavito_tables PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(clavito_tables PUBLIC Qt6::Core)
