# A stand-in second copy of the program, for the single-instance tests.
add_executable(tst_SingleInstanceHolder tst_SingleInstanceHolder.cpp)
target_link_libraries(tst_SingleInstanceHolder PRIVATE bio_options bio_app_start)

bio_add_qtest(tst_SingleInstance tst_SingleInstance.cpp LIBS bio_app_start)
target_compile_definitions(tst_SingleInstance PRIVATE
  SINGLE_INSTANCE_HOLDER="$<TARGET_FILE:tst_SingleInstanceHolder>")
add_dependencies(tst_SingleInstance tst_SingleInstanceHolder)

bio_add_qtest(tst_StartApplication tst_StartApplication.cpp LIBS bio_app_start)
