# Runs `culling-lab --quick` into a fresh folder and fails when the lab does. Plots are asked for
# only when gnuplot is installed.
file(REMOVE_RECURSE "${FOLDER}")
set(arguments --quick)
find_program(GNUPLOT gnuplot)
if(NOT GNUPLOT)
  list(APPEND arguments --no-plots)
endif()
execute_process(COMMAND "${LAB}" ${arguments} "${FOLDER}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "culling-lab ${arguments} exited with ${result}")
endif()
