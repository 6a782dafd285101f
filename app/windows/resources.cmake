# quillory.exe as a Windows program: the GUI subsystem (no console window),
# the icon Explorer, the Start menu and the taskbar show before the program
# runs, a version resource, and a manifest.
set_target_properties(quillory PROPERTIES WIN32_EXECUTABLE ON)

# The icon file is drawn from the scalable icon, which is the picture the
# program draws as its window icon (the Debian package check compares them).
find_program(QUILLORY_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUILLORY_IMAGEMAGICK_CONVERT convert REQUIRED)
set(quillory_svg ${PROJECT_SOURCE_DIR}/packaging/org.quillory.Quillory.svg)
set(quillory_ico ${CMAKE_CURRENT_BINARY_DIR}/quillory.ico)
set(quillory_ico_pngs)
set(quillory_ico_commands)
foreach(size 16 24 32 48 64 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icon/${size}.png)
  list(APPEND quillory_ico_pngs ${png})
  list(APPEND quillory_ico_commands
       COMMAND ${QUILLORY_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${quillory_svg})
endforeach()
add_custom_command(
  OUTPUT ${quillory_ico}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
  ${quillory_ico_commands}
  COMMAND ${QUILLORY_IMAGEMAGICK_CONVERT} ${quillory_ico_pngs} ${quillory_ico}
  DEPENDS ${quillory_svg}
  COMMENT "Drawing quillory.ico"
  VERBATIM)

string(REPLACE "." "," quillory_version_commas "${PROJECT_VERSION}.0")
set(QUILLORY_ICO ${quillory_ico})
set(QUILLORY_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/quillory.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quillory.rc.in ${CMAKE_CURRENT_BINARY_DIR}/quillory.rc @ONLY)
target_sources(quillory PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quillory.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/quillory.rc PROPERTIES
  OBJECT_DEPENDS "${quillory_ico};${QUILLORY_MANIFEST}")
