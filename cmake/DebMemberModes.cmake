# Run by CPack once it has made the package. CPack stores each member of a .deb (debian-binary,
# control.tar.gz, data.tar.gz) with the mode its file got under the umask of whoever packages:
# -rw-rw-r-- under umask 002, so the package's bytes would depend on the umask. dpkg-deb stores
# every member as 100644, and so does this, in each member's header of 60 characters: the mode in
# 8 of them from the 40th, the member's size in 10 from the 48th.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(mode "${package}.member-mode")
  file(WRITE "${mode}" "100644  ")
  file(SIZE "${package}" end)
  set(header 8) # after the archive's "!<arch>\n"
  while(header LESS end)
    file(READ "${package}" fields OFFSET ${header} LIMIT 60)
    string(SUBSTRING "${fields}" 48 12 size)
    if(NOT size MATCHES "^([0-9]+) *`\n$")
      message(FATAL_ERROR "${package}: no member header at byte ${header}")
    endif()
    set(size ${CMAKE_MATCH_1})
    math(EXPR at "${header} + 40")
    execute_process(COMMAND dd "of=${package}" bs=1 seek=${at} conv=notrunc status=none
      INPUT_FILE "${mode}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${package}: the mode of the member at byte ${header} could not be set")
    endif()
    # Members start at even bytes.
    math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
  endwhile()
  file(REMOVE "${mode}")
endforeach()
