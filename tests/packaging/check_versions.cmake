# The newest release named by each file that states the version must be the
# project's version: cmake -DVERSION=x.y.z -DFILES="a;b" -P check_versions.cmake
foreach(file IN LISTS FILES)
  file(READ ${file} text)
  if(file MATCHES "metainfo")
    string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${text}")
  else()  # a Debian changelog: "package (version) distribution; ..."
    string(REGEX MATCH "^[a-z0-9.+-]+ \\(([^)]*)\\)" found "${text}")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${file}: newest release '${CMAKE_MATCH_1}', project version ${VERSION}")
  endif()
endforeach()
