# Checks that every #include of a layer folder points down the layers:
#
#   cmake -DSOURCE_DIR=<tree> -DLAYER_MAP=<build>/layers.txt -P cmake/CheckLayers.cmake
#
# The map (cmake/TswLayers.cmake writes it) lists each folder, whether it may use Qt, and the
# folders it may include besides its own. A file of a folder may include headers of its own
# folder and of those folders only; a core folder includes no Qt header. Each offending line is
# listed; the script fails when there is one.

cmake_policy(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT LAYER_MAP)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<tree> -DLAYER_MAP=<layers.txt> -P CheckLayers.cmake")
endif()

file(STRINGS ${LAYER_MAP} entries REGEX "^[^#]")
set(problems 0)
set(checked 0)
foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 folder)
  list(GET fields 1 qt)
  list(LENGTH fields n)
  set(reach "")
  if(n GREATER 2)
    list(SUBLIST fields 2 -1 reach)
  endif()
  file(GLOB files LIST_DIRECTORIES false ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(SORT files)
  foreach(file IN LISTS files)
    math(EXPR checked "${checked} + 1")
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^\"]+)\"")
        set(header "${CMAKE_MATCH_1}")
        get_filename_component(dir "${header}" DIRECTORY)
        if(dir STREQUAL "" OR dir STREQUAL folder OR dir IN_LIST reach)
          continue()
        endif()
        string(REPLACE ";" " " allowed "${folder} ${reach}")
        message("${shown}: includes \"${header}\"; ${folder} may include only from: ${allowed}")
        math(EXPR problems "${problems} + 1")
      elseif(NOT qt AND line MATCHES "include[ \t]*<(Q[A-Za-z0-9_/]*|qt[A-Za-z0-9_/]*)[.>]")
        message("${shown}: includes <${CMAKE_MATCH_1}>; ${folder} is core: standard C++ only")
        math(EXPR problems "${problems} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems GREATER 0)
  message(FATAL_ERROR "${problems} include(s) against the layers")
endif()
message("layers: ${checked} files, every include points down the layers")
