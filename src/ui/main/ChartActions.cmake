# The chart as a picture without whatever lies over it, and what the chart
# area's context menu does with it: copy, save, export, print.
add_library(bio_chart_picture STATIC ${CMAKE_CURRENT_LIST_DIR}/ChartPicture.cpp)
target_include_directories(bio_chart_picture PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_chart_picture PUBLIC bio_options bio_chart_view Qt6::Widgets)

# Printing is a module loaded at the first print: linked into the program,
# Qt's print support would cost every start memory.
set(BIORHYTHM_PRINT_MODULE tavio-biorhythm-print)
set(BIORHYTHM_PRINT_MODULE_DESTINATION ${CMAKE_INSTALL_LIBDIR}/tavio-biorhythm-chart)
add_library(${BIORHYTHM_PRINT_MODULE} MODULE ${CMAKE_CURRENT_LIST_DIR}/ChartPrinting.cpp)
target_link_libraries(${BIORHYTHM_PRINT_MODULE} PRIVATE bio_options bio_ui_report Qt6::Widgets Qt6::PrintSupport)
# Beside the program in the build tree, where the program looks second.
set_target_properties(${BIORHYTHM_PRINT_MODULE} PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/src RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/src)
# The module takes in the toolkit-free chart code, built without Qt's
# position-independent flags otherwise.
set_target_properties(bio_chart PROPERTIES POSITION_INDEPENDENT_CODE ON)
if(WIN32)
  install(TARGETS ${BIORHYTHM_PRINT_MODULE} LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(print_module_dir ".")
else()
  install(TARGETS ${BIORHYTHM_PRINT_MODULE} LIBRARY DESTINATION ${BIORHYTHM_PRINT_MODULE_DESTINATION})
  file(RELATIVE_PATH print_module_dir ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
       ${CMAKE_INSTALL_PREFIX}/${BIORHYTHM_PRINT_MODULE_DESTINATION})
endif()

add_library(bio_chart_actions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ChartActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintLoader.cpp)
target_include_directories(bio_chart_actions PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(bio_chart_actions PRIVATE
  BIORHYTHM_PRINT_MODULE="${BIORHYTHM_PRINT_MODULE}" BIORHYTHM_PRINT_MODULE_DIR="${print_module_dir}")
target_link_libraries(bio_chart_actions PUBLIC bio_options bio_chart bio_chart_picture bio_app Qt6::Widgets)
add_dependencies(bio_chart_actions ${BIORHYTHM_PRINT_MODULE})
target_link_libraries(bio_ui_main PUBLIC bio_chart_actions)
