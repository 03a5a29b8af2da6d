# cmake -DRNGSTREAM=<rngstream> -P check-seed.cmake, in a folder it may
# write to: a seeded run that re-seeds as the board draws do is the same
# run twice, and another seed is another run. Without the seed each re-seed
# reads the real clock, so only a seeded run can be checked at all.

function(run_stream seed file)
  execute_process(COMMAND ${RNGSTREAM} --seed ${seed} --reseed-every 6 --words 4096
                  OUTPUT_FILE ${file} RESULT_VARIABLE result)
  file(SIZE ${file} size)
  if(NOT result EQUAL 0 OR NOT size EQUAL 16384)
    message(FATAL_ERROR "rngstream --seed ${seed} ended with ${result} after ${size} bytes")
  endif()
endfunction()

run_stream(5 rngstream-seed-5-a)
run_stream(5 rngstream-seed-5-b)
run_stream(6 rngstream-seed-6)
file(SHA256 rngstream-seed-5-a first)
file(SHA256 rngstream-seed-5-b again)
file(SHA256 rngstream-seed-6 other)
if(NOT first STREQUAL again)
  message(FATAL_ERROR "rngstream --seed 5 --reseed-every 6 gave other bytes the second time")
endif()
if(first STREQUAL other)
  message(FATAL_ERROR "rngstream --seed 6 gave the bytes of --seed 5")
endif()
