# Run by cpack once the install is staged, before it is packed: every folder in it
# gets mode 0755, also those the install made on its way (usr/share/doc, ...), which
# would otherwise keep the umask of whoever builds the package.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" ${staged})
  if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
    file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                     WORLD_EXECUTE)
  endif()
endforeach()
