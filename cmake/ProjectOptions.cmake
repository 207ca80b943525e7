# One interface target carries the language level, warnings, Qt's strict
# defines and the include root (every header is named from src/, as
# "chart/CycleValue.h"); every target of the project links it.
add_library(bio_options INTERFACE)
target_compile_features(bio_options INTERFACE cxx_std_20)
target_include_directories(bio_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
# Options for C++ only: on Windows the resource compiler sees target options too.
if(MSVC)
  target_compile_options(bio_options INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:/W4;/permissive-;/utf-8;/Zc:__cplusplus>")
else()
  target_compile_options(bio_options INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wnon-virtual-dtor;-Wold-style-cast>")
endif()
target_compile_definitions(bio_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING)
if(WIN32)
  # Keep windows.h from defining min/max and from pulling in rarely used APIs.
  target_compile_definitions(bio_options INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()
if(BIORHYTHM_WERROR)
  target_compile_options(bio_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:$<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>>)
endif()
if(BIORHYTHM_SANITIZE)
  target_compile_options(bio_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(bio_options INTERFACE -fsanitize=address,undefined)
endif()
if(BIORHYTHM_BUILD_FUZZERS)
  # Coverage feedback from every library under test, not only from the fuzz
  # programs themselves, which add -fsanitize=fuzzer for libFuzzer's main.
  target_compile_options(bio_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-fsanitize=fuzzer-no-link>)
endif()
