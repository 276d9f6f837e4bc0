# Fails when a core source includes a Qt header: the game's rules stay testable without a display.
file(GLOB_RECURSE files ${ROOT}/engine/* ${ROOT}/settings/* ${ROOT}/movielist/* ${ROOT}/help/*)
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
message(STATUS "core is free of Qt")
