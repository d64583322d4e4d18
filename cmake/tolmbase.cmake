# How the product's C++ is compiled, and what tolmbase holds and links: read by the build (CMakeLists.txt) and by
# the fuzzers' build (tests/fuzz/CMakeLists.txt), whose library of the parts of tolmbase they fuzz cannot differ
# from tolmbase so. The caller finds Qt first.
get_filename_component(TOLM_ROOT ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTOUIC ON)
set(CMAKE_AUTORCC ON)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo)
endif()

add_compile_options(-Wall -Wextra)
add_compile_definitions(QT_NO_DEPRECATED_WARNINGS)

set(PAGE_DIRS welcome setup guide wifi apmode cloud)

# tolmbase, built without Qt Widgets: base/, protocol/, platform/ and the pages' widget-free
# modules (every <page folder>/*rules.cpp; base/ and the others are listed here).
set(BASE_MODULES
  base/globals base/log base/logfile base/logging base/logsummary base/config base/endpoints base/languages
  base/replylimits base/picturewire base/pngwriter
  setup/cameratable setup/setupinput setup/setupchecks setup/setupcgi setup/hostinterfaces setup/manualnetwork
  setup/passwordstep setup/timezonepick setup/cameradump
  wifi/wifisettings wifi/wpspictures cloud/cloudapi
  welcome/catalogue welcome/updatedescription welcome/version welcome/spriteclipper
  cloud/shortcutplan cloud/snapshotschedule cloud/cloudsitemanager cloud/cloudreplies cloud/answerreaders
  cloud/eventorder cloud/viewpictures)
file(GLOB BASE_SOURCES CONFIGURE_DEPENDS ${TOLM_ROOT}/protocol/*.cpp ${TOLM_ROOT}/protocol/*.h
  ${TOLM_ROOT}/platform/*.cpp ${TOLM_ROOT}/platform/*.h)
foreach(dir ${PAGE_DIRS})
  file(GLOB rule_sources CONFIGURE_DEPENDS ${TOLM_ROOT}/${dir}/*rules.cpp ${TOLM_ROOT}/${dir}/*rules.h)
  list(APPEND BASE_SOURCES ${rule_sources})
endforeach()
foreach(module ${BASE_MODULES})
  file(GLOB module_sources ${TOLM_ROOT}/${module}.cpp ${TOLM_ROOT}/${module}.h)
  list(APPEND BASE_SOURCES ${module_sources})
endforeach()

# The answer check asks FreeType, the web engine's font reader, and inflates what a PNG holds.
find_package(Freetype REQUIRED)
find_package(ZLIB REQUIRED)
# A cloud view tells one party from another by the public suffix list Debian ships, read through libpsl.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PSL REQUIRED IMPORTED_TARGET libpsl)

# A static library of tolmbase's sources given (all of them: tolmbase), compiled and linked as tolmbase is.
function(tolm_base_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${TOLM_ROOT})
  target_link_libraries(${name} PUBLIC Qt5::Core Qt5::Gui Qt5::Network Qt5::Xml
                        PRIVATE Freetype::Freetype ZLIB::ZLIB PkgConfig::PSL)
endfunction()
