bio_add_qtest(tst_ChartArea ${CMAKE_CURRENT_LIST_DIR}/tst_ChartArea.cpp LIBS bio_chart_view)
bio_add_qtest(tst_ChartSurface ${CMAKE_CURRENT_LIST_DIR}/tst_ChartSurface.cpp LIBS bio_chart_view)
