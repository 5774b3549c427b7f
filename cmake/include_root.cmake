# Every library of src/ publishes only its own headers, under the name its includes use
# ("platform/core/text.h"): its include root in the build tree holds a link to its folder
# and nothing else. A library that includes a header of one it does not link therefore
# fails to compile. src/layers.txt says which library may use which.

# tumbla_include_root(target [header...]) publishes the folder of the calling
# CMakeLists.txt, or only the headers named.
function(tumbla_include_root target)
  set(root "${PROJECT_BINARY_DIR}/include/${target}")
  file(RELATIVE_PATH name "${PROJECT_SOURCE_DIR}/src" "${CMAKE_CURRENT_SOURCE_DIR}")
  if(ARGN)
    foreach(header IN LISTS ARGN)
      tumbla_include_link("${CMAKE_CURRENT_SOURCE_DIR}/${header}" "${root}/${name}/${header}")
    endforeach()
  else()
    tumbla_include_link("${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${name}")
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()

function(tumbla_include_link original link)
  get_filename_component(parent "${link}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${original}" "${link}" RESULT failure SYMBOLIC)
  if(failure)
    message(FATAL_ERROR "Cannot link ${link} to ${original}: ${failure}")
  endif()
endfunction()
