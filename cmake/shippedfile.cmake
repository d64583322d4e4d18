# Puts a shipped file beside the program without overwriting a copy edited there:
#   cmake -DSHIPPED=<source file> -DTARGET=<file in the build tree> -P shippedfile.cmake
# <TARGET>.shipped keeps the shipped file last copied. The target gets the shipped file when it is
# missing, or when it still equals that last copy (or, without one, the shipped file itself); an edited
# target stays as it is, and a note says so when the shipped file has changed since.
if(NOT SHIPPED OR NOT TARGET)
  message(FATAL_ERROR "shippedfile.cmake needs -DSHIPPED=<file> -DTARGET=<file>")
endif()
set(last "${TARGET}.shipped")
file(SHA256 "${SHIPPED}" shipped)
if(EXISTS "${last}")
  file(SHA256 "${last}" copied)
else()
  set(copied "${shipped}")
endif()
if(EXISTS "${TARGET}")
  file(SHA256 "${TARGET}" now)
  if(NOT now STREQUAL copied)
    if(NOT copied STREQUAL shipped)
      message(STATUS "${TARGET} is edited and kept; the shipped one has changed since: ${SHIPPED}")
    endif()
    return()
  endif()
endif()
configure_file("${SHIPPED}" "${TARGET}" COPYONLY)
configure_file("${SHIPPED}" "${last}" COPYONLY)
