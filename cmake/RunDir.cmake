# Fills the run folder: the user configuration and the text data (shaders and
# the shader list) are copied; binary data is written there by the data tool.
add_custom_target(game_run_dir ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_RUN_DIR}/profile ${GAME_RUN_DIR}/data
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/profile/config.cfg ${GAME_RUN_DIR}/profile/config.cfg
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data ${GAME_RUN_DIR}/data
  COMMENT "Filling the run folder ${GAME_RUN_DIR}")
if(TARGET game_data)
  add_dependencies(game_data game_run_dir)
endif()
