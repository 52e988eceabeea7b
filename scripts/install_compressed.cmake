# Run when installing: the manual page written for the prefix installed to,
# then it and the changelog compressed as Debian keeps them (gzip -9n: no
# name or time in the header, so the same bytes every time) and installed.
# A package is staged under a temporary prefix; the page names the folder
# under CPACK_PACKAGING_INSTALL_PREFIX, where the package puts its files.
set(prefix "${CMAKE_INSTALL_PREFIX}")
if(DEFINED CPACK_PACKAGING_INSTALL_PREFIX)
  set(prefix "${CPACK_PACKAGING_INSTALL_PREFIX}")
endif()
set(HOARDEX_DATA_DIR "${HOARDEX_DATADIR}")
if(NOT IS_ABSOLUTE "${HOARDEX_DATADIR}")
  set(HOARDEX_DATA_DIR "${prefix}/${HOARDEX_DATADIR}")
endif()
include("${HOARDEX_SOURCE_DIR}/scripts/number_explanations.cmake")
# A folder of this install's own: installs run at once (the package and the
# tests' installs) must not write or compress each other's files.
string(RANDOM LENGTH 12 run)
set(HOARDEX_STAGE "${HOARDEX_STAGE}/${run}")
configure_file("${HOARDEX_SOURCE_DIR}/doc/hoardex.6.in"
               "${HOARDEX_STAGE}/hoardex.6" @ONLY)
configure_file("${HOARDEX_SOURCE_DIR}/doc/changelog"
               "${HOARDEX_STAGE}/changelog" COPYONLY)
execute_process(COMMAND gzip -9nf hoardex.6 changelog
                WORKING_DIRECTORY "${HOARDEX_STAGE}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed in ${HOARDEX_STAGE}")
endif()
# A relative destination is taken under CMAKE_INSTALL_PREFIX, DESTDIR
# before it, as the install rules do.
foreach(file_dir hoardex.6.gz:MANDIR changelog.gz:DOCDIR)
  string(REPLACE ":" ";" file_dir "${file_dir}")
  list(GET file_dir 0 file)
  list(GET file_dir 1 dir)
  set(dir "${HOARDEX_${dir}}")
  if(NOT IS_ABSOLUTE "${dir}")
    set(dir "${CMAKE_INSTALL_PREFIX}/${dir}")
  endif()
  file(INSTALL "${HOARDEX_STAGE}/${file}" DESTINATION "${dir}")
endforeach()
file(REMOVE_RECURSE "${HOARDEX_STAGE}")
