# The skinned frame: pure geometry on every build, the frame on a real window under Wine.
lanxi_test(NAME frame_geometry_test SOURCES frame_geometry_test.cpp)
