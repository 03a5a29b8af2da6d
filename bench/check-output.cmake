# cmake -DBENCH=<bench_draws> -P check-output.cmake, from the folder that
# holds Numbers: Google Benchmark's own output flags decide what stdout
# holds, with a click and its anchor run, so that a ratio is printed too.
# With --benchmark_format=json stdout is JSON alone, the ratio on stderr; in
# the console table --benchmark_color=false leaves out colour codes, and the
# ratio follows the table. The offscreen platform's size hints warning, said
# on every show, is dropped.

function(run_bench stdout stderr)
  execute_process(COMMAND ${BENCH} --benchmark_filter=floor|sixBoardClick/Lotto --benchmark_min_time=0.01 ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${BENCH} ${ARGN} ended with ${result}:\n${err}")
  endif()
  set(${stdout} "${out}" PARENT_SCOPE)
  set(${stderr} "${err}" PARENT_SCOPE)
endfunction()

set(ratio "sixBoardClick/Lotto / floor, time: [0-9.]+")

run_bench(out err --benchmark_format=json)
string(JSON runs ERROR_VARIABLE invalid LENGTH "${out}" benchmarks)
if(invalid OR NOT runs EQUAL 2)
  message(FATAL_ERROR "--benchmark_format=json: stdout is not JSON with the two runs (${invalid}):\n${out}")
endif()
if(NOT err MATCHES "${ratio}" OR err MATCHES "propagateSizeHints")
  message(FATAL_ERROR "--benchmark_format=json: stderr has no ratio, or the size hints warning:\n${err}")
endif()

run_bench(out err --benchmark_color=false)
string(ASCII 27 escape)
if(out MATCHES "${escape}" OR NOT out MATCHES "\nsixBoardClick/Lotto +[^\n]+\n${ratio}")
  message(FATAL_ERROR "--benchmark_color=false: stdout is not a plain table with the ratio after it:\n${out}")
endif()
