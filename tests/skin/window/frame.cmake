# The skinned frame: pure geometry on every build, records and the frame on real windows under Wine.
lanxi_test(NAME frame_geometry_test SOURCES frame_geometry_test.cpp)
lanxi_test(NAME skin_table_test WINDOWS SOURCES skin_table_test.cpp skin_settings_test.cpp)
lanxi_test(NAME frame_screen_test WINDOWS SOURCES frame_screen_test.cpp LIBS lanxi_res TIMEOUT 120)
if(LANXI_WINDOWS)
    add_executable(frame_benchmark frame_benchmark.cpp)
    target_link_libraries(frame_benchmark PRIVATE lanxi_win)
    target_include_directories(frame_benchmark PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
