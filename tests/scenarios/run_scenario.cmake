# One scenario in a fresh work folder: cmake -DRUNNER=... -DSCENARIO=... -DWORK=... -P run_scenario.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${RUNNER} ${SCENARIO} ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scenario failed (${result})")
endif()
