# Compression as Debian does it for manual pages and changelogs: gzip -9n, the
# smallest, with no name or time stamp in the header, so that the same sources
# give the same package.
include_guard(GLOBAL)
find_program(VESTRILO_GZIP gzip)

# vestrilo_gzip(VAR FILE): a rule that makes FILE.gz beside FILE (a file of the
# build tree) and VAR set to the file to install, FILE.gz, or FILE itself where
# there is no gzip.
function(vestrilo_gzip var file)
  if(NOT VESTRILO_GZIP)
    set(${var} ${file} PARENT_SCOPE)
    return()
  endif()
  get_filename_component(dir ${file} DIRECTORY)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${file}.gz
    COMMAND ${VESTRILO_GZIP} -9nkf ${name}
    WORKING_DIRECTORY ${dir}
    DEPENDS ${file})
  set(${var} ${file}.gz PARENT_SCOPE)
endfunction()
