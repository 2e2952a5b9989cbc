# cmake -DBUILD_DIR=... -DBIN_DIR=... -DPACKAGING_DIR=... -DWORK_DIR=... -P InstallTest.cmake
# Installs the built program into WORK_DIR/prefix and checks what lands where;
# then installs again over a changed settings file, which must stay as it is.
function(expect_exists path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endfunction()

function(install_into prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
  endif()
endfunction()

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
install_into("${prefix}")

set(program_dir "${prefix}/lib/tunbox-rpu-klt")
foreach(path
    "${program_dir}/tunbox-rpu-klt"
    "${program_dir}/tunbox-rpu-klt.EN"
    "${program_dir}/tunbox-rpu-klt.INI"
    "${program_dir}/help/tunbox-rpu-klt-ru.html"
    "${program_dir}/help/tunbox-rpu-klt-en.html"
    "${program_dir}/help/images/01-welcome.png"
    "${program_dir}/help/images/en/01-welcome.png"
    "${prefix}/share/applications/tunbox-rpu-klt.desktop"
    "${prefix}/share/icons/hicolor/scalable/apps/tunbox-rpu-klt.svg"
    "${prefix}/lib/udev/rules.d/60-tunbox-rpu-klt.rules")
  expect_exists("${path}")
endforeach()

# bin/ holds a link to the executable, so the program finds its files beside the target.
if(NOT IS_SYMLINK "${prefix}/bin/tunbox-rpu-klt")
  message(FATAL_ERROR "bin/tunbox-rpu-klt is no link")
endif()
file(READ_SYMLINK "${prefix}/bin/tunbox-rpu-klt" target)
if(NOT target STREQUAL "../lib/tunbox-rpu-klt/tunbox-rpu-klt")
  message(FATAL_ERROR "bin/tunbox-rpu-klt points to ${target}")
endif()

# The desktop entry starts the installed program.
file(STRINGS "${prefix}/share/applications/tunbox-rpu-klt.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${prefix}/bin/tunbox-rpu-klt")
  message(FATAL_ERROR "desktop entry: ${exec}")
endif()

# The help documents named by the shipped settings file are installed.
file(STRINGS "${program_dir}/tunbox-rpu-klt.INI" help_names REGEX "^(RU|EN)=")
foreach(line IN LISTS help_names)
  string(REGEX REPLACE "^[A-Z]+=" "" name "${line}")
  expect_exists("${program_dir}/help/${name}")
endforeach()

# A settings file the user changed survives the next install ...
file(WRITE "${program_dir}/tunbox-rpu-klt.INI" "[Language]\nDefault=EN\n")
install_into("${prefix}")
file(READ "${program_dir}/tunbox-rpu-klt.INI" kept)
if(NOT kept STREQUAL "[Language]\nDefault=EN\n")
  message(FATAL_ERROR "install overwrote the user's settings file")
endif()

# ... and the copy the build puts beside the built program.
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${PACKAGING_DIR}/tunbox-rpu-klt.INI
                        -DTARGET=${program_dir}/tunbox-rpu-klt.INI
                        -P ${PACKAGING_DIR}/CopyIfMissing.cmake)
file(READ "${program_dir}/tunbox-rpu-klt.INI" kept)
if(NOT kept STREQUAL "[Language]\nDefault=EN\n")
  message(FATAL_ERROR "the build's copy overwrote a settings file")
endif()
file(REMOVE "${program_dir}/tunbox-rpu-klt.INI")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${PACKAGING_DIR}/tunbox-rpu-klt.INI
                        -DTARGET=${program_dir}/tunbox-rpu-klt.INI
                        -P ${PACKAGING_DIR}/CopyIfMissing.cmake)
file(READ "${program_dir}/tunbox-rpu-klt.INI" copied)
file(READ "${PACKAGING_DIR}/tunbox-rpu-klt.INI" shipped)
if(NOT copied STREQUAL shipped)
  message(FATAL_ERROR "the build did not put the default settings file in place")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
