# The pictures: origin images, button glyphs, earth picture and program icon.
# tools/imagegen draws them at build time (origin images from
# resources/origins.txt) into build/resources/; they are compiled into the
# Qt resource library mensurio_resources.

if(NOT MENSURIO_WITH_UI)
  return()
endif()
find_package(Qt6 REQUIRED COMPONENTS Gui)

file(GLOB MENSURIO_IMAGEGEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/imagegen/*.cpp)
list(FILTER MENSURIO_IMAGEGEN_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(mensurio_imagegen STATIC ${MENSURIO_IMAGEGEN_SOURCES})
target_include_directories(mensurio_imagegen PUBLIC ${CMAKE_SOURCE_DIR}/tools/imagegen ${CMAKE_SOURCE_DIR}/src/ui/resources)
target_link_libraries(mensurio_imagegen PUBLIC mensurio_core Qt6::Gui)

add_executable(imagegen ${CMAKE_SOURCE_DIR}/tools/imagegen/main.cpp)
target_link_libraries(imagegen PRIVATE mensurio_imagegen)
target_compile_definitions(imagegen PRIVATE
  MENSURIO_DEFAULT_DESIGNS="${CMAKE_SOURCE_DIR}/resources/origins.txt")

set(MENSURIO_RESOURCE_DIR ${CMAKE_BINARY_DIR}/resources)
set(MENSURIO_DESIGNS ${CMAKE_SOURCE_DIR}/resources/origins.txt)

# The files imagegen writes (see WriteAll in tools/imagegen/generate.h) and
# their names in the resource: the pictures of the start as raw pixels, the
# icon as PNG.
set(MENSURIO_RAW_PICTURES origins origins@2x earth earth@2x)
foreach(glyph convert search hide info)
  foreach(size 16 24 32 48)
    list(APPEND MENSURIO_RAW_PICTURES glyph-${glyph}-${size})
  endforeach()
endforeach()
set(MENSURIO_IMAGE_FILES "")
set(MENSURIO_IMAGE_QRC_LINES "")
foreach(name ${MENSURIO_RAW_PICTURES})
  list(APPEND MENSURIO_IMAGE_FILES ${name}.png ${name}.rgba)
  string(APPEND MENSURIO_IMAGE_QRC_LINES "    <file>${name}.rgba</file>\n")
endforeach()
foreach(size 16 32 48 64 128 256)
  set(icon icons/hicolor/${size}x${size}/apps/mensurio.png)
  list(APPEND MENSURIO_IMAGE_FILES ${icon})
  string(APPEND MENSURIO_IMAGE_QRC_LINES "    <file alias=\"icon-${size}.png\">${icon}</file>\n")
endforeach()
set(MENSURIO_IMAGE_OUTPUTS ${MENSURIO_RESOURCE_DIR}/origins-contact-sheet.png)
foreach(name ${MENSURIO_IMAGE_FILES})
  list(APPEND MENSURIO_IMAGE_OUTPUTS ${MENSURIO_RESOURCE_DIR}/${name})
endforeach()

add_custom_command(
  OUTPUT ${MENSURIO_IMAGE_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:imagegen> --designs ${MENSURIO_DESIGNS} --out ${MENSURIO_RESOURCE_DIR}
  DEPENDS imagegen ${MENSURIO_DESIGNS}
  COMMENT "Drawing the pictures into ${MENSURIO_RESOURCE_DIR}"
  VERBATIM)

set(MENSURIO_IMAGE_QRC ${MENSURIO_RESOURCE_DIR}/mensurio_images.qrc)
file(CONFIGURE OUTPUT ${MENSURIO_IMAGE_QRC}
  CONTENT "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/mensurio\">\n${MENSURIO_IMAGE_QRC_LINES}  </qresource>\n</RCC>\n")
qt_add_resources(MENSURIO_IMAGE_RESOURCE_SOURCES ${MENSURIO_IMAGE_QRC} OPTIONS --no-compress)
set_source_files_properties(${MENSURIO_IMAGE_RESOURCE_SOURCES} PROPERTIES SKIP_AUTOGEN ON)
add_library(mensurio_resources STATIC ${MENSURIO_IMAGE_RESOURCE_SOURCES})
target_link_libraries(mensurio_resources PUBLIC Qt6::Core)

# The image tests also read the description and its parser.
function(mensurio_link_image_tests)
  if(TARGET test_ui)
    target_link_libraries(test_ui PRIVATE mensurio_imagegen)
  endif()
endfunction()
cmake_language(DEFER CALL mensurio_link_image_tests)
