# The language files of lang/ go next to the program as Lang/, where the
# program looks for them (folder "Lang" below the program folder).
file(GLOB vamok_lang_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/lang/*)
list(FILTER vamok_lang_sources EXCLUDE REGEX "/\\.[^/]*$")

set(vamok_lang_outputs)
foreach(source IN LISTS vamok_lang_sources)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/Lang/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/Lang
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${output}
    DEPENDS ${source}
    COMMENT "Language file ${name}")
  list(APPEND vamok_lang_outputs ${output})
endforeach()

add_custom_target(vamok_lang ALL DEPENDS ${vamok_lang_outputs})
if(TARGET vamok)
  add_dependencies(vamok vamok_lang)
endif()
