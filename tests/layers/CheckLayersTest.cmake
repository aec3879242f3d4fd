# The layers check on a small tree of its own: every include the wrong way round is named, and
# the includes that point down the layers (directly or through a layer between) pass.
#
#   cmake -DCHECK=cmake/CheckLayers.cmake -DWORK_DIR=<scratch folder> -P CheckLayersTest.cmake

cmake_policy(VERSION 3.25)

function(fail)
  message(FATAL_ERROR "layers check: ${ARGV}")
endfunction()

# folder/file -> lines
function(write_file path)
  list(JOIN ARGN "\n" text)
  file(WRITE ${tree}/${path} "${text}\n")
endfunction()

function(run_check out_rc out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -DLAYER_MAP=${tree}/layers.txt
                          -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${out_rc} ${rc} PARENT_SCOPE)
  set(${out_text} "${out}${err}" PARENT_SCOPE)
endfunction()

set(tree ${WORK_DIR}/tree)
file(REMOVE_RECURSE ${tree})
# base <- mid <- top (core), view (Qt) on top of them.
file(WRITE ${tree}/layers.txt [[
# folder|qt|may include
base|0|
mid|0|base
top|0|mid;base
view|1|top;mid;base
]])
write_file(base/Base.h "#include <vector>")
write_file(mid/Mid.h "#include \"base/Base.h\"")
write_file(top/Top.h "#include \"mid/Mid.h\"")
write_file(top/Local.cpp "#include \"Local.h\"" "#include \"top/Top.h\"")
write_file(view/View.cpp "#include <QWidget>" "#include \"top/Top.h\"" "#  include \"mid/Mid.h\"")

# Every include points down: the check passes.
write_file(base/Base.cpp "#include \"base/Base.h\"")
write_file(mid/Mid.cpp "#include \"base/Base.h\"" "#include <queue>")
write_file(top/Top.cpp "#include \"base/Base.h\"")
run_check(rc text)
if(NOT rc EQUAL 0)
  fail("a tree whose includes all point down fails:\n${text}")
endif()

# One include of each wrong kind.
write_file(base/Base.cpp "#include \"base/Base.h\"" "#include \"mid/Mid.h\"")
write_file(mid/Mid.cpp "#include \"base/Base.h\"" "#include <QString>")
write_file(top/Top.cpp "#include \"base/Base.h\"" "#include \"view/View.h\"" "#include \"other/Other.h\"")
run_check(rc text)
if(rc EQUAL 0)
  fail("includes against the layers pass:\n${text}")
endif()
foreach(expected
    "base/Base.cpp: includes \"mid/Mid.h\""
    "mid/Mid.cpp: includes <QString>; mid is core"
    "top/Top.cpp: includes \"view/View.h\""
    "top/Top.cpp: includes \"other/Other.h\""
    "4 include\\(s\\) against the layers")
  if(NOT text MATCHES "${expected}")
    fail("expected \"${expected}\" in:\n${text}")
  endif()
endforeach()
foreach(unexpected "View.cpp" "Local.cpp" "<queue>" "<vector>")
  if(text MATCHES "${unexpected}")
    fail("\"${unexpected}\" named although its includes are right:\n${text}")
  endif()
endforeach()
message("layers check: finds each wrong include and passes the right ones")
