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

add_custom_target(vamok_dist ALL DEPENDS ${vamok_dist_outputs})
if(TARGET vamok)
  add_dependencies(vamok vamok_dist)
endif()
