# The GDI+ object layer and the tooltip companion, under Wine.
lanxi_test(NAME gp_objects_test WINDOWS SOURCES gp_objects_test.cpp TIMEOUT 60)
