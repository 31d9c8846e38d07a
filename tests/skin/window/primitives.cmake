# Painting primitives: colour and tool-decision arithmetic everywhere; surfaces, paths, texts,
# pictures, the child-excluding DC and the working-set tool under Wine.
lanxi_test(NAME colour_test SOURCES colour_test.cpp)
lanxi_test(NAME primitives_test WINDOWS SOURCES primitives_test.cpp LIBS lanxi_res TIMEOUT 120)
lanxi_test(NAME working_set_tool_test WINDOWS SOURCES working_set_tool_test.cpp LIBS lanxi_res TIMEOUT 60)
if(LANXI_WINDOWS)
    add_executable(primitives_benchmark primitives_benchmark.cpp)
    target_link_libraries(primitives_benchmark PRIVATE lanxi_win lanxi_res)
    target_include_directories(primitives_benchmark PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
