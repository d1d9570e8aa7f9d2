# Compiles the help rules and the Windows platform layer with the cross compiler and links
# them into a small Windows program, so that a missing symbol shows too.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB sources ${SOURCE_DIR}/help/*.cpp)
# The viewer stand-in is for systems without the control; Windows has its own.
list(FILTER sources EXCLUDE REGEX "/(chm_reader|chm_help_control|help_viewer|help_integration|maker_link|game_help_hooks)\\.cpp$")
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
execute_process(
  COMMAND ${COMPILER} -std=c++20 -Wall -Wextra -Werror -I${SOURCE_DIR} ${sources} ${WORK_DIR}/probe.cpp
          -o ${WORK_DIR}/probe.exe -static -lversion -lshell32 -ladvapi32
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The Windows help layer does not build")
endif()
