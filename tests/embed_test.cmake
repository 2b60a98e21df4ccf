# Installs the build into a temporary prefix, builds examples/embed against the
# installed package (find_package(vestrilo), vestrilo::vestrilo) with no flags
# of its own, whatever flags the build had, and runs it on one UTF-8 line. Run
# by ctest with -DBUILD_DIR, -DSOURCE_DIR and -DWORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/examples/embed" -B "${WORK_DIR}/build"
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")

file(WRITE "${WORK_DIR}/line.utf8" "会议 于 三点 开始\n")
execute_process(COMMAND "${WORK_DIR}/build/embed" INPUT_FILE "${WORK_DIR}/line.utf8"
                OUTPUT_FILE "${WORK_DIR}/pairs.utf8" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "embed exited with ${status}")
endif()
file(READ "${WORK_DIR}/pairs.utf8" pairs)
if(NOT pairs STREQUAL "三点 ||| three o'clock\n")
  message(FATAL_ERROR "embed printed \"${pairs}\"")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
