bio_add_qtest(tst_ChartArea ${CMAKE_CURRENT_LIST_DIR}/tst_ChartArea.cpp LIBS bio_chart_view)
bio_add_qtest(tst_ChartSurface ${CMAKE_CURRENT_LIST_DIR}/tst_ChartSurface.cpp LIBS bio_chart_view)

bio_add_qtest(tst_RenderOptions ${CMAKE_CURRENT_LIST_DIR}/tst_RenderOptions.cpp LIBS bio_render_options)
# Runs the renderer itself, as a user would.
bio_add_qtest(tst_RenderProgram ${CMAKE_CURRENT_LIST_DIR}/tst_RenderProgram.cpp LIBS bio_chart_view)
target_compile_definitions(tst_RenderProgram PRIVATE BIORHYTHM_RENDER_PATH="$<TARGET_FILE:biorhythm-render>")
add_dependencies(tst_RenderProgram biorhythm-render)
