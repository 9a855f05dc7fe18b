# The files of dist/ (the type library "Vamok.APT" the first start imports)
# go next to the program, in the program folder where it looks for them.
file(GLOB vamok_dist_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/dist/*)
list(FILTER vamok_dist_sources EXCLUDE REGEX "/\\.[^/]*$")

set(vamok_dist_outputs)
foreach(source IN LISTS vamok_dist_sources)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${output}
    DEPENDS ${source}
    COMMENT "Program folder file ${name}")
  list(APPEND vamok_dist_outputs ${output})
endforeach()

# The udev rule goes along as udev/, so the fix the program names for a
# bridge it may not open points at a file that is there.
set(vamok_udev_output ${CMAKE_BINARY_DIR}/udev/99-vamok.rules)
add_custom_command(OUTPUT ${vamok_udev_output}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/udev
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/udev/99-vamok.rules ${vamok_udev_output}
  DEPENDS ${CMAKE_SOURCE_DIR}/udev/99-vamok.rules
  COMMENT "Program folder file udev/99-vamok.rules")
list(APPEND vamok_dist_outputs ${vamok_udev_output})

add_custom_target(vamok_dist ALL DEPENDS ${vamok_dist_outputs})
if(TARGET vamok)
  add_dependencies(vamok vamok_dist)
endif()
