# One library per layer folder, with the folders it builds on declared beside it:
#
#   tsw_layer(editors/feature DEPENDS app editors/channel)    # core: standard C++ only
#   tsw_layer(editors/feature/ui QT DEPENDS app/ui editors/feature)
#
# makes the static library tsw_editors_feature(_ui) from the folder's own *.cpp (not its
# subfolders; EXCLUDE names files left out) and links it to the libraries of the folders it
# names (and to the targets after LINK). A core layer gets no Qt include path, so a Qt header
# there does not compile; a core layer cannot build on a Qt layer.
#
# tsw_record_layer(<folder> DEPENDS ...) only declares a folder whose target is made elsewhere
# (the tools, the modules). tsw_write_layer_map() writes every declaration, with the folders each
# may include (its own and those it builds on, directly or not), to
# ${CMAKE_BINARY_DIR}/layers.txt for cmake/CheckLayers.cmake, which the tests run.

define_property(GLOBAL PROPERTY TSW_LAYERS BRIEF_DOCS "layer folders" FULL_DOCS "layer folders")

# The library of a layer folder: tsw_ and the folder with '/' as '_' (app/ui -> tsw_app_ui).
function(tsw_layer_target folder out)
  string(REPLACE "/" "_" name "${folder}")
  set(${out} tsw_${name} PARENT_SCOPE)
endfunction()

function(tsw_record_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "DEPENDS;EXCLUDE;LINK")
  get_property(known GLOBAL PROPERTY TSW_LAYERS)
  foreach(dep IN LISTS arg_DEPENDS)
    if(NOT dep IN_LIST known)
      message(FATAL_ERROR "layer ${folder}: declare ${dep} before the layers that build on it")
    endif()
    get_property(dep_qt GLOBAL PROPERTY TSW_LAYER_QT_${dep})
    if(dep_qt AND NOT arg_QT)
      message(FATAL_ERROR "layer ${folder}: a core layer cannot build on the Qt layer ${dep}")
    endif()
  endforeach()
  # What the folder may include: itself and everything below it in the layers.
  set(reach ${arg_DEPENDS})
  foreach(dep IN LISTS arg_DEPENDS)
    get_property(dep_reach GLOBAL PROPERTY TSW_LAYER_REACH_${dep})
    list(APPEND reach ${dep_reach})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL APPEND PROPERTY TSW_LAYERS ${folder})
  set_property(GLOBAL PROPERTY TSW_LAYER_REACH_${folder} ${reach})
  set_property(GLOBAL PROPERTY TSW_LAYER_QT_${folder} ${arg_QT})
endfunction()

function(tsw_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "DEPENDS;EXCLUDE;LINK")
  tsw_record_layer(${ARGV})
  tsw_layer_target(${folder} target)
  set(patterns ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  if(arg_QT)
    list(APPEND patterns ${CMAKE_SOURCE_DIR}/${folder}/*.h) # moc reads the headers
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${patterns})
  foreach(name IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${folder}/${name})
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  foreach(dep IN LISTS arg_DEPENDS)
    tsw_layer_target(${dep} dep_target)
    target_link_libraries(${target} PUBLIC ${dep_target})
  endforeach()
  if(arg_QT)
    target_link_libraries(${target} PUBLIC Qt6::Widgets)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
  target_link_libraries(${target} PUBLIC ${arg_LINK})
endfunction()

function(tsw_write_layer_map)
  get_property(layers GLOBAL PROPERTY TSW_LAYERS)
  set(text "# folder|qt|folders it may include (written by cmake/TswLayers.cmake)\n")
  foreach(folder IN LISTS layers)
    get_property(reach GLOBAL PROPERTY TSW_LAYER_REACH_${folder})
    get_property(qt GLOBAL PROPERTY TSW_LAYER_QT_${folder})
    if(qt)
      set(qt 1)
    else()
      set(qt 0)
    endif()
    string(APPEND text "${folder}|${qt}|${reach}\n")
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/layers.txt.new "${text}")
  file(COPY_FILE ${CMAKE_BINARY_DIR}/layers.txt.new ${CMAKE_BINARY_DIR}/layers.txt ONLY_IF_DIFFERENT)
endfunction()
