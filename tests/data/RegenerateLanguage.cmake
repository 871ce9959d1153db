# Regenerates the default table with the generator and checks that the shipped table and its
# report are exactly what the recipe gives today.
# Inputs: GENERATOR, OPENCC_DIR, WORDS, SHIPPED_DIR, WORK_DIR.
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${GENERATOR} ${OPENCC_DIR} ${WORDS} ${WORK_DIR}/Language ${WORK_DIR}/Language-report.txt
  OUTPUT_QUIET
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generator failed: ${status}")
endif()
foreach(file Language Language-report.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SHIPPED_DIR}/${file}
                          ${WORK_DIR}/${file}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/${file} differs from the generator's output ${WORK_DIR}/${file}; "
                        "rebuild it with: cmake --build BUILD --target regenerate-language")
  endif()
endforeach()
