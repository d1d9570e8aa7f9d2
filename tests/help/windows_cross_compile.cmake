# Compiles, with the mingw-w64 cross compiler, every file of core/, text/ and help/ that a
# Windows build of the game compiles (the list comes from the build, see CMakeLists.txt).
# Plain C++ is compiled and linked into a small Windows program, so that a missing symbol
# shows too; Qt code is checked against the Qt headers, as no Qt for Windows is at hand.
include(${SOURCE_LIST})
if(unreadable)
  message(FATAL_ERROR "These source entries cannot be judged for Windows: ${unreadable}")
endif()
foreach(expected help/platform_windows.cpp help/hh.cpp core/game.cpp)
  if(NOT "${plain_sources}" MATCHES "/${expected}")
    message(FATAL_ERROR "The Windows list misses ${expected}; it is not read from the game's targets")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/probe.cpp [=[
#include "help/hh.h"
#include "help/hh_funcs.h"
int main()
{
    tarvik::HelpRuntime& runtime = tarvik::helpRuntime();
    auto platform = tarvik::makeSystemPlatform(std::nullopt);
    runtime.platform = platform.get();
    tarvik::LoadHelpControl(runtime);
    tarvik::startHelpFunctions(runtime);
    {
        tarvik::THookHelpSystem hook("vrel.chm", "", 0);
    }
    tarvik::finishHelpFunctions(runtime);
    tarvik::UnloadHelpControl(runtime);
    return 0;
}
]=])
list(LENGTH plain_sources plain_count)
list(LENGTH qt_sources qt_count)
message(STATUS "Windows build: ${plain_count} plain files to compile and link, ${qt_count} Qt files to check")

execute_process(
  COMMAND ${COMPILER} -std=c++20 -Wall -Wextra -Werror -I${SOURCE_DIR} ${plain_sources} ${WORK_DIR}/probe.cpp
          -o ${WORK_DIR}/probe.exe -static -lversion -lshell32 -ladvapi32
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The plain C++ of a Windows build does not build")
endif()

set(include_flags -I${SOURCE_DIR})
foreach(dir IN LISTS qt_includes)
  list(APPEND include_flags -I${dir})
endforeach()
# The Qt headers of this machine were made for it, not for Windows; their export markers
# draw warnings under the cross compiler that say nothing about our code.
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -Wall -Wextra -Werror -Wno-attributes
          -DQT_NO_KEYWORDS ${include_flags} ${qt_sources}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The Qt code of a Windows build does not compile")
endif()
