# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the sources as a reviewer would, run by CTest:
#   cmake -DSOURCE_DIR=... -DCHECK=includes -P CheckSources.cmake
#     includes run downward: a folder of src/ includes only its own headers
#     and those of the folders below it (app > parental > library > ui >
#     paint > imaging > platform), so the engine never reaches for windows.
#   cmake -DSOURCE_DIR=... -DCHECK=spdx -P CheckSources.cmake
#     every source, build and script file names its licence in an SPDX line
#     near its top.
cmake_minimum_required(VERSION 3.20)

if(CHECK STREQUAL "includes")
  set(layers platform imaging paint ui library parental app)
  set(faults "")
  foreach(rank RANGE 6)
    list(GET layers ${rank} folder)
    file(GLOB_RECURSE files "${SOURCE_DIR}/src/${folder}/*.cpp" "${SOURCE_DIR}/src/${folder}/*.h")
    foreach(file IN LISTS files)
      file(STRINGS "${file}" lines REGEX "^#include \"[a-z]+/")
      foreach(line IN LISTS lines)
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" included "${line}")
        list(FIND layers "${included}" includedRank)
        if(includedRank GREATER rank)
          file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
          list(APPEND faults "${shown}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "includes that run upward:\n  ${shown}")
  endif()
elseif(CHECK STREQUAL "spdx")
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/src/*" "${SOURCE_DIR}/tests/*" "${SOURCE_DIR}/bench/*" "${SOURCE_DIR}/fuzz/*.cpp"
    "${SOURCE_DIR}/fuzz/CMakeLists.txt" "${SOURCE_DIR}/resources/*" "${SOURCE_DIR}/scripts/*" "${SOURCE_DIR}/cmake/*"
    "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/.ci/run")
  set(missing "")
  foreach(file IN LISTS files)
    if(NOT file MATCHES "(\\.cpp|\\.h|\\.sh|\\.cmake|CMakeLists\\.txt|\\.ci/run)$")
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
      list(APPEND missing "${file}")
    endif()
  endforeach()
  if(missing)
    list(JOIN missing "\n  " shown)
    message(FATAL_ERROR "files without an SPDX licence line:\n  ${shown}")
  endif()
else()
  message(FATAL_ERROR "CHECK must be includes or spdx")
endif()
