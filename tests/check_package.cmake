# Makes the release ZIP and checks what a user downloads: just tumblen.exe and
# README.txt, the exe stripped of debug sections, importing only Windows' own
# DLLs (no MinGW runtime to ship beside it), declaring itself aware of each
# monitor's DPI, so that Windows does not stretch it, and showing its version
# under Properties; the readme readable in any Notepad. Run by CTest.
set(out ${BUILD}/package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} --config ${BUILD}/CPackConfig.cmake -B ${out} OUTPUT_QUIET)
file(GLOB zip ${out}/*.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE entries)
string(REGEX MATCHALL "[^\n]+" entries "${entries}")
list(SORT entries)
if(NOT entries STREQUAL "README.txt;tumblen.exe")
  message(FATAL_ERROR "the ZIP '${zip}' holds '${entries}', not just README.txt and tumblen.exe")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${out})
execute_process(COMMAND ${OBJDUMP} -h -p ${out}/tumblen.exe OUTPUT_VARIABLE dump)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
string(TOLOWER "${imports}" imports)
string(REGEX REPLACE "dll name: (kernel32|user32|gdi32|msvcrt)\\.dll;?" "" others "${imports}")
if(dump MATCHES "\\.debug" OR NOT imports OR others)
  message(FATAL_ERROR "the packed exe carries debug sections or imports more than Windows' own DLLs: ${imports}")
endif()
# The readme as any Notepad reads it: UTF-8 with a byte-order mark, CRLF
# line ends (read as bytes: file(READ) drops carriage returns).
file(READ ${out}/README.txt readme HEX)
string(REGEX REPLACE "(..)" "\\1 " readme "${readme}")
string(REPLACE "0d 0a " "" bare_line_feeds "${readme}")
if(NOT readme MATCHES "^ef bb bf " OR bare_line_feeds MATCHES "(^| )0a ")
  message(FATAL_ERROR "README.txt is not UTF-8 with a byte-order mark and CRLF line ends")
endif()
# The resources as windres reads them back: the manifest, and the version
# Explorer shows under Properties, binary (the file version) and as texts
# (the team's name in UTF-16).
execute_process(COMMAND ${WINDRES} -i ${out}/tumblen.exe -O rc OUTPUT_VARIABLE resources)
string(REGEX REPLACE "\\.0*" ", " numbers ${VERSION})
foreach(expected ">PerMonitorV2, PerMonitor</dpiAwareness>" ">true/pm</dpiAware>"
    "FILEVERSION ${numbers}, 0, 0" "\"ProductName\", \"Tumblen\""
    "\"FileVersion\", \"${VERSION}\"" "\"ProductVersion\", \"${VERSION}\"" "\"FileDescription\", L\"Tumblen "
    "\"CompanyName\", L\"Tumblen \\x958b\\x767a\\x30c1\\x30fc\\x30e0\"")  # 開発チーム
  string(FIND "${resources}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the packed exe's resources lack ${expected}")
  endif()
endforeach()
