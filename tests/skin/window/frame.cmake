# The skinned frame: pure geometry on every build, records and the frame on real windows under Wine.
lanxi_test(NAME frame_geometry_test SOURCES frame_geometry_test.cpp)
lanxi_test(NAME skin_table_test WINDOWS SOURCES skin_table_test.cpp)
lanxi_test(NAME frame_screen_test WINDOWS SOURCES frame_screen_test.cpp TIMEOUT 120)
